#pragma once

#include "platform/TempFiles.h"

namespace sorvane {

// Temporary files on Linux: "<folder><prefix>XXXXXX.tmp" with six random
// characters, created with O_EXCL (mkostemps) and mode 0600, so the name is
// not guessable and a planted file or link of that name makes the system pick
// another name instead of opening it.
class PosixTempFiles : public TempFiles {
 public:
  std::string CreateUniqueFile(const std::string& folder, const std::string& prefix) override;
};

}  // namespace sorvane
