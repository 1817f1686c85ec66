#pragma once

#include "platform/Text.h"

namespace sorvane {

// Member names, account names and passwords are stored scrambled by a fixed
// byte transformation. Byte i of a string of n bytes is shifted by 3·i + n + 1
// (modulo 256); the length never changes, and a byte that becomes 0 stays in
// the string. It hides names from a casual look at the file, nothing more.

// Stored bytes to plain text; n is the stored length.
AnsiString UnscrambleText(const AnsiString& scrambled);

// Plain text to stored bytes; n is the plain length.
AnsiString ScrambleText(const AnsiString& plain);

}  // namespace sorvane
