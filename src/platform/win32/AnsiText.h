#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// Conversions between code pages by the system's tables. Paths cross to the
// system through the wide calls (WidePath.h); these serve the texts that keep
// a code page of their own.

// text in code page from (CP_UTF8, CP_ACP) as UTF-16; malformed input becomes
// U+FFFD.
std::wstring WidenText(std::string_view text, unsigned from);

// UTF-16 in code page to. A character the code page lacks becomes "?", never
// a look-alike ("best fit"): for a path a look-alike could be a separator or
// a dot that names another file.
std::string NarrowText(std::wstring_view text, unsigned to);

}  // namespace sorvane
