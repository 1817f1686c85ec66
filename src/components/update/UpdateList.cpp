#include "components/update/UpdateList.h"

#include <cmath>
#include <optional>
#include <vector>

#include "components/update/UpdateSteps.h"
#include "platform/CommaText.h"
#include "platform/Errors.h"

namespace sorvane {

std::string UpdateListUrl(const std::string& host) { return "http://" + host + "/Updates.ini"; }

std::string ArchiveUrl(const std::string& host, const AnsiString& file) {
  return "http://" + host + "/Updates/" + file;
}

std::shared_ptr<const ProfileText> ReadUpdateList(FileSystem& files, const std::string& path) {
  const std::unique_ptr<Stream> stream = files.OpenRead(path);
  // One byte more than taken tells a list that is too large.
  std::string bytes(static_cast<std::size_t>(kMaxUpdateListBytes) + 1, '\0');
  std::size_t size = 0;
  while (size < bytes.size()) {
    const std::size_t count = stream->Read(bytes.data() + size, bytes.size() - size);
    if (count == 0) break;
    size += count;
  }
  if (size > static_cast<std::size_t>(kMaxUpdateListBytes)) throw EReadError(FormatText(texts::kListTooLarge, path));
  bytes.resize(size);
  return std::make_shared<const ProfileText>(bytes);
}

AnsiString UpdateList::Read(const char* key, const AnsiString& defaultValue) {
  return profile_->String(programName_, key, defaultValue);
}

bool UpdateList::SectionPresent() { return !profile_->Keys(programName_).empty(); }

double UpdateList::Date(const DateSettings& dates, double today) {
  const AnsiString text = Read("Date", "");
  if (text.empty()) return today;
  return TryStrToDate(text, dates).value_or(today);
}

AnsiString UpdateList::File() { return Read("File", ""); }

std::optional<std::int64_t> UpdateList::Size() {
  const AnsiString text = Read("Size", "");
  // Up to 18 digits cannot overflow; no archive comes near that.
  if (text.empty() || text.size() > 18) return std::nullopt;
  std::int64_t size = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    size = size * 10 + (c - '0');
  }
  return size;
}

AnsiString UpdateList::News() { return Read("News", texts::kNoNews); }

AnsiString UpdateList::Signature() { return Read("Signature", ""); }

bool UpdateList::UpdateAvailable(const DateSettings& dates, double today, double referenceDate) {
  return SectionPresent() && Date(dates, today) >= referenceDate;
}

AnsiString FilterNews(const AnsiString& news, double referenceDate, const DateSettings& dates, CodePage& codePage) {
  std::vector<AnsiString> entries = SplitCommaText(news);
  const double referenceDay = std::trunc(referenceDate);
  for (std::size_t i = entries.size(); i-- > 0;) {
    const std::size_t colon = entries[i].find(':');
    if (colon == AnsiString::npos) continue;
    const std::string dateText = codePage.AnsiToUtf8(entries[i].substr(0, colon));
    if (StrToDate(dateText, dates) < referenceDay) entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(i));
  }
  AnsiString list;
  for (const AnsiString& entry : entries) list += "- " + entry + "\r\n";
  return list;
}

}  // namespace sorvane
