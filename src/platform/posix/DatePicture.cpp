#include "platform/posix/DatePicture.h"

#include <cctype>

namespace sorvane {
namespace {

// The picture of one conversion (the character after "%", and whether the
// GNU "-" flag asked for no padding). Empty for conversions a date picture
// cannot show.
std::string_view FieldPicture(char conversion, bool unpadded) {
  switch (conversion) {
    case 'd': return unpadded ? "d" : "dd";
    case 'e': return "d";
    case 'm': return unpadded ? "M" : "MM";
    case 'Y': return "yyyy";
    case 'y': return "yy";
    case 'b':
    case 'h': return "MMM";
    case 'B': return "MMMM";
    case 'a': return "ddd";
    case 'A': return "dddd";
    case 'D': return "MM/dd/yy";
    case 'F': return "yyyy-MM-dd";
    case '%': return "%";
    case 'n': return " ";
    case 't': return " ";
    default: return {};
  }
}

}  // namespace

std::string StrftimeToDatePicture(std::string_view format) {
  std::string picture;
  bool quoting = false;
  auto closeQuote = [&] {
    if (quoting) picture += '\'';
    quoting = false;
  };
  for (std::size_t i = 0; i < format.size(); ++i) {
    const char c = format[i];
    if (c == '%' && i + 1 < format.size()) {
      bool unpadded = false;
      // Flags and the E and O modifiers change only how a field looks.
      while (i + 1 < format.size() && std::string_view("-_0^#EO").find(format[i + 1]) != std::string_view::npos) {
        unpadded = unpadded || format[i + 1] == '-';
        ++i;
      }
      if (i + 1 >= format.size()) break;
      closeQuote();
      picture += FieldPicture(format[++i], unpadded);
    } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '\'') {
      if (!quoting) picture += '\'';
      quoting = true;
      picture += c == '\'' ? std::string("''") : std::string(1, c);
    } else {
      closeQuote();
      picture += c;
    }
  }
  closeQuote();
  return picture;
}

}  // namespace sorvane
