#pragma once

#include <memory>
#include <string>

#include "components/update/ArchiveSignature.h"
#include "components/update/UpdateList.h"
#include "components/update/UpdateSteps.h"
#include "platform/Calendar.h"
#include "platform/CodePage.h"
#include "platform/FileSystem.h"
#include "platform/InternetConnection.h"
#include "platform/Locale.h"
#include "platform/TempFiles.h"

namespace sorvane {

// What the update list's exchange works with; everything outlives it.
struct UpdateListServices {
  InternetConnection& connection;
  TempFiles& tempFiles;
  FileSystem& files;
  CodePage& codePage;
  Locale& locale;
  Calendar& calendar;
  std::string publicKey;  // the maker's signing key (Base64)
};

// The update wizard's update list over the system's services: the
// connected-state query, the "$" temporary file the list is fetched into,
// the copy read once by the profile rules, the runtime's date reading in the
// user's short date format, and the signature check of the archive. The
// list holds Windows-1252 text; the news leave it as UTF-8 for the screen.
class UpdateListExchange : public UpdateExchange {
 public:
  explicit UpdateListExchange(UpdateListServices services) : services_(std::move(services)) {}

  // The example key's refusal of hosts off this machine (UpdateKeyPolicy.h).
  std::string RefuseHost(const std::string& host) override;
  bool Connected(const std::string& host) override;
  std::string MakeListCopy(const std::string& tempFolder) override;
  // Reads the list once; raises EFOpenError when there is no file at path,
  // EReadError when it is larger than kMaxUpdateListBytes.
  void Open(const std::string& path) override;
  void Close() override;
  bool SectionPresent(const std::string& program) override;
  double Date(const std::string& program) override;
  std::string File(const std::string& program) override;
  std::optional<std::int64_t> Size(const std::string& program) override;
  std::string News(const std::string& program, double referenceDate) override;
  // kArchiveNotSigned, after deleting the archive, unless the list's
  // "Signature" is the maker's signature of the statement (see
  // ArchiveSignature.h) of this program's section, its "Date" as the
  // program reads it, its "File", exactly these bytes and their number as
  // "Size" gives it.
  std::string RefuseArchive(const std::string& program, const std::string& archivePath) override;
  // The copy is a new file of the temporary-file naming ("zip" prefix).
  std::string CheckedCopy(const std::string& program, const std::string& archivePath,
                          const std::string& tempFolder) override;

 private:
  // Whether the archive's SHA-512 and size fit the signed statement of
  // program.
  bool Signed(const std::string& program, const ArchiveBytes& archive);

  UpdateList List(const std::string& program);
  DateSettings Dates();

  UpdateListServices services_;
  std::shared_ptr<const ProfileText> profile_;  // null: no list open
};

}  // namespace sorvane
