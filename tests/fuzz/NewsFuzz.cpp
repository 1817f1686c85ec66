// Fuzz entry: the news list of an update list. The first byte picks the
// reference day; the rest is the "News" value. Filtering either refuses an
// invalid date with the runtime's conversion error or gives lines "- " +
// entry + CR LF, never more than there were entries, in their order.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "components/update/UpdateList.h"
#include "platform/CommaText.h"
#include "platform/Cp1252CodePage.h"

using namespace sorvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const AnsiString news(reinterpret_cast<const char*>(data) + 1, size - 1);
  const DateSettings dates{"dd.MM.yyyy", '.', 2026};
  const double reference = *TryEncodeDate(1990 + data[0] % 40, 1 + data[0] % 12, 1) + (data[0] & 1 ? 0.5 : 0);
  Cp1252CodePage codePage;
  AnsiString list;
  try {
    list = FilterNews(news, reference, dates, codePage);
  } catch (const EConvertError&) {
    return 0;
  }
  const std::vector<AnsiString> entries = SplitCommaText(news);
  std::size_t next = 0;  // the first entry that may still match a line
  for (std::size_t at = 0; at < list.size();) {
    if (list.compare(at, 2, "- ") != 0) std::abort();
    // An entry may itself hold CR LF (quoted), so find the line by the entry.
    bool matched = false;
    while (next < entries.size() && !matched) {
      const AnsiString line = "- " + entries[next++] + "\r\n";
      matched = list.compare(at, line.size(), line) == 0;
      if (matched) at += line.size();
    }
    if (!matched) std::abort();
  }
  return 0;
}
