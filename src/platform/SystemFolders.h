#pragma once

#include <string>

namespace sorvane {

// Folders the system assigns to the user and the program.
class SystemFolders {
 public:
  virtual ~SystemFolders() = default;

  // The user's temporary folder, ending with "/". It belongs to the user
  // alone, so fixed file names in it cannot be planted by someone else.
  virtual std::string TempPath() = 0;
};

namespace texts {
inline constexpr char kTempFolderNotCreated[] = "Der temporäre Ordner %s kann nicht angelegt werden";
}  // namespace texts

}  // namespace sorvane
