#pragma once

#include <string>

namespace sorvane {

// Unique temporary files, as the system's temporary-file naming makes them.
class TempFiles {
 public:
  virtual ~TempFiles() = default;

  // Creates a new, empty file in folder (ending with "/") whose name begins
  // with prefix (at most its first three characters) and returns its path.
  // The name is one nobody can foresee, and the file is created exclusively,
  // so no file or link planted beforehand is ever opened. Throws
  // EFCreateError "Datei %s kann nicht erstellt werden" when no file can be
  // made there.
  virtual std::string CreateUniqueFile(const std::string& folder, const std::string& prefix) = 0;
};

}  // namespace sorvane
