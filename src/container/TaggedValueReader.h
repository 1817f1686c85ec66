#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/CodePage.h"
#include "platform/Stream.h"
#include "platform/Text.h"

namespace sorvane {

// The tags of the self-describing encoding used by the container trailer.
// Every value is one tag byte followed by the payload the tag prescribes;
// numbers are little-endian, lengths and counts signed 32-bit.
namespace tag {
inline constexpr std::uint8_t kEnd = 0;          // closes a list, collection or item
inline constexpr std::uint8_t kList = 1;         // values, then kEnd
inline constexpr std::uint8_t kInt8 = 2;
inline constexpr std::uint8_t kInt16 = 3;
inline constexpr std::uint8_t kInt32 = 4;
inline constexpr std::uint8_t kExtended = 5;     // 10 bytes
inline constexpr std::uint8_t kString = 6;       // 1-byte length, bytes
inline constexpr std::uint8_t kIdent = 7;        // as kString
inline constexpr std::uint8_t kFalse = 8;
inline constexpr std::uint8_t kTrue = 9;
inline constexpr std::uint8_t kBinary = 10;      // 4-byte length, bytes
inline constexpr std::uint8_t kSet = 11;         // short-string payloads until length 0
inline constexpr std::uint8_t kLongString = 12;  // 4-byte length, bytes
inline constexpr std::uint8_t kNil = 13;
inline constexpr std::uint8_t kCollection = 14;
inline constexpr std::uint8_t kSingle = 15;      // 4 bytes
inline constexpr std::uint8_t kCurrency = 16;    // 8 bytes
inline constexpr std::uint8_t kDate = 17;        // 8 bytes
inline constexpr std::uint8_t kWideString = 18;  // 4-byte count of UTF-16 units, 2 bytes each
inline constexpr std::uint8_t kInt64 = 19;       // 8 bytes
inline constexpr std::uint8_t kUtf8String = 20;  // 4-byte length, UTF-8 bytes
}  // namespace tag

// Reads tagged values from a stream through a read-ahead buffer, so the
// source sees reads of the buffer size rather than one per tag or length.
//
// Every failure is an EReadError: "Stream-Lesefehler" when the data ends
// early (or the source fails), "Ungültiger Eigenschaftswert" when a value
// has a tag the operation does not accept. After a failure the reader's
// position is wherever the failing read stopped; callers abandon it.
//
// The reader is not copyable: its destructor hands the unconsumed
// read-ahead back to the source.
class TaggedValueReader {
 public:
  // source is not owned and must outlive the reader. Nothing is read yet.
  TaggedValueReader(Stream& source, std::size_t bufferSize, CodePage& codePage);
  // Moves the source back by the bytes read ahead but not consumed, so the
  // source stands where the reader logically stands.
  ~TaggedValueReader();
  TaggedValueReader(const TaggedValueReader&) = delete;
  TaggedValueReader& operator=(const TaggedValueReader&) = delete;

  // Building blocks.
  void TakeBytes(void* destination, std::size_t count);
  std::uint8_t TakeTag();
  // The next tag, left unconsumed.
  std::uint8_t PeekTag();
  bool AtListEnd();
  // Consumes count bytes through a small scratch area; count <= 0 skips
  // nothing.
  void SkipRawBytes(std::int64_t count);

  // Tag 1. Another tag: that whole value is skipped, then the error raised.
  void TakeListStart();
  // Tag 0, with the same handling of another tag.
  void TakeListEnd();
  // Tags 6 and 12 as bytes; 18 (UTF-16) and 20 (UTF-8) converted to the
  // ANSI code page. Another tag stays consumed and raises the error. A
  // negative 4-byte length is refused as a read error before reading.
  AnsiString TakeText();
  // Tags 2, 3, 4, sign-extended. Another tag stays consumed.
  std::int32_t TakeInteger();
  // True for tag 9 only. Never fails on a tag and consumes only the tag, so
  // after a tag other than 8 or 9 the next read starts at its payload.
  bool TakeFlag();
  // Consumes one whole value of any kind, however deeply it nests. The
  // nesting is tracked on the heap, so the depth is bounded by the data,
  // not by the call stack.
  void SkipOneValue();

 private:
  void Refill();
  std::int32_t TakeInt32();
  std::string TakeCountedBytes(std::int64_t count);
  void SkipShortString();
  // Consumes one value's tag and any payload that holds no nested values;
  // returns the nested frame the value opens, if any (see SkipOneValue).
  std::uint8_t StartSkip();

  Stream& source_;
  CodePage& codePage_;
  std::vector<unsigned char> buffer_;
  std::size_t position_ = 0;  // next unconsumed byte in buffer_
  std::size_t end_ = 0;       // valid bytes in buffer_
};

}  // namespace sorvane
