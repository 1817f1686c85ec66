#include "components/update/UpdateListExchange.h"

#include "components/update/ArchiveSignature.h"
#include "components/update/UpdateKeyPolicy.h"
#include "platform/Errors.h"

namespace sorvane {

std::string UpdateListExchange::RefuseHost(const std::string& host) {
  return RefuseUpdateHost(services_.publicKey, host);
}

bool UpdateListExchange::Connected(const std::string& host) { return services_.connection.Connected(host); }

std::string UpdateListExchange::MakeListCopy(const std::string& tempFolder) {
  return services_.tempFiles.CreateUniqueFile(tempFolder, "$");
}

void UpdateListExchange::Open(const std::string& path) { profile_ = ReadUpdateList(services_.files, path); }

void UpdateListExchange::Close() { profile_.reset(); }

UpdateList UpdateListExchange::List(const std::string& program) {
  // Before Open the list reads as empty, like a profile file that is not
  // there.
  static const auto kNone = std::make_shared<const ProfileText>("");
  return UpdateList(profile_ != nullptr ? profile_ : kNone, program);
}

DateSettings UpdateListExchange::Dates() {
  return DateSettings::FromLocale(services_.locale, DecodeDate(services_.calendar.Today()).year);
}

bool UpdateListExchange::SectionPresent(const std::string& program) { return List(program).SectionPresent(); }

double UpdateListExchange::Date(const std::string& program) {
  return List(program).Date(Dates(), services_.calendar.Today());
}

std::string UpdateListExchange::File(const std::string& program) { return List(program).File(); }

std::optional<std::int64_t> UpdateListExchange::Size(const std::string& program) { return List(program).Size(); }

std::string UpdateListExchange::News(const std::string& program, double referenceDate) {
  return services_.codePage.AnsiToUtf8(
      FilterNews(List(program).News(), referenceDate, Dates(), services_.codePage));
}

bool UpdateListExchange::Signed(const std::string& program, const ArchiveBytes& archive) {
  UpdateList list = List(program);
  if (list.Size() != archive.size) return false;
  const AnsiString statement =
      UpdateStatement(program, IsoDate(Date(program)), list.File(), archive.sha512, archive.size);
  return VerifyStatement(statement, list.Signature(), services_.publicKey) == SignatureCheck::kValid;
}

std::string UpdateListExchange::RefuseArchive(const std::string& program, const std::string& archivePath) {
  bool valid = false;
  try {
    valid = Signed(program, ArchiveDigest(*services_.files.OpenRead(archivePath)));
  } catch (const Exception&) {
    // An archive that cannot be read is none to install.
  }
  if (valid) return {};
  services_.files.DeleteFile(archivePath);
  return texts::kArchiveNotSigned;
}

std::string UpdateListExchange::CheckedCopy(const std::string& program, const std::string& archivePath,
                                            const std::string& tempFolder) {
  const std::string copy = services_.tempFiles.CreateUniqueFile(tempFolder, "zip");
  bool valid = false;
  try {
    const std::unique_ptr<Stream> in = services_.files.OpenRead(archivePath);
    const std::unique_ptr<Stream> out = services_.files.Create(copy);
    valid = Signed(program, ArchiveDigest(*in, out.get()));
  } catch (...) {
    services_.files.DeleteFile(copy);
    throw;
  }
  if (!valid) {
    services_.files.DeleteFile(copy);
    services_.files.DeleteFile(archivePath);
    throw Exception(texts::kArchiveNotSigned);
  }
  return copy;
}

}  // namespace sorvane
