#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

#include "OrvelUpdate.h"

#include "platform/Calendar.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/Locale.h"

namespace sorvane::orvelupdate {

// orvelupdate list UPDATES.INI [--program NAME] [--reference YYYY-MM-DDTHH:MM:SS]
struct ListOptions {
  std::string updatesIni;
  std::string program;          // UTF-8; the section name; empty: this system's
  std::string reference;        // empty: now
};

struct ListServices {
  FileSystem& files;
  CodePage& codePage;
  Locale& locale;
  Calendar& calendar;
  Services& output;
};

// Prints what the program reads from an update list, one line each:
// "Section: present" or "absent", "Date: " in the locale's short date
// format, "File: ", "Size: " (the count of bytes, or "missing" when there
// is none), "Update: yes" or "no" against the reference date, then
// "News:" and the lines of the filtered news as the offer shows them. Text
// from the list (Windows-1252) is printed as UTF-8. Returns the exit status:
// kRefused when the list cannot be read or a news entry has an invalid date
// (the program's German message on standard error), kUsage for a malformed
// reference date.
int RunList(const ListOptions& options, ListServices& services);

// A local date and time written YYYY-MM-DDTHH:MM:SS as a date-time; nothing
// when the text is not such a date.
std::optional<double> ParseReferenceDate(std::string_view text);

}  // namespace sorvane::orvelupdate
