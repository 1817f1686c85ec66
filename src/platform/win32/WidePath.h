#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// Paths at the edge of the wide (...W) calls. Inside the program a path is
// UTF-8 with "/" between folders; the system takes and gives UTF-16, which
// spells every file name the file system can hold, whatever the ANSI or OEM
// code page of the user.

// A program path for a ...W call: UTF-16 with "\" between folders, which
// every call takes (the loader and the shell's operations take no "/").
std::wstring WidePath(std::string_view utf8);

// A path from a ...W call in the program's form.
std::string PathFromWide(std::wstring_view wide);

// An existing path with the short (8.3) or the long names of its parts, as
// the file system knows them; the path itself when it gives no answer.
enum class PathNames { Short, Long };
std::wstring PathWithNames(const std::wstring& path, PathNames names);

// Program text (UTF-8) as UTF-16, for texts that are no paths: a prompt, a
// title, the command line of a process.
std::wstring WideText(std::string_view utf8);

// UTF-16 from the system as program text.
std::string TextFromWide(std::wstring_view wide);

}  // namespace sorvane
