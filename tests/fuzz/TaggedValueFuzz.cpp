// Fuzz entry: runs a script of reader operations over arbitrary bytes. The
// first byte picks the buffer size, the next eight the operations, which
// repeat until one fails; every failure must be a read error. Then the same
// bytes are skipped value by value and each skip is held against a plain
// recursive reading of the encoding.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "container/TaggedValueReader.h"
#include "platform/Errors.h"
#include "platform/MemoryStream.h"
#include "platform/Cp1252CodePage.h"

namespace {

using namespace sorvane;

constexpr std::size_t kScriptSize = 9;
constexpr std::size_t kBufferSizes[] = {1, 2, 3, 7, 16, 256, 2048, 4096};

void Run(TaggedValueReader& reader, std::uint8_t operation) {
  switch (operation % 10) {
    case 0: reader.TakeListStart(); break;
    case 1: reader.TakeListEnd(); break;
    case 2: reader.TakeText(); break;
    case 3: reader.TakeInteger(); break;
    case 4: reader.TakeFlag(); break;
    case 5: reader.SkipOneValue(); break;
    case 6: reader.AtListEnd(); break;
    case 7: reader.PeekTag(); break;
    case 8: reader.SkipRawBytes(operation / 10); break;
    default: {
      unsigned char bytes[32];
      reader.TakeBytes(bytes, operation % 32);
    }
  }
}

// Where the value at `at` ends, read straight from the encoding's table;
// nothing when the data ends first; kTooDeep when nesting exceeds what this
// recursive reading is willing to follow.
constexpr std::size_t kTooDeep = SIZE_MAX;

std::size_t ValueEnd(const std::string& b, std::size_t at, int depth, bool& cut);

std::int64_t Int32At(const std::string& b, std::size_t at) {
  std::uint32_t v = 0;
  for (int k = 3; k >= 0; --k) v = v << 8 | static_cast<unsigned char>(b[at + k]);
  return static_cast<std::int32_t>(v);
}

std::size_t ValueEnd(const std::string& b, std::size_t at, int depth, bool& cut) {
  auto need = [&](std::size_t end) {
    if (end > b.size()) cut = true;
    return end;
  };
  if (depth > 400) return kTooDeep;
  if (need(at + 1) > b.size()) return 0;
  const int kind = static_cast<unsigned char>(b[at++]) & 0x7F;
  switch (kind) {
    case 1:
      for (;;) {
        if (need(at + 1) > b.size()) return 0;
        if (b[at] == 0) return at + 1;
        at = ValueEnd(b, at, depth + 1, cut);
        if (cut || at == kTooDeep) return at;
      }
    case 14:
      for (;;) {
        if (need(at + 1) > b.size()) return 0;
        if (b[at] == 0) return at + 1;
        if (b[at] == 2 || b[at] == 3 || b[at] == 4) {
          at = ValueEnd(b, at, depth + 1, cut);
          if (cut || at == kTooDeep) return at;
        }
        if (need(at + 1) > b.size()) return 0;
        ++at;  // the item's opening byte
        for (;;) {
          if (need(at + 1) > b.size()) return 0;
          if (b[at] == 0) break;
          at += 1 + static_cast<unsigned char>(b[at]);
          at = ValueEnd(b, at, depth + 1, cut);
          if (cut || at == kTooDeep) return at;
        }
        ++at;
      }
    case 2: return need(at + 1);
    case 3: return need(at + 2);
    case 4: case 15: return need(at + 4);
    case 5: return need(at + 10);
    case 16: case 17: case 19: return need(at + 8);
    case 6: case 7:
      if (need(at + 1) > b.size()) return 0;
      return need(at + 1 + static_cast<unsigned char>(b[at]));
    case 10: case 12: case 20: case 18: {
      if (need(at + 4) > b.size()) return 0;
      std::int64_t n = Int32At(b, at);
      if (kind == 18) n = static_cast<std::int32_t>(static_cast<std::uint32_t>(n) * 2u);
      return need(at + 4 + static_cast<std::size_t>(n > 0 ? n : 0));
    }
    case 11:
      for (;;) {
        if (need(at + 1) > b.size()) return 0;
        const std::size_t length = static_cast<unsigned char>(b[at++]);
        if (length == 0) return at;
        at += length;
      }
    default: return at;
  }
}

// Skips value after value with a fresh reader each time, so the source
// position tells exactly what each skip consumed.
void CompareSkips(const std::string& bytes, std::size_t bufferSize, CodePage& codePage) {
  MemoryStream source(bytes);
  for (std::size_t start = 0; start < bytes.size();) {
    bool cut = false;
    const std::size_t end = ValueEnd(bytes, start, 0, cut);
    if (end == kTooDeep) return;
    bool failed = false;
    {
      TaggedValueReader reader(source, bufferSize, codePage);
      try {
        reader.SkipOneValue();
      } catch (const EReadError&) {
        failed = true;
      }
    }
    if (failed != (cut || end > bytes.size())) std::abort();
    if (failed) return;
    if (source.Position() != static_cast<std::int64_t>(end)) std::abort();
    start = end;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kScriptSize) return 0;
  const std::string bytes(reinterpret_cast<const char*>(data) + kScriptSize, size - kScriptSize);
  MemoryStream source(bytes);
  Cp1252CodePage codePage;
  {
    TaggedValueReader reader(source, kBufferSizes[data[0] % 8], codePage);
    try {
      // Each operation consumes at least one byte or fails, except peeks and
      // empty skips, so the bound only stops scripts made of those.
      for (std::size_t step = 0; step < 100'000; ++step) Run(reader, data[1 + step % 8]);
    } catch (const EReadError&) {
    }
  }
  // The source is handed back where the reader stood: never beyond the data.
  if (source.Position() > static_cast<std::int64_t>(bytes.size())) std::abort();
  CompareSkips(bytes, kBufferSizes[data[0] % 8], codePage);
  return 0;
}
