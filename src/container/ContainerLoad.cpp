#include "container/ContainerLoad.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>

#include "container/LittleEndian.h"
#include "container/TaggedValueReader.h"
#include "container/TextScrambling.h"
#include "platform/Errors.h"

namespace sorvane {
namespace {

constexpr std::size_t kTrailerBufferSize = 2048;
constexpr std::size_t kInitialReserve = 1 << 16;

// The fewest bytes a member record takes: NameLength, the flags, StoredSize
// and DataLength, with an empty name and no data.
std::int64_t MinimumRecordSize(std::int32_t accountCount) { return 12 + 4 * static_cast<std::int64_t>(accountCount); }

// The fewest bytes a trailer takes: list start, per account two empty short
// strings and a one-byte integer, the flag, empty title and author, list end.
std::int64_t MinimumTrailerSize(std::int32_t accountCount) { return 7 + 6 * static_cast<std::int64_t>(accountCount); }

[[noreturn]] void ThrowReadError() { throw EReadError(texts::kReadError); }

std::int32_t ReadCount(Stream& file, std::size_t entrySize) {
  const std::int32_t count = ReadInt32(file);
  if (count < 0) throw ERangeError(texts::kRangeError);
  // A table whose size in bytes does not fit in 32 bits cannot exist in the
  // address space containers were made for.
  if (static_cast<std::uint64_t>(count) * entrySize > std::numeric_limits<std::uint32_t>::max()) {
    throw ERangeError(texts::kRangeError);
  }
  return count;
}

void ReadMembers(Stream& file, std::int64_t fileSize, std::int32_t memberCount, std::int32_t accountCount,
                 std::vector<ContainerMember>& members, LoadEffects& effects) {
  std::int64_t position = file.Position();
  const std::int64_t flagBytes = 4 * static_cast<std::int64_t>(accountCount);
  std::string head;  // name, flags, StoredSize and DataLength of one record
  for (std::int32_t i = 0; i < memberCount; ++i) {
    const std::int32_t nameLength = ReadInt32(file);
    position += 4;
    if (nameLength < 0) ThrowReadError();
    const std::int64_t headSize = nameLength + flagBytes + 8;
    if (headSize > fileSize - position) ThrowReadError();
    head.resize(static_cast<std::size_t>(headSize));
    file.ReadBuffer(head.data(), head.size());
    position += headSize;

    const auto* bytes = reinterpret_cast<const unsigned char*>(head.data());
    ContainerMember member;
    member.Name = UnscrambleText(head.substr(0, static_cast<std::size_t>(nameLength)));
    member.Flags.resize(static_cast<std::size_t>(accountCount));
    for (std::size_t c = 0; c < member.Flags.size(); ++c) member.Flags[c] = bytes[nameLength + 4 * c];
    member.StoredSize = DecodeInt32(bytes + nameLength + flagBytes);
    const std::int32_t dataLength = DecodeInt32(bytes + nameLength + flagBytes + 4);
    if (dataLength < 0 || dataLength > fileSize - position) ThrowReadError();
    position = file.Seek(dataLength, SeekOrigin::Current);
    members.push_back(std::move(member));

    effects.SetProgressPosition(i + 1);
    effects.ProcessMessages();
  }
}

void ReadTrailer(Stream& file, CodePage& codePage, std::int32_t accountCount, LoadedContainer& loaded) {
  TaggedValueReader reader(file, kTrailerBufferSize, codePage);
  reader.TakeListStart();
  for (std::int32_t k = 0; k < accountCount; ++k) {
    ContainerAccount account;
    account.Name = UnscrambleText(reader.TakeText());
    account.Password = UnscrambleText(reader.TakeText());
    account.Column = reader.TakeInteger();
    loaded.Accounts.push_back(std::move(account));
  }
  if (reader.TakeFlag()) reader.SkipOneValue();
  loaded.Title = reader.TakeText();
  loaded.Author = reader.TakeText();
  reader.TakeListEnd();
}

LoadedContainer ReadWholeContainer(Stream& file, CodePage& codePage, LoadEffects& effects) {
  const std::int64_t fileSize = file.Size();
  const std::int32_t memberCount = ReadCount(file, sizeof(ContainerMember));
  const std::int32_t accountCount = ReadCount(file, sizeof(ContainerAccount));

  // Before anything is allocated for the counts, the file must be able to
  // hold the records and the trailer they announce; a count the file cannot
  // hold means the file ends early.
  const std::int64_t left = fileSize - file.Position();
  const std::int64_t minimumRecord = MinimumRecordSize(accountCount);
  if (memberCount > 0 && (minimumRecord > left || memberCount > left / minimumRecord)) ThrowReadError();
  if (MinimumTrailerSize(accountCount) > left - memberCount * minimumRecord) ThrowReadError();

  // Tables grow as entries are actually read; reserving more than a modest
  // start would commit memory on the strength of the counts alone.
  LoadedContainer loaded;
  loaded.Members.reserve(std::min<std::size_t>(static_cast<std::size_t>(memberCount), kInitialReserve));
  loaded.Accounts.reserve(std::min<std::size_t>(static_cast<std::size_t>(accountCount), kInitialReserve));

  effects.SetProgressRange(memberCount);
  effects.SetProgressPosition(0);
  effects.ShowWaitWindow();
  effects.ProcessMessages();

  ReadMembers(file, fileSize, memberCount, accountCount, loaded.Members, effects);
  ReadTrailer(file, codePage, accountCount, loaded);
  return loaded;
}

}  // namespace

LoadedContainer ReadContainer(Stream& file, CodePage& codePage, LoadEffects& effects) {
  try {
    return ReadWholeContainer(file, codePage, effects);
  } catch (const std::bad_alloc&) {
    throw EOutOfMemory(texts::kOutOfMemory);
  }
}

}  // namespace sorvane
