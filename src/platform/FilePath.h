#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// Parts of a path as the runtime splits them. "/" separates folders.

// From the last "." after the last separator, dot included; empty when the
// file name has no dot.
inline std::string ExtractFileExt(std::string_view path) {
  const auto dot = path.find_last_of("./");
  if (dot == std::string_view::npos || path[dot] != '.') return {};
  return std::string(path.substr(dot));
}

// The folder part with its trailing separator; empty when there is none.
inline std::string ExtractFilePath(std::string_view path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

// The part after the last separator.
inline std::string ExtractFileName(std::string_view path) {
  const auto slash = path.find_last_of('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace sorvane
