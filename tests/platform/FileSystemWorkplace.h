#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/FileSystem.h"

namespace sorvane {

// A file system and an existing, empty folder on it to work in, with what
// the contract leaves to the system.
struct Workplace {
  std::unique_ptr<FileSystem> files;
  std::string root;
  // What absolute paths begin with before their first "/": the current
  // drive ("C:") where there are drives.
  std::string drive;
  // Whether a file open for reading may be opened for reading again; where
  // the system's sharing modes deny others the reading, it may not.
  bool readersShare = true;
  // Makes a file hidden where a name starting with "." does not.
  std::function<void(const std::string& path)> hide;
  std::function<void()> cleanUp;
};

// The system's own file system in a fresh temporary folder.
Workplace RealWorkplace();
extern const char kRealWorkplaceName[];

}  // namespace sorvane
