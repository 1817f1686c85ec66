#include "container/MemberCopy.h"

#include <algorithm>
#include <cstring>
#include <memory>

#include "container/LittleEndian.h"
#include "platform/Errors.h"

namespace sorvane {
namespace {

constexpr std::size_t kCopyBlockSize = 61440;
// Records up to this size are read with one call, head and data together:
// a small member then costs one read and one write.
constexpr std::int64_t kWholeRecord = 64 * 1024;

// Reads up to count bytes, fewer only where the source ends.
std::size_t ReadUpTo(Stream& source, unsigned char* buffer, std::size_t count) {
  std::size_t got = 0;
  while (got < count) {
    const std::size_t n = source.Read(buffer + got, count - got);
    if (n == 0) break;
    got += n;
  }
  return got;
}

void WriteInBlocks(Stream& destination, const unsigned char* data, std::size_t count) {
  for (std::size_t done = 0; done < count; done += kCopyBlockSize) {
    destination.WriteBuffer(data + done, std::min(kCopyBlockSize, count - done));
  }
}

}  // namespace

void CopyMemberBytes(Stream& source, Stream& destination, std::int64_t count) {
  std::unique_ptr<char[]> block(new char[static_cast<std::size_t>(std::min<std::int64_t>(count, kCopyBlockSize))]);
  while (count > 0) {
    const auto wanted = static_cast<std::size_t>(std::min<std::int64_t>(count, kCopyBlockSize));
    const std::size_t got = destination.CopyFrom(source, block.get(), wanted);
    if (got == 0) throw EReadError(texts::kReadError);
    count -= static_cast<std::int64_t>(got);
  }
}

bool CopyRecordAt(Stream& source, Stream& destination, std::string_view scrambledName, std::size_t columns,
                  RecordExtent extent, std::vector<unsigned char>& scratch) {
  const std::int64_t headSize = 12 + static_cast<std::int64_t>(scrambledName.size() + 4 * columns);
  const std::int64_t dataLength = extent.end - extent.begin - headSize;
  if (dataLength < 0) return false;
  const bool whole = extent.end - extent.begin <= kWholeRecord;
  const auto wanted = static_cast<std::size_t>(whole ? extent.end - extent.begin : headSize);
  if (scratch.size() < wanted) scratch.resize(wanted);
  source.Seek(extent.begin, SeekOrigin::Begin);
  const std::size_t got = ReadUpTo(source, scratch.data(), wanted);
  const unsigned char* head = scratch.data();
  if (got < static_cast<std::size_t>(headSize) || DecodeInt32(head) != static_cast<std::int32_t>(scrambledName.size()) ||
      std::memcmp(head + 4, scrambledName.data(), scrambledName.size()) != 0 ||
      DecodeInt32(head + headSize - 4) != dataLength) {
    return false;
  }
  if (!whole) {
    CopyMemberBytes(source, destination, dataLength);
    return true;
  }
  WriteInBlocks(destination, head + headSize, got - static_cast<std::size_t>(headSize));
  // Cut short after its head: what there was is written, as the walk does.
  if (got < wanted) throw EReadError(texts::kReadError);
  return true;
}

}  // namespace sorvane
