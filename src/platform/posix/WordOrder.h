#pragma once

#include <string_view>

#include "platform/Text.h"

namespace sorvane {

// The word order in which lists of names are sorted, for Windows-1252 text,
// after the system's locale comparison. It is our own table, so the order is
// the same on every machine whatever locales are installed.
//
// Strings are compared level by level; a later level only decides when all
// earlier ones are equal over the whole string:
//
//   1. Base characters. Letters compare alphabetically without regard to case
//      or accents; "ß" counts as "ss", "æ" as "ae", "œ" as "oe", "þ" as "th",
//      "™" as "tm". The soft hyphen, the apostrophe, the hyphen and the en
//      and em dashes are skipped here, so "co-op" sorts beside "coop";
//      control characters are skipped as well. Of the rest, the space and
//      then the other punctuation and symbols come first, in the order of
//      Windows' word sort (so "." before "_" and "$" before "%"), then the
//      digits, then the letters.
//   2. Accents, position by position: the plain letter first, then ordinal
//      or superscript forms, acute, grave, circumflex, diaeresis, tilde,
//      ring, cedilla, caron, stroke, hook, and last the expanded letters
//      ("ss" before "ß").
//   3. Case, position by position, lower case first.
//   4. The skipped characters: a string without them sorts first ("coop"
//      before "co-op"); otherwise by where they stand and which they are,
//      control characters first, then in the order listed above.
//   5. The bytes themselves, so that only identical strings compare equal and
//      sorting is total and repeatable.
//
// Returns a negative number when a sorts before b, 0 when they are the same
// bytes, a positive number otherwise.
int CompareWordOrder(std::string_view a, std::string_view b);

}  // namespace sorvane
