// Fuzz entry: reads arbitrary bytes as an update list. Every value the reader
// hands out keeps its promises (no zero byte, at most 2047 characters, no
// blanks at the ends unless quoted, no line break), and each is then split as
// comma text, whose entries must come from the value itself.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/CommaText.h"
#include "platform/ProfileText.h"

namespace {

using namespace sorvane;

void CheckValue(const AnsiString& value) {
  if (value.size() > kMaxProfileValue) std::abort();
  if (value.find_first_of(std::string_view("\0\r\n", 3)) != AnsiString::npos) std::abort();
  std::size_t total = 0;
  for (const AnsiString& entry : SplitCommaText(value)) {
    // Unquoted entries are runs of the value; quoted ones lose their quotes,
    // so no entry is longer than the value and together they are not either.
    total += entry.size();
    if (entry.size() > value.size() || total > value.size()) std::abort();
    if (entry.find('\0') != AnsiString::npos) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const ProfileText profile(bytes);
  for (const char* section : {"ZVQ", "zvq", "Other", ""}) {
    for (const AnsiString& key : profile.Keys(section)) {
      if (key.empty()) std::abort();
      if (const std::optional<AnsiString> value = profile.Value(section, key)) CheckValue(*value);
    }
    for (const char* key : {"Date", "File", "News", "Signature"}) {
      if (const std::optional<AnsiString> value = profile.Value(section, key)) CheckValue(*value);
    }
  }
  // The whole input as one value: comma text of any bytes.
  CheckValue(AnsiString(bytes.substr(0, bytes.find_first_of(std::string_view("\0\r\n", 3)))).substr(0, kMaxProfileValue));
  return 0;
}
