#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// The time of day of a date-time (days since 1899-12-30; only the fraction
// counts, so a span of more than a day shows its hours modulo 24) in a
// Windows time picture: "H"/"HH" hours 0-23, "h"/"hh" hours 1-12, "m"/"mm"
// minutes, "s"/"ss" seconds (doubled letters with a leading zero), "t"/"tt"
// "A"/"AM" or "P"/"PM", '...' literal text; other characters stand for
// themselves. Negative values count as 0.
std::string FormatTime(std::string_view picture, double dateTime);

}  // namespace sorvane
