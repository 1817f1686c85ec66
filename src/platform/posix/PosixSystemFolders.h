#pragma once

#include <string>

#include "platform/SystemFolders.h"

namespace sorvane {

// The user's temporary folder on Linux. $TMPDIR is the user's own choice and
// is taken as it stands. Otherwise the folder is a private one below a shared
// parent (normally /tmp): "<parent>/sorvane-<uid>/", created with mode 0700.
// Because the parent is shared, someone else may have put a folder or a link
// of that name there first; the folder is only used when it is a real folder
// (not a symbolic link) that belongs to the user and nobody else may enter.
// Otherwise TempPath refuses with an Exception instead of handing out a
// folder in which fixed file names could be planted or read.
class PosixSystemFolders : public SystemFolders {
 public:
  explicit PosixSystemFolders(std::string sharedParent = "/tmp");

  // Throws Exception (kTempFolderUnsafe or kTempFolderNotCreated).
  std::string TempPath() override;

 private:
  std::string sharedParent_;
};

namespace texts {
inline constexpr char kTempFolderNotCreated[] = "Der temporäre Ordner %s kann nicht angelegt werden";
inline constexpr char kTempFolderUnsafe[] =
    "Der temporäre Ordner %s ist nicht sicher: er muss ein Ordner sein, der allein dem Benutzer gehört und "
    "auf den niemand sonst zugreifen kann";
}  // namespace texts

}  // namespace sorvane
