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

std::string_view TimeFieldPicture(char conversion, bool unpadded) {
  switch (conversion) {
    case 'H': return unpadded ? "H" : "HH";
    case 'k': return "H";
    case 'I': return unpadded ? "h" : "hh";
    case 'l': return "h";
    case 'M': return unpadded ? "m" : "mm";
    case 'S': return unpadded ? "s" : "ss";
    case 'p':
    case 'P': return "tt";
    case 'T': return "HH:mm:ss";
    case 'R': return "HH:mm";
    case 'r': return "hh:mm:ss tt";
    case '%': return "%";
    case 'n':
    case 't': return " ";
    default: return {};
  }
}

std::string Convert(std::string_view format, std::string_view (*field)(char, bool)) {
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
      picture += field(format[++i], unpadded);
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

}  // namespace

std::string StrftimeToDatePicture(std::string_view format) { return Convert(format, FieldPicture); }

std::string StrftimeToTimePicture(std::string_view format) {
  const std::string picture = Convert(format, TimeFieldPicture);
  // A format without time fields leaves nothing to show a time with.
  return picture.find_first_of("Hhms") == std::string::npos ? std::string("HH:mm:ss") : picture;
}

}  // namespace sorvane
