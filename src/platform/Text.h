#pragma once

#include <string>

namespace sorvane {

// Text that comes from a container (member names, account names, passwords,
// title, author) is a byte string in the Windows ANSI code page 1252 and is
// compared byte for byte. It is converted to UTF-8 only where it leaves the
// program: on screen, in file names on disk, on the terminal. Everything else
// the program handles (paths, messages) is UTF-8.
using AnsiString = std::string;

}  // namespace sorvane
