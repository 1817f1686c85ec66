#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sorvane {

// The size text of a byte count as the program's lists and progress labels
// show it: "1,5 KB", "117,7 MB". ExtraDigits is the number of significant
// digits beyond those of the rounded whole number; decimalSeparator is the
// user's (Locale::DecimalSeparator). UTF-8.
std::string FormatSize(int ExtraDigits, bool LongUnits, std::int64_t size, std::string_view decimalSeparator);

}  // namespace sorvane
