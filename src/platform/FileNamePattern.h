#pragma once

#include <string_view>

namespace sorvane {

// Whether a file name matches a search pattern as the Windows search does:
// "*" any run of characters, "?" exactly one character, letters compared
// without regard to case (ASCII and the letters of code page 1252), "*.*"
// matches every name. Both are UTF-8; bytes that are not UTF-8 compare as
// themselves.
bool MatchFileNamePattern(std::string_view pattern, std::string_view name);

}  // namespace sorvane
