#include "ListCommand.h"

#include <memory>

#include "components/update/UpdateList.h"
#include "platform/DateConversion.h"
#include "platform/Errors.h"
#include "platform/NativeServices.h"
#include "platform/UpdateSection.h"

namespace sorvane::orvelupdate {
namespace {

// Digits at text[at, at + count) as a number; -1 when they are not all
// digits.
int Digits(std::string_view text, std::size_t at, std::size_t count) {
  int value = 0;
  for (std::size_t i = at; i < at + count; ++i) {
    if (text[i] < '0' || text[i] > '9') return -1;
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

// The list's news lines end with CR LF as the offer shows them; the
// terminal wants LF.
std::string TerminalLines(const std::string& text) {
  std::string lines;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    lines += text[i];
  }
  return lines;
}

}  // namespace

std::optional<double> ParseReferenceDate(std::string_view text) {
  if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
      text[16] != ':') {
    return std::nullopt;
  }
  const int hour = Digits(text, 11, 2), minute = Digits(text, 14, 2), second = Digits(text, 17, 2);
  const std::optional<double> day = TryEncodeDate(Digits(text, 0, 4), Digits(text, 5, 2), Digits(text, 8, 2));
  if (!day || hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) return std::nullopt;
  return *day + (hour * 3600 + minute * 60 + second) / 86400.0;
}

int RunList(const ListOptions& options, ListServices& services) {
  std::ostream& out = services.output.out;
  std::shared_ptr<const ProfileText> profile;
  try {
    profile = ReadUpdateList(services.files, options.updatesIni);
  } catch (const Exception& e) {
    Report(services.output, e.what());
    return kRefused;
  }
  const std::optional<double> reference =
      options.reference.empty() ? services.calendar.Now() : ParseReferenceDate(options.reference);
  if (!reference) {
    Report(services.output, "Ungültiges Bezugsdatum '" + options.reference + "' (erwartet: JJJJ-MM-TTTHH:MM:SS)");
    return kUsage;
  }
  const double today = services.calendar.Today();
  const DateSettings dates = DateSettings::FromLocale(services.locale, DecodeDate(today).year);
  const std::string program = options.program.empty() ? UpdateSection("ZVQ") : options.program;
  UpdateList list(profile, services.codePage.Utf8ToAnsi(program));
  const std::optional<std::int64_t> size = list.Size();

  out << "Section: " << (list.SectionPresent() ? "present" : "absent") << '\n'
               << "Date: " << DateToStr(list.Date(dates, today), dates) << '\n'
               << "File: " << services.codePage.AnsiToUtf8(list.File()) << '\n'
               << "Size: " << (size ? std::to_string(*size) : std::string("missing")) << '\n'
               << "Update: " << (list.UpdateAvailable(dates, today, *reference) && size ? "yes" : "no") << '\n';
  std::string news;
  try {
    news = services.codePage.AnsiToUtf8(FilterNews(list.News(), *reference, dates, services.codePage));
  } catch (const EConvertError& e) {
    Report(services.output, e.what());
    return kRefused;
  }
  out << "News:\n" << TerminalLines(news);
  return kDone;
}

void AddListCommand(CLI::App& app, Services& services, int& status) {
  auto options = std::make_shared<ListOptions>();
  CLI::App* command = AddCommand(
      app, "list",
      "Zeigen, was das Programm aus einer Update-Liste liest: Abschnitt, Datum, Archiv, ob es ein Update anbietet, "
      "und die Neuigkeiten, wie das Angebot sie zeigt");
  command->add_option("UPDATES.INI", options->updatesIni, "Die Update-Liste")->required()->type_name("DATEI");
  command->add_option("--program", options->program,
                      "Der Abschnitt des Programms (Vorgabe: " + UpdateSection("ZVQ") +
                          ", der dieses Systems; ZVQ für Windows)")
      ->type_name("NAME");
  command->add_option("--reference", options->reference,
                      "Das Datum der installierten Programmdatei (Vorgabe: jetzt)")
      ->type_name("JJJJ-MM-TTTHH:MM:SS");
  command->callback([options, &services, &status] {
    const auto files = NewFileSystem();
    const auto codePage = NewCodePage();
    const auto locale = NewLocale();
    const auto calendar = NewCalendar();
    ListServices list{*files, *codePage, *locale, *calendar, services};
    status = RunList(*options, list);
  });
}

}  // namespace sorvane::orvelupdate
