#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/Text.h"

namespace sorvane {

// The longest value a profile hands out.
inline constexpr std::size_t kMaxProfileValue = 2047;

// The contents of a profile file ("INI"), read once by the rules of the
// Windows profile reader and held in memory: what changes on disk later is
// not seen. Where those rules leave room, this reader decides
// as Windows does:
// - Lines end at CR, LF or any run of them; a UTF-8 byte order mark at the
//   start is skipped. Blanks (space, tab, the other C blanks and Ctrl+Z) at
//   both ends of a line are dropped, and empty lines are skipped.
// - A line beginning with "[" names a section: the text up to the last "]"
//   of the line without the blanks at its ends, so "[ ZVQ ]" names "ZVQ";
//   text after that "]" is ignored. A "[" line without "]" is an ordinary
//   line.
// - Lines beginning with ";" are comments.
// - Any other line is a key: the text before the first "=" without the blanks
//   before the "=", the value after it without the blanks after the "=". A
//   line without "=" is a key without a value: it is listed, but reading it
//   gives the default. Lines with an empty key name and lines before the
//   first section belong to no section that can be asked for.
// - Of two sections with equal names (without regard to case) only the first
//   counts; of two equal keys in a section the first wins.
// - Quotes are stripped only when the value has at least two characters and
//   begins and ends with the same quote character; one pair is stripped. The
//   value ends at a zero byte and is then cut after 2047 characters.
// - Names asked for are compared without their blanks at both ends; letters
//   compare without regard to case in ASCII and in code page 1252.
class ProfileText {
 public:
  explicit ProfileText(std::string_view bytes);

  // The value, or nothing when section or key is missing or the key has no
  // value; an empty value is a value.
  std::optional<AnsiString> Value(std::string_view section, std::string_view key) const;

  // The value as the profile reader hands it out: when there is none,
  // defaultValue cut after 2047 characters and without trailing blanks.
  AnsiString String(std::string_view section, std::string_view key, const AnsiString& defaultValue) const;

  // The key names of the section in file order, a repeated key as often as
  // it stands there.
  std::vector<AnsiString> Keys(std::string_view section) const;

 private:
  struct Entry {
    AnsiString key;
    std::optional<AnsiString> value;
  };
  struct Section {
    AnsiString name;
    std::vector<Entry> entries;
  };
  const Section* Find(std::string_view section) const;

  std::vector<Section> sections_;
};

// Equal without regard to case, as the profile reader compares names.
bool ProfileNamesEqual(std::string_view a, std::string_view b);

}  // namespace sorvane
