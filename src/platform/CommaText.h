#pragma once

#include <string_view>
#include <vector>

#include "platform/Text.h"

namespace sorvane {

// Splits text into entries as the runtime's string lists read comma text:
// - characters with codes 1 to 32 before an entry are skipped;
// - an entry that begins with a double quote runs to the matching closing
//   double quote (or the end), two double quotes inside standing for one;
// - any other entry runs up to the first character with a code up to 32 or
//   the first comma;
// - after an entry, characters with codes 1 to 32 are skipped, then one comma
//   and the characters with codes 1 to 32 after it;
// - a comma that is the last character adds a final empty entry.
// So blanks separate entries unless the entry is quoted. A zero byte ends the
// text, as it ends the C string the runtime works on.
std::vector<AnsiString> SplitCommaText(std::string_view text);

}  // namespace sorvane
