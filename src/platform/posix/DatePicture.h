#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// Turns a C library date format ("%d.%m.%Y") into the Windows picture
// notation that the program's date texts use ("dd.MM.yyyy"). Day, month and
// year fields, with or without leading zeros, the month and weekday names and
// the composite %D and %F are understood; time fields and anything else
// unknown are dropped. Literal letters are quoted ('...') so that they are not
// read as fields.
std::string StrftimeToDatePicture(std::string_view format);

// The same for a time format ("%H:%M:%S" gives "HH:mm:ss", "%r" gives
// "hh:mm:ss tt"): hour, minute and second fields, the AM/PM marker and the
// composites %T, %R and %r; date fields are dropped.
std::string StrftimeToTimePicture(std::string_view format);

}  // namespace sorvane
