#include "platform/CommaText.h"

namespace sorvane {
namespace {

bool IsBlank(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code >= 1 && code <= 32;
}

// The quoted entry starting at text[at] (a double quote); at ends after the
// closing quote, or at the end of the text when there is none.
AnsiString TakeQuoted(std::string_view text, std::size_t& at) {
  AnsiString entry;
  ++at;
  while (at < text.size() && text[at] != '\0') {
    if (text[at] == '"') {
      ++at;
      if (at >= text.size() || text[at] != '"') return entry;
    }
    entry += text[at++];
  }
  return entry;
}

}  // namespace

std::vector<AnsiString> SplitCommaText(std::string_view text) {
  if (const std::size_t zero = text.find('\0'); zero != std::string_view::npos) text = text.substr(0, zero);
  std::vector<AnsiString> entries;
  std::size_t at = 0;
  auto skipBlanks = [&] {
    while (at < text.size() && IsBlank(text[at])) ++at;
  };
  skipBlanks();
  while (at < text.size()) {
    if (text[at] == '"') {
      entries.push_back(TakeQuoted(text, at));
    } else {
      const std::size_t begin = at;
      while (at < text.size() && static_cast<unsigned char>(text[at]) > 32 && text[at] != ',') ++at;
      entries.emplace_back(text.substr(begin, at - begin));
    }
    skipBlanks();
    if (at < text.size() && text[at] == ',') {
      if (at + 1 == text.size()) entries.emplace_back();
      ++at;
      skipBlanks();
    }
  }
  return entries;
}

}  // namespace sorvane
