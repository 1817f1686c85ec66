#pragma once

#include <algorithm>
#include <string>

namespace sorvane {

// A path of the program ("/" between folders on every platform) as Windows
// writes it where "/" would not do: in batch files, shell file operations
// and text shown to the user.
inline std::string BackslashPath(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

}  // namespace sorvane
