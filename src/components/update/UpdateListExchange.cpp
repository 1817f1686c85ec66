#include "components/update/UpdateListExchange.h"

#include "components/update/ArchiveSignature.h"
#include "platform/Errors.h"

namespace sorvane {

bool UpdateListExchange::Connected(const std::string& host) { return services_.connection.Connected(host); }

std::string UpdateListExchange::MakeListCopy(const std::string& tempFolder) {
  return services_.tempFiles.CreateUniqueFile(tempFolder, "$");
}

void UpdateListExchange::Open(const std::string& path) {
  if (!services_.files.FileExists(path)) throw EFOpenError(FormatText(texts::kFOpenError, path));
  path_ = path;
}

void UpdateListExchange::Close() { path_.reset(); }

UpdateList UpdateListExchange::List(const std::string& program) {
  // Before Open the list reads as empty, like a profile file that is not
  // there.
  return UpdateList(services_.profiles, path_.value_or(std::string()), program);
}

DateSettings UpdateListExchange::Dates() {
  return DateSettings::FromLocale(services_.locale, DecodeDate(services_.calendar.Today()).year);
}

bool UpdateListExchange::SectionPresent(const std::string& program) { return path_ && List(program).SectionPresent(); }

double UpdateListExchange::Date(const std::string& program) {
  return List(program).Date(Dates(), services_.calendar.Today());
}

std::string UpdateListExchange::File(const std::string& program) { return List(program).File(); }

std::string UpdateListExchange::News(const std::string& program, double referenceDate) {
  return services_.codePage.AnsiToUtf8(
      FilterNews(List(program).News(), referenceDate, Dates(), services_.codePage));
}

std::string UpdateListExchange::RefuseArchive(const std::string& program, const std::string& archivePath) {
  if (AcceptArchive(services_.files, archivePath, List(program).Signature(), services_.publicKey)) return {};
  return texts::kArchiveNotSigned;
}

}  // namespace sorvane
