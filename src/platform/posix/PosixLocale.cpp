#include "platform/posix/PosixLocale.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <iterator>
#include <string_view>

#include "platform/posix/DatePicture.h"
#include "platform/WordOrder.h"

namespace sorvane {
namespace {

// The locale name the environment gives for one category, as setlocale
// would choose it.
std::string EnvironmentLocale(const char* category) {
  for (const char* variable : {"LC_ALL", category, "LANG"}) {
    const char* value = std::getenv(variable);
    if (value != nullptr && *value != '\0') return value;
  }
  return "C";
}

struct Conventions {
  std::string_view prefix;  // language, or language_TERRITORY
  std::string_view decimalSeparator;
  std::string_view dateFormat;  // C library notation
  std::string_view timeFormat;
};

// Stand-ins for locales that are not installed, as the C library's own data
// gives them. The more specific entry comes first.
constexpr Conventions kKnown[] = {
    {"de_CH", ".", "%d.%m.%Y", "%T"}, {"de", ",", "%d.%m.%Y", "%T"}, {"en_US", ".", "%m/%d/%Y", "%r"},
    {"en_GB", ".", "%d/%m/%Y", "%T"}, {"fr", ",", "%d/%m/%Y", "%T"}, {"it", ",", "%d/%m/%Y", "%T"},
    {"es", ",", "%d/%m/%y", "%T"},    {"nl", ",", "%d-%m-%Y", "%T"}, {"", ".", "%m/%d/%y", "%H:%M:%S"},
};

const Conventions& KnownConventions(const std::string& name) {
  for (const Conventions& c : kKnown) {
    if (name.compare(0, c.prefix.size(), c.prefix) != 0) continue;
    // "de" must not match "dev"; the prefix ends where the name's language
    // or territory ends.
    const char next = name.size() > c.prefix.size() ? name[c.prefix.size()] : '\0';
    if (c.prefix.empty() || next == '\0' || next == '_' || next == '.' || next == '@') return c;
  }
  return kKnown[std::size(kKnown) - 1];
}

// One item of the named locale's data; nothing when the locale is missing.
bool QueryLocale(const std::string& name, int mask, nl_item item, std::string& out) {
  locale_t locale = newlocale(mask, name.c_str(), static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return false;
  out = nl_langinfo_l(item, locale);
  freelocale(locale);
  return true;
}

}  // namespace

PosixLocale::PosixLocale() : PosixLocale("", "") {}

PosixLocale::PosixLocale(const std::string& numericLocale, const std::string& timeLocale) {
  const std::string numeric = numericLocale.empty() ? EnvironmentLocale("LC_NUMERIC") : numericLocale;
  const std::string time = timeLocale.empty() ? EnvironmentLocale("LC_TIME") : timeLocale;

  if (!QueryLocale(numeric, LC_NUMERIC_MASK, RADIXCHAR, decimalSeparator_) || decimalSeparator_.empty()) {
    decimalSeparator_ = KnownConventions(numeric).decimalSeparator;
  }
  std::string dateFormat;
  if (!QueryLocale(time, LC_TIME_MASK, D_FMT, dateFormat) || dateFormat.empty()) {
    dateFormat = KnownConventions(time).dateFormat;
  }
  shortDateFormat_ = StrftimeToDatePicture(dateFormat);
  std::string timeFormat;
  if (!QueryLocale(time, LC_TIME_MASK, T_FMT, timeFormat) || timeFormat.empty()) {
    timeFormat = KnownConventions(time).timeFormat;
  }
  longTimeFormat_ = StrftimeToTimePicture(timeFormat);
}

int PosixLocale::CompareStrings(std::string_view a, std::string_view b) { return CompareWordOrder(a, b); }

}  // namespace sorvane
