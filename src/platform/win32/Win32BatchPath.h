#pragma once

#include <optional>
#include <string>

namespace sorvane {

// A path (the program's form) as the command interpreter reads it from a
// batch file, which it reads in the console's OEM code page: the path's own
// bytes in that code page when it spells every letter; else its short
// (8.3) form, whose names are made of letters every code page has; nothing
// when neither spells it (a folder without a short name, as volumes where
// short names are switched off give them). A file that does not exist yet
// gets its folder's short form and its own name. Never a path with "?" in
// place of a letter: that would name another file, or a pattern of them.
std::optional<std::string> BatchFilePath(const std::string& path);

}  // namespace sorvane
