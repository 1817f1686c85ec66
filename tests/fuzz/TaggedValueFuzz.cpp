// Fuzz entry: runs a script of reader operations over arbitrary bytes. The
// first byte picks the buffer size, the next eight the operations, which
// repeat until one fails; every failure must be a read error.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "container/TaggedValueReader.h"
#include "platform/Errors.h"
#include "platform/MemoryStream.h"
#include "platform/posix/Cp1252CodePage.h"

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
  return 0;
}
