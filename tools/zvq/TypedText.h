#pragma once

#include <string>

#include "platform/CodePage.h"
#include "platform/Text.h"

namespace sorvane::zvq {

// A name or password the user typed, in the container's code page so that it
// can be compared with the container's bytes. Typed text is UTF-8; text that
// is not valid UTF-8 (say a password file saved in Windows-1252) is taken as
// Windows-1252 bytes as they stand rather than spoilt into "?".
AnsiString TypedToAnsi(const std::string& typed, CodePage& codePage);

// Container text for the terminal: UTF-8, with control characters shown as
// "?" so that a name cannot move the cursor, break a line or switch the
// terminal's modes.
std::string Shown(const AnsiString& text, CodePage& codePage);

}  // namespace sorvane::zvq
