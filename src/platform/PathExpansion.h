#pragma once

#include <string>

namespace sorvane {

// path made absolute against folder (itself absolute) and freed of "." and
// ".." parts and doubled slashes, on the text alone. A trailing slash stays;
// an empty path stays empty.
std::string ExpandPath(const std::string& folder, const std::string& path);

}  // namespace sorvane
