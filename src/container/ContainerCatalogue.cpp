#include "container/ContainerCatalogue.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "container/ContainerLoad.h"
#include "container/LittleEndian.h"
#include "container/MemberCopy.h"
#include "container/RecordReadAhead.h"
#include "container/TextScrambling.h"
#include "platform/Errors.h"

namespace sorvane {
namespace {

std::int32_t FindByName(const std::vector<ContainerAccount>& table, const AnsiString& name) {
  for (std::size_t i = 0; i < table.size(); ++i) {
    if (table[i].Name == name) return static_cast<std::int32_t>(i);
  }
  return -1;
}

}  // namespace

ContainerCatalogue::ContainerCatalogue(FileSystem& files, CodePage& codePage, LoadEffects& effects)
    : files_(files), codePage_(codePage), effects_(effects) {}

void ContainerCatalogue::LoadCatalogue() {
  std::unique_ptr<Stream> file = files_.OpenRead(ContainerPath);
  // Taken before the first byte is read: a file changed during the load
  // then never matches it.
  const std::optional<FileStamp> stamp = file->Stamp();
  effects_.DisableMainWindow();
  LoadedContainer loaded;
  try {
    loaded = ReadContainer(*file, codePage_, effects_);
    file.reset();
  } catch (...) {
    // The file goes first, then the windows are given back, so the user can
    // retry at once; the previous catalogue has not been touched.
    file.reset();
    effects_.CloseWaitWindow();
    effects_.EnableMainWindow();
    throw;
  }
  Members = std::move(loaded.Members);
  Accounts = std::move(loaded.Accounts);
  Title = std::move(loaded.Title);
  Author = std::move(loaded.Author);
  positions_.Reset(stamp, loaded.RecordsEnd);
  effects_.CloseWaitWindow();
  effects_.EnableMainWindow();
  effects_.BringApplicationToFront();
  effects_.BringMainWindowToFront();
}

std::int32_t ContainerCatalogue::FindMember(std::string_view name) const { return Members.Find(name); }

std::int32_t ContainerCatalogue::FindAccount(const AnsiString& name) const { return FindByName(Accounts, name); }

bool ContainerCatalogue::IsVisible(const ContainerMember& member, std::int32_t column) {
  if (column < 0 || static_cast<std::size_t>(column) >= member.Flags.size()) return false;
  return member.Flags[static_cast<std::size_t>(column)] != 0;
}

void ContainerCatalogue::CopyMemberData(std::string_view name, Stream& source, Stream& destination) {
  const std::int64_t start = source.Position();
  const std::int32_t memberCount = ReadInt32(source);
  const std::int32_t accountCount = ReadInt32(source);
  if (memberCount < 0 || accountCount < 0) throw ERangeError(texts::kRangeError);

  // Scrambling keeps the length and is one-to-one for a given length, so the
  // records can be compared in their stored form, and a record whose name
  // has another length is passed over without reading its name. The
  // records are scanned as the load reads them, through a read-ahead.
  const AnsiString wanted = ScrambleText(AnsiString(name));
  RecordReadAhead records(source);
  for (std::int32_t i = 0; i < memberCount; ++i) {
    const std::int32_t nameLength = DecodeInt32(records.Take(4));
    if (nameLength < 0) throw EReadError(texts::kReadError);
    bool match = false;
    if (static_cast<std::size_t>(nameLength) == wanted.size()) {
      match = wanted.empty() || std::memcmp(records.Take(wanted.size()), wanted.data(), wanted.size()) == 0;
    } else {
      records.Skip(nameLength);
    }
    records.Skip(4 * static_cast<std::int64_t>(accountCount) + 4);  // flags, StoredSize
    const std::int32_t dataLength = DecodeInt32(records.Take(4));
    // A negative length would move backwards and could make the scan loop
    // over the same records for a very long time.
    if (dataLength < 0) throw EReadError(texts::kReadError);
    if (match) {
      records.HandBack();
      CopyMemberBytes(source, destination, dataLength);
      break;
    }
    records.Skip(dataLength);
  }
  source.Seek(start, SeekOrigin::Begin);
}

void ContainerCatalogue::CopyMemberDataDirect(std::string_view name, Stream& source, Stream& destination) {
  const std::int64_t start = source.Position();
  // The loaded file has its container at its start; a container elsewhere
  // is another one.
  if (start == 0) {
    const std::int32_t index = FindMember(name);
    const std::optional<RecordExtent> extent = positions_.Find(source, Members, index);
    if (extent) {
      if (CopyRecordAt(source, destination, ScrambleText(AnsiString(name)), Members.Columns(), *extent, scratch_)) {
        source.Seek(start, SeekOrigin::Begin);
        return;
      }
      positions_.Distrust();
    }
    source.Seek(start, SeekOrigin::Begin);
  }
  CopyMemberData(name, source, destination);
}

std::int64_t ContainerCatalogue::GetFileSize(const std::string& path) {
  const std::optional<FileEntry> entry = files_.FindEntry(files_.ExpandFileName(path));
  return entry ? entry->size : -1;
}

}  // namespace sorvane
