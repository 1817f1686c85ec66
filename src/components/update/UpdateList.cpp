#include "components/update/UpdateList.h"

#include <cmath>
#include <optional>
#include <vector>

#include "platform/CommaText.h"

namespace sorvane {

std::string UpdateListUrl(const std::string& host) { return "http://" + host + "/Updates.ini"; }

std::string ArchiveUrl(const std::string& host, const AnsiString& file) {
  return "http://" + host + "/Updates/" + file;
}

AnsiString UpdateList::Read(const char* key, const AnsiString& defaultValue) {
  return profiles_.ReadString(path_, programName_, key, defaultValue);
}

bool UpdateList::SectionPresent() { return !profiles_.ReadSection(path_, programName_).empty(); }

double UpdateList::Date(const DateSettings& dates, double today) {
  const AnsiString text = Read("Date", "");
  if (text.empty()) return today;
  return TryStrToDate(text, dates).value_or(today);
}

AnsiString UpdateList::File() { return Read("File", ""); }

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
