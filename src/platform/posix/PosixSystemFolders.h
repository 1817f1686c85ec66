#pragma once

#include <string>

#include "platform/SystemFolders.h"

namespace sorvane {

// The user's temporary folder on Linux: $TMPDIR when set, else a folder of
// the user's own below a shared parent (normally /tmp),
// "<parent>/sorvane-<uid>/", created with mode 0700.
//
// Scripts and archives of an update lie there under fixed names, so the
// folder is only used when it is private: a real folder (not a symbolic
// link) that belongs to the user, with mode 0700. Someone else may have made
// the name in the shared parent first, or $TMPDIR may name a shared folder;
// then a fresh private folder with a random name is made in that parent,
// "<parent>/sorvane-<uid>-XXXXXX/", and used for the rest of the run, so
// nobody can block or read the updates by planting the name.
class PosixSystemFolders : public SystemFolders {
 public:
  explicit PosixSystemFolders(std::string sharedParent = "/tmp");

  // Throws Exception kTempFolderNotCreated when no private folder can be
  // made.
  std::string TempPath() override;

 private:
  std::string sharedParent_;
  std::string freshParent_;  // where the fresh folder was made
  std::string fresh_;        // the fresh folder, no trailing slash
};

}  // namespace sorvane
