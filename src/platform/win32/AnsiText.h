#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// Conversions at the edge of the ANSI calls. The program keeps paths and
// messages in UTF-8; the ...A calls take and give the ANSI code page.

// text in code page from (CP_UTF8, CP_ACP) as UTF-16; malformed input becomes
// U+FFFD.
std::wstring WidenText(std::string_view text, unsigned from);

// UTF-16 in code page to. A character the code page lacks becomes "?", never
// a look-alike ("best fit"): for a path a look-alike could be a separator or
// a dot that names another file.
std::string NarrowText(std::wstring_view text, unsigned to);

// A UTF-8 path for the ...A calls.
std::string PathToAnsi(std::string_view utf8);

// UTF-8 text in the OEM code page, in which the command interpreter reads
// batch files; a character the code page lacks becomes "?".
std::string TextToOem(std::string_view utf8);

// A path from the ...A calls in the program's form: UTF-8, "/" between
// folders.
std::string PathFromAnsi(std::string_view ansi);

}  // namespace sorvane
