#include "platform/Format.h"

#include <cstddef>

namespace sorvane {
namespace {

// Characters of UTF-8 text: every byte that does not continue a sequence.
std::size_t CharCount(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return count;
}

// The first count characters of text.
std::string_view FirstChars(std::string_view text, std::size_t count) {
  std::size_t i = 0;
  for (std::size_t seen = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 && seen++ == count) break;
  }
  return text.substr(0, i);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class FormatReader {
 public:
  FormatReader(std::string_view format, const std::vector<std::string>& arguments)
      : format_(format), arguments_(arguments) {}

  std::string Run() {
    std::string out;
    while (at_ < format_.size()) {
      const std::size_t percent = format_.find('%', at_);
      out.append(format_.substr(at_, percent == std::string_view::npos ? std::string_view::npos : percent - at_));
      if (percent == std::string_view::npos) break;
      at_ = percent + 1;
      Specifier(out);
    }
    return out;
  }

 private:
  [[noreturn]] void Fail(const char* text) const { throw EConvertError(FormatText(text, format_)); }

  char Peek() const { return at_ < format_.size() ? format_[at_] : '\0'; }

  // A run of digits, or -1 when there is none.
  long Number() {
    if (Peek() == '*') Fail(texts::kInvalidFormat);  // would take a number argument
    if (!IsDigit(Peek())) return -1;
    long value = 0;
    while (IsDigit(Peek())) {
      value = value * 10 + (format_[at_++] - '0');
      if (value > kMaxFormatWidth) Fail(texts::kInvalidFormat);
    }
    return value;
  }

  void Specifier(std::string& out) {
    if (Peek() == '%') {
      ++at_;
      out += '%';
      return;
    }
    long number = Number();
    if (number >= 0 && Peek() == ':') {
      ++at_;
      next_ = static_cast<std::size_t>(number);
      number = -1;
    }
    bool left = false;
    if (number < 0 && Peek() == '-') {
      ++at_;
      left = true;
    }
    const long width = number >= 0 ? number : Number();
    long precision = -1;
    if (Peek() == '.') {
      ++at_;
      precision = Number();
      if (precision < 0) precision = 0;
    }
    if (at_ >= format_.size()) Fail(texts::kInvalidFormat);
    const char type = format_[at_++];
    // The argument is fetched before its type is looked at, as the runtime does.
    if (next_ >= arguments_.size()) Fail(texts::kArgumentMissing);
    const std::string_view argument = arguments_[next_++];
    if (type != 's' && type != 'S') Fail(texts::kInvalidFormat);

    const std::string_view text = precision >= 0 ? FirstChars(argument, static_cast<std::size_t>(precision)) : argument;
    const std::size_t length = CharCount(text);
    const std::size_t pad = width > 0 && static_cast<std::size_t>(width) > length ? width - length : 0;
    if (!left) out.append(pad, ' ');
    out.append(text);
    if (left) out.append(pad, ' ');
  }

  std::string_view format_;
  const std::vector<std::string>& arguments_;
  std::size_t at_ = 0;
  std::size_t next_ = 0;
};

}  // namespace

std::string Format(std::string_view format, const std::vector<std::string>& arguments) {
  return FormatReader(format, arguments).Run();
}

}  // namespace sorvane
