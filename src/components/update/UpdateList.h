#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/CodePage.h"
#include "platform/DateConversion.h"
#include "platform/FileSystem.h"
#include "platform/ProfileText.h"
#include "platform/Text.h"

namespace sorvane {

// The update server's files: the list "Updates.ini" at the root, the
// archives below "/Updates/".
std::string UpdateListUrl(const std::string& host);
std::string ArchiveUrl(const std::string& host, const AnsiString& file);

namespace texts {
// The "News" value when the program's section has none.
inline constexpr char kNoNews[] = "\"keine Angaben gefunden\"";
inline constexpr char kListTooLarge[] = "Die Update-Liste %s ist größer als 1 MB";
}  // namespace texts

// The update list at path, read once and whole: what changes on disk later
// is not seen. Raises EFOpenError when it cannot be opened and EReadError
// kListTooLarge when it holds more than kMaxUpdateListBytes.
std::shared_ptr<const ProfileText> ReadUpdateList(FileSystem& files, const std::string& path);

// The local copy of the update list, as the program reads it: one section per
// program, named after it, with the keys "Date" (release date of the newest
// update, in the user's short date format), "File" (the archive's name on the
// server), "Size" (the archive's length in bytes), "News" (comma text of
// "date: description" entries) and "Signature" (Base64 Ed25519 signature of
// the offer, see ArchiveSignature.h). Every
// key comes from the one reading of the file (ReadUpdateList), so all of
// them belong to the same list, whatever happens to the copy on disk
// meanwhile.
class UpdateList {
 public:
  UpdateList(std::shared_ptr<const ProfileText> profile, AnsiString programName)
      : profile_(std::move(profile)), programName_(std::move(programName)) {}

  // The program's section holds at least one key.
  bool SectionPresent();

  // "Date" as a date-time; today when it is missing or no valid date.
  double Date(const DateSettings& dates, double today);

  // "File"; empty when missing.
  AnsiString File();

  // "Size" as a count of bytes: decimal digits only; nothing otherwise.
  std::optional<std::int64_t> Size();

  // "News"; kNoNews when missing.
  AnsiString News();

  // "Signature"; empty when missing.
  AnsiString Signature();

  // Whether the list offers an update for a program whose file carries
  // referenceDate: the section is present and "Date" is not earlier. "Date"
  // is a whole day, so an update of the file's own day counts only when the
  // file's time is midnight. (The wizard also wants a "Size".)
  bool UpdateAvailable(const DateSettings& dates, double today, double referenceDate);

 private:
  AnsiString Read(const char* key, const AnsiString& defaultValue);

  std::shared_ptr<const ProfileText> profile_;
  AnsiString programName_;
};

// The news list as the offer shows it. The entries of news (comma text) are
// walked from the last to the first; an entry with a colon whose text before
// the first colon is a date on an earlier day than referenceDate is dropped,
// entries without a colon are kept. The rest, in their order, each as "- " +
// entry + CR LF. Throws EConvertError "'%s' ist kein gültiges Datum" (the
// text before the colon, in UTF-8) when that text is no valid date.
AnsiString FilterNews(const AnsiString& news, double referenceDate, const DateSettings& dates, CodePage& codePage);

}  // namespace sorvane
