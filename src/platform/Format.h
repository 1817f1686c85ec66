#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/Errors.h"

namespace sorvane {

namespace texts {
inline constexpr char kInvalidFormat[] = "Format '%s' ungültig oder nicht kompatibel mit Argument";
inline constexpr char kArgumentMissing[] = "Kein Argument für Format '%s'";
}  // namespace texts

// The runtime's Format for text arguments. A specifier is
//   "%" [index ":"] ["-"] [width] ["." precision] type
// "%s" takes the next argument; "%1:s" takes argument 1 (from 0) and the
// arguments after it continue from there; "-" pads on the right instead of
// the left; width is the least number of characters, precision the most
// taken from the argument; "%%" is one percent sign. Widths and precisions
// count UTF-8 characters, so a character is never cut in two.
//
// Throws EConvertError kArgumentMissing when a specifier has no argument, and
// kInvalidFormat for any other type than "s" (the arguments are texts), for a
// "*" width (it would need a number), for a lone "%" at the end and for a
// width or precision above kMaxFormatWidth; both texts name the format.
std::string Format(std::string_view format, const std::vector<std::string>& arguments);

// Largest width or precision accepted: no line of a script needs more, and a
// larger one would only build a huge text.
inline constexpr int kMaxFormatWidth = 65536;

}  // namespace sorvane
