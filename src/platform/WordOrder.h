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
//      and "™" is a letter of its own after "t". The apostrophe, the hyphen,
//      the en and em dashes and the control characters are skipped here, so
//      "co-op" sorts beside "coop"; the soft hyphen is skipped on every
//      level. Of the rest, the blanks (space, no-break space, tab, line
//      breaks) and then the other punctuation and symbols come first, in the
//      order of Windows' word sort (so "." before "_" and "$" before "%"),
//      then the digits, then the letters.
//   2. Accents, position by position: the plain letter first (also each
//      letter of "ß", "æ", "œ" and "þ"), then ordinal or superscript forms,
//      acute, grave, circumflex, diaeresis, tilde, ring, cedilla, caron,
//      stroke, hook.
//   3. Case, position by position, lower case first.
//   4. The skipped characters: a string without them sorts first ("coop"
//      before "co-op"); otherwise by where they stand, one further back
//      first ("c-" before "-c"), then by which they are: control characters
//      in byte order, apostrophe, hyphen, en dash, em dash.
//   5. The bytes themselves, so that only identical strings compare equal and
//      sorting is total and repeatable. Windows finds strings equal that
//      differ only here, such as "ss" and "ß", or "^" and the modifier
//      circumflex.
//
// Returns a negative number when a sorts before b, 0 when they are the same
// bytes, a positive number otherwise.
int CompareWordOrder(std::string_view a, std::string_view b);

}  // namespace sorvane
