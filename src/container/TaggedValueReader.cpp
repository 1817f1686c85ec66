#include "container/TaggedValueReader.h"

#include <algorithm>
#include <cstring>

#include "platform/Errors.h"

namespace sorvane {
namespace {

// What SkipOneValue still has to close, innermost last.
enum Frame : std::uint8_t {
  kNoFrame = 0,
  kListFrame,        // values until an end marker
  kCollectionFrame,  // items until an end marker
  kItemFrame,        // property name and value pairs until an end marker
};

// Long strings are read in pieces of this size, so a length that claims more
// than the data holds fails on the data, not on an allocation of that size.
constexpr std::size_t kTextChunk = 64 * 1024;

constexpr std::size_t kScratchSize = 256;

[[noreturn]] void ThrowReadError() { throw EReadError(texts::kReadError); }
[[noreturn]] void ThrowInvalidValue() { throw EReadError(texts::kInvalidPropertyValue); }

}  // namespace

TaggedValueReader::TaggedValueReader(Stream& source, std::size_t bufferSize, CodePage& codePage)
    : source_(source), codePage_(codePage), buffer_(std::max<std::size_t>(bufferSize, 1)) {}

TaggedValueReader::~TaggedValueReader() {
  const std::size_t unconsumed = end_ - position_;
  if (unconsumed == 0) return;
  try {
    source_.Seek(-static_cast<std::int64_t>(unconsumed), SeekOrigin::Current);
  } catch (...) {
    // A destructor cannot report; the source is abandoned with the reader.
  }
}

void TaggedValueReader::Refill() {
  const std::size_t got = source_.Read(buffer_.data(), buffer_.size());
  if (got == 0) ThrowReadError();
  position_ = 0;
  end_ = got;
}

void TaggedValueReader::TakeBytes(void* destination, std::size_t count) {
  auto* out = static_cast<unsigned char*>(destination);
  while (count > 0) {
    if (position_ == end_) Refill();
    const std::size_t step = std::min(count, end_ - position_);
    std::memcpy(out, buffer_.data() + position_, step);
    position_ += step;
    out += step;
    count -= step;
  }
}

std::uint8_t TaggedValueReader::TakeTag() {
  std::uint8_t value;
  TakeBytes(&value, 1);
  return value;
}

std::uint8_t TaggedValueReader::PeekTag() {
  const std::uint8_t value = TakeTag();
  --position_;  // the byte just taken came from the buffer, so it is still there
  return value;
}

bool TaggedValueReader::AtListEnd() { return PeekTag() == tag::kEnd; }

void TaggedValueReader::SkipRawBytes(std::int64_t count) {
  unsigned char scratch[kScratchSize];
  while (count > 0) {
    const auto step = static_cast<std::size_t>(std::min<std::int64_t>(count, kScratchSize));
    TakeBytes(scratch, step);
    count -= static_cast<std::int64_t>(step);
  }
}

std::int32_t TaggedValueReader::TakeInt32() {
  unsigned char b[4];
  TakeBytes(b, 4);
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                                   static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24);
}

std::string TaggedValueReader::TakeCountedBytes(std::int64_t count) {
  std::string out;
  const auto wanted = static_cast<std::size_t>(count);
  while (out.size() < wanted) {
    const std::size_t have = out.size();
    const std::size_t step = std::min(kTextChunk, wanted - have);
    out.resize(have + step);
    TakeBytes(out.data() + have, step);
  }
  return out;
}

void TaggedValueReader::TakeListStart() {
  if (TakeTag() == tag::kList) return;
  --position_;
  SkipOneValue();
  ThrowInvalidValue();
}

void TaggedValueReader::TakeListEnd() {
  if (TakeTag() == tag::kEnd) return;
  --position_;
  SkipOneValue();
  ThrowInvalidValue();
}

AnsiString TaggedValueReader::TakeText() {
  const std::uint8_t kind = TakeTag();
  if (kind == tag::kWideString || kind == tag::kUtf8String) {
    const std::int32_t count = TakeInt32();
    if (count < 0) ThrowReadError();
    if (kind == tag::kUtf8String) return codePage_.WideToAnsi(codePage_.Utf8ToWide(TakeCountedBytes(count)));
    const std::string bytes = TakeCountedBytes(2 * static_cast<std::int64_t>(count));
    std::u16string wide(static_cast<std::size_t>(count), u'\0');
    for (std::size_t i = 0; i < wide.size(); ++i) {
      wide[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                      static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
    }
    return codePage_.WideToAnsi(wide);
  }
  if (kind == tag::kString) return TakeCountedBytes(TakeTag());
  if (kind == tag::kLongString) {
    const std::int32_t length = TakeInt32();
    if (length < 0) ThrowReadError();
    return TakeCountedBytes(length);
  }
  ThrowInvalidValue();
}

std::int32_t TaggedValueReader::TakeInteger() {
  switch (TakeTag()) {
    case tag::kInt8: {
      std::int8_t v;
      TakeBytes(&v, 1);
      return v;
    }
    case tag::kInt16: {
      unsigned char b[2];
      TakeBytes(b, 2);
      return static_cast<std::int16_t>(static_cast<std::uint16_t>(b[0] | b[1] << 8));
    }
    case tag::kInt32:
      return TakeInt32();
    default:
      ThrowInvalidValue();
  }
}

bool TaggedValueReader::TakeFlag() { return TakeTag() == tag::kTrue; }

void TaggedValueReader::SkipShortString() { SkipRawBytes(TakeTag()); }

std::uint8_t TaggedValueReader::StartSkip() {
  switch (TakeTag() & 0x7F) {
    case tag::kList: return kListFrame;
    case tag::kCollection: return kCollectionFrame;
    case tag::kInt8: SkipRawBytes(1); break;
    case tag::kInt16: SkipRawBytes(2); break;
    case tag::kInt32:
    case tag::kSingle: SkipRawBytes(4); break;
    case tag::kExtended: SkipRawBytes(10); break;
    case tag::kString:
    case tag::kIdent: SkipShortString(); break;
    case tag::kBinary:
    case tag::kLongString:
    case tag::kUtf8String: SkipRawBytes(TakeInt32()); break;
    case tag::kSet:
      for (std::uint8_t length = TakeTag(); length != 0; length = TakeTag()) SkipRawBytes(length);
      break;
    case tag::kCurrency:
    case tag::kDate:
    case tag::kInt64: SkipRawBytes(8); break;
    case tag::kWideString: {
      // The byte count is formed in 32-bit arithmetic and may wrap negative,
      // which skips nothing, as the writer's own reader does.
      const auto units = static_cast<std::uint32_t>(TakeInt32());
      SkipRawBytes(static_cast<std::int32_t>(units * 2u));
      break;
    }
    default: break;  // end marker, booleans, nil and unknown tags carry nothing
  }
  return kNoFrame;
}

void TaggedValueReader::SkipOneValue() {
  // An explicit stack of open frames instead of recursion: a value nested a
  // million lists deep costs a million bytes here, not a million call frames.
  std::vector<std::uint8_t> open;
  if (const std::uint8_t frame = StartSkip()) open.push_back(frame);
  while (!open.empty()) {
    if (AtListEnd()) {
      TakeTag();
      open.pop_back();
      continue;
    }
    std::uint8_t opened = kNoFrame;
    switch (open.back()) {
      case kListFrame:
        opened = StartSkip();
        break;
      case kCollectionFrame: {
        const std::uint8_t next = PeekTag();
        if (next == tag::kInt8 || next == tag::kInt16 || next == tag::kInt32) StartSkip();
        SkipRawBytes(1);  // the item's opening byte, whatever it holds
        opened = kItemFrame;
        break;
      }
      case kItemFrame:
        SkipShortString();  // the property's name
        opened = StartSkip();
        break;
    }
    if (opened != kNoFrame) open.push_back(opened);
  }
}

}  // namespace sorvane
