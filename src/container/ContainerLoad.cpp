#include "container/ContainerLoad.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "container/LittleEndian.h"
#include "container/RecordReadAhead.h"
#include "container/TaggedValueReader.h"
#include "container/TextScrambling.h"
#include "platform/Errors.h"
#include "platform/PagesAhead.h"

namespace sorvane {
namespace {

constexpr std::size_t kTrailerBufferSize = 2048;
constexpr std::size_t kInitialReserve = 1 << 16;
// The member table is made for up to this many members at once, as far as
// the file can hold them; a larger one grows as it is read.
constexpr std::size_t kMemberReserve = std::size_t{1} << 22;
// Room for names of this length on average before the table grows.
constexpr std::size_t kNameReserve = 32;
// A table reserved at this size or more has its pages taken on another
// thread while the records are read. About here (some 40,000 members with
// short names) the thread saves what starting it costs; below, it costs.
constexpr std::size_t kPagesAheadFrom = std::size_t{1} << 20;
// Files from this size on are read in place where their records are dense
// (RecordReadAhead::ViewDenseRecords): what that spares is the copying of
// the file, what it costs is up to one view's worth of the file counted as
// the program's memory, a sixteenth of the file at most.
constexpr std::int64_t kViewFrom = 16 * static_cast<std::int64_t>(RecordReadAhead::kViewBytes);
// The records read into the table at a time: the table's room for them is
// taken just ahead of the writes, not for all a large view holds.
constexpr std::size_t kBlockBytes = 64 * 1024;

// The table entries of the address space containers were made for: a member
// holds references to its name and flags and a 64-bit size, an account
// references to its name and password and its column.
constexpr std::size_t kMemberEntryBytes = 16;
constexpr std::size_t kAccountEntryBytes = 12;

// The fewest bytes a member record takes: NameLength, the flags, StoredSize
// and DataLength, with an empty name and no data.
std::int64_t MinimumRecordSize(std::int32_t accountCount) { return 12 + 4 * static_cast<std::int64_t>(accountCount); }

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

// One member record's fields as they lie in a record head.
struct RecordHead {
  const unsigned char* name;
  std::size_t nameLength;
  const unsigned char* flagValues;  // 32-bit values, column 0 first
  std::int32_t storedSize;
};

// The name is unscrambled and the flags narrowed straight into the table.
inline void AddMember(const RecordHead& head, std::size_t columns, MemberTable& members) {
  const MemberTable::Room room = members.Append(head.nameLength, head.storedSize);
  UnscrambleBytes(head.name, head.nameLength, room.name);
  for (std::size_t c = 0; c < columns; ++c) room.flags[c] = head.flagValues[4 * c];
}

// Reads the records from member index first on that lie whole (head and
// data) in the next kBlockBytes of the read-ahead buffer, and returns the
// index of the first that does not. Whatever is odd about a record (a
// negative length, a record reaching past the buffer) is left to
// ReadOneMember, which decides and reports exactly as reading record by
// record does. All a record's bytes lie in the file when they lie in the
// buffer.
//
// The members go straight into room the table hands out for as many records
// as the block could hold, each name unscrambled from the buffer into its
// final place, with nothing per member but these writes and the progress.
std::int32_t ReadBufferedMembers(RecordReadAhead& records, std::int32_t first, std::int32_t memberCount,
                                 std::size_t columns, MemberTable& members, LoadEffects& effects) {
  const unsigned char* const start = records.Ahead();
  const unsigned char* at = start;
  const std::size_t block = std::min(records.AheadSize(), kBlockBytes);
  const unsigned char* const end = start + block;
  const std::size_t fixedBytes = 4 * columns + 12;  // NameLength, flags, StoredSize, DataLength
  // Reading names in blocks of 16 bytes stays within the buffer's slack; the
  // table gives room for the blocks written beyond the last name.
  static_assert(RecordReadAhead::kReadSlack >= 16 && MemberTable::kNameSlack >= 16);
  const std::size_t most = std::min(static_cast<std::size_t>(memberCount - first), block / fixedBytes);
  const MemberTable::Block room = members.Ahead(most, block);
  std::size_t count = 0;
  std::size_t nameBytes = 0;
  for (; count < most && end - at >= 4; ++count) {
    const std::int32_t nameLength = DecodeInt32(at);
    if (nameLength < 0) break;
    const std::size_t headSize = static_cast<std::size_t>(nameLength) + fixedBytes;
    if (headSize > static_cast<std::size_t>(end - at)) break;
    const std::int32_t dataLength = DecodeInt32(at + headSize - 4);
    if (dataLength < 0 || static_cast<std::size_t>(dataLength) > static_cast<std::size_t>(end - at) - headSize) break;
    if (static_cast<std::size_t>(nameLength) > room.nameBytes - nameBytes) break;
    // The records ahead are fetched well before the parse needs them: in a
    // view they come from memory, not from a copy just made. The table's
    // lines are fetched for writing a few records ahead: a fresh line costs
    // the writer a wait for its owner otherwise, since its page was cleared
    // on the other processor.
    __builtin_prefetch(at + 8192);
    __builtin_prefetch(room.names + nameBytes + 384, 1);
    __builtin_prefetch(room.nameEnds + count + 64, 1);
    __builtin_prefetch(room.sizes + count + 64, 1);
    UnscrambleBlocks(at + 4, static_cast<std::size_t>(nameLength), room.names + nameBytes);
    nameBytes += static_cast<std::size_t>(nameLength);
    room.nameEnds[count] = static_cast<std::uint32_t>(room.nameStart + nameBytes);
    const unsigned char* flagValues = at + 4 + nameLength;
    for (std::size_t c = 0; c < columns; ++c) room.flags[count * columns + c] = flagValues[4 * c];
    room.sizes[count] = DecodeInt32(at + headSize - 8);
    at += headSize + static_cast<std::size_t>(dataLength);
    effects.SetProgressPosition(first + static_cast<std::int32_t>(count) + 1);
    effects.ProcessMessages();
  }
  // Bytes of a file cut short meanwhile read as zeros: nothing of them
  // goes into the table.
  if (records.Cut()) ThrowReadError();
  members.Added(count, nameBytes);
  records.Advance(static_cast<std::size_t>(at - start));
  return first + static_cast<std::int32_t>(count);
}

// Reads member record i, refilling the buffer or passing over data by
// seeking as needed.
void ReadOneMember(RecordReadAhead& records, std::int64_t fileSize, std::int32_t i, std::size_t columns,
                   MemberTable& members, LoadEffects& effects) {
  const std::int64_t flagBytes = 4 * static_cast<std::int64_t>(columns);
  const std::int32_t nameLength = DecodeInt32(records.Take(4));
  if (nameLength < 0) ThrowReadError();
  const std::int64_t headSize = nameLength + flagBytes + 8;
  if (headSize > fileSize - records.Position()) ThrowReadError();
  const unsigned char* head = records.Take(static_cast<std::size_t>(headSize));

  const unsigned char* flagValues = head + nameLength;
  const std::int32_t dataLength = DecodeInt32(flagValues + flagBytes + 4);
  if (dataLength < 0 || dataLength > fileSize - records.Position()) ThrowReadError();
  records.Skip(dataLength);
  if (records.Cut()) ThrowReadError();
  AddMember({head, static_cast<std::size_t>(nameLength), flagValues, DecodeInt32(flagValues + flagBytes)}, columns,
            members);
  effects.SetProgressPosition(i + 1);
  effects.ProcessMessages();
}

// The pages of a large table's reserved room, taken on another thread while
// its members are read: not for small tables, and only where the names'
// room is what the file leaves them, not a guess of a file whose members'
// data leaves names far more bytes than they take. Stops and waits for the
// thread before the table is handed on or, when reading fails, freed; the
// table itself stops it before it grows.
class TablePagesAhead {
 public:
  TablePagesAhead(MemberTable& members, bool filled) : members_(members) {
    if (!filled) return;
    std::size_t bytes = 0;
    const std::vector<PageStretch> room = members.RoomStretches();
    for (const PageStretch& s : room) bytes += s.bytes;
    if (bytes < kPagesAheadFrom) return;
    pages_ = std::make_unique<PagesAhead>(room);
    if (pages_->Taking()) members.RoomTakenBy(pages_.get());
  }
  ~TablePagesAhead() {
    if (pages_ != nullptr) members_.RoomTakenBy(nullptr);
  }
  TablePagesAhead(const TablePagesAhead&) = delete;
  TablePagesAhead& operator=(const TablePagesAhead&) = delete;

 private:
  MemberTable& members_;
  std::unique_ptr<PagesAhead> pages_;
};

// Reads the member records and returns where they end.
std::int64_t ReadMembers(Stream& file, std::int64_t fileSize, std::int32_t memberCount, std::int32_t accountCount,
                         bool reservedFilled, MemberTable& members, LoadEffects& effects) {
  const TablePagesAhead pagesAhead(members, reservedFilled);
  RecordReadAhead records(file);
  if (fileSize - file.Position() >= kViewFrom) records.ViewDenseRecords();
  const auto columns = static_cast<std::size_t>(accountCount);
  for (std::int32_t i = 0; i < memberCount;) {
    const std::int32_t before = i;
    i = ReadBufferedMembers(records, i, memberCount, columns, members, effects);
    if (i == before) ReadOneMember(records, fileSize, i++, columns, members, effects);
  }
  records.HandBack();
  return records.Position();
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
  const std::int32_t memberCount = ReadCount(file, kMemberEntryBytes);
  const std::int32_t accountCount = ReadCount(file, kAccountEntryBytes);

  // Before anything is allocated for the counts, the file must be able to
  // hold the member records they announce; a count the file cannot hold
  // means the file ends early. What the trailer lacks is for its reading to
  // find, with its own texts.
  const std::int64_t left = fileSize - file.Position();
  const std::int64_t minimumRecord = MinimumRecordSize(accountCount);
  if (memberCount > 0 && (minimumRecord > left || memberCount > left / minimumRecord)) ThrowReadError();

  // The accounts grow as they are actually read: the trailer may be far
  // shorter than the count says.
  LoadedContainer loaded;
  loaded.Members = MemberTable(static_cast<std::size_t>(accountCount));
  // Untouched room costs address space, not memory, and the counts are
  // bounded by the file's size by now: the table is made for the count at
  // once (up to a limit), so that it need not be copied as it grows.
  const std::size_t firstMembers = std::min<std::size_t>(static_cast<std::size_t>(memberCount), kMemberReserve);
  const auto nameBytesLeft = static_cast<std::size_t>(left - memberCount * minimumRecord);
  loaded.Members.Reserve(firstMembers, std::min(nameBytesLeft, firstMembers * kNameReserve));
  // The names of a file that holds its records take at most the bytes the
  // records' other fields leave.
  const bool reservedFilled = firstMembers == static_cast<std::size_t>(memberCount) &&
                             nameBytesLeft <= firstMembers * kNameReserve;
  loaded.Accounts.reserve(std::min<std::size_t>(static_cast<std::size_t>(accountCount), kInitialReserve));

  effects.SetProgressRange(memberCount);
  effects.SetProgressPosition(0);
  effects.ShowWaitWindow();
  effects.ProcessMessages();

  loaded.RecordsEnd = ReadMembers(file, fileSize, memberCount, accountCount, reservedFilled, loaded.Members, effects);
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
