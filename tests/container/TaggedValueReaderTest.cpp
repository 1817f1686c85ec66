#include "container/TaggedValueReader.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "ByteHelpers.h"
#include "platform/Errors.h"
#include "platform/MemoryStream.h"
#include "platform/Cp1252CodePage.h"

namespace sorvane {
namespace {

using bytes::Hex;
using bytes::Le32;

// A memory stream that logs the size of every read request.
class CountingStream : public MemoryStream {
 public:
  using MemoryStream::MemoryStream;
  std::size_t Read(void* buffer, std::size_t count) override {
    requests.push_back(count);
    return MemoryStream::Read(buffer, count);
  }
  std::vector<std::size_t> requests;
};

class TaggedValueReaderTest : public ::testing::Test {
 protected:
  // Runs action on a reader over bytes and returns where the source stands
  // after the reader is gone, that is how many bytes the action consumed.
  std::int64_t Consumed(const std::string& bytes, const std::function<void(TaggedValueReader&)>& action,
                        std::size_t bufferSize = 2048) {
    MemoryStream source(bytes);
    {
      TaggedValueReader reader(source, bufferSize, codePage);
      action(reader);
    }
    return source.Position();
  }

  // The text of the EReadError action raises.
  std::string ReadErrorOf(const std::string& bytes, const std::function<void(TaggedValueReader&)>& action) {
    MemoryStream source(bytes);
    TaggedValueReader reader(source, 2048, codePage);
    try {
      action(reader);
    } catch (const EReadError& e) {
      return e.what();
    }
    return "no error";
  }

  AnsiString Text(const std::string& bytes) {
    MemoryStream source(bytes);
    TaggedValueReader reader(source, 2048, codePage);
    return reader.TakeText();
  }

  std::int32_t Integer(const std::string& bytes) {
    MemoryStream source(bytes);
    TaggedValueReader reader(source, 2048, codePage);
    return reader.TakeInteger();
  }

  Cp1252CodePage codePage;
};

constexpr char kReadError[] = "Stream-Lesefehler";
constexpr char kInvalid[] = "Ungültiger Eigenschaftswert";

TEST_F(TaggedValueReaderTest, EmptyListAndPeekingLeaveTagsForTheNextOperation) {
  EXPECT_EQ(Consumed(Hex("01 00 09"),
                     [](TaggedValueReader& r) {
                       r.TakeListStart();
                       EXPECT_EQ(r.PeekTag(), 0);
                       EXPECT_TRUE(r.AtListEnd());
                       r.TakeListEnd();
                     }),
            2);
}

TEST_F(TaggedValueReaderTest, TextsInEveryStringForm) {
  EXPECT_EQ(Text(Hex("06 00")), "");
  EXPECT_EQ(Text(Hex("0C 00 00 00 00")), "");
  EXPECT_EQ(Text(Hex("06 03 61 62 63")), "abc");
  EXPECT_EQ(Text(Hex("0C 03 00 00 00 61 00 63")), std::string("a\0c", 3));
  EXPECT_EQ(Text(Hex("12 02 00 00 00 41 00 42 00")), "AB");
  EXPECT_EQ(Text(Hex("14 02 00 00 00 41 42")), "AB");
  // Through the code page: the euro sign and a-umlaut have ANSI bytes, a CJK
  // character and an astral character do not.
  EXPECT_EQ(Text(Hex("12 03 00 00 00 AC 20 E4 00 00 4E")), "\x80\xE4?");
  EXPECT_EQ(Text(Hex("14 06 00 00 00 C3 A4 F0 9F 98 80")), "\xE4?");
  // Short strings keep every byte as it is, also those a conversion would change.
  EXPECT_EQ(Text(Hex("06 02 81 00")), std::string("\x81\0", 2));
}

TEST_F(TaggedValueReaderTest, TextRefusesOtherTagsWithoutSkipping) {
  for (const char* bytes : {"07 01 61", "02 05", "01 00", "13 00 00 00 00 00 00 00 00"}) {
    std::uint8_t next = 0xEE;
    EXPECT_EQ(ReadErrorOf(Hex(bytes),
                          [&](TaggedValueReader& r) {
                            try {
                              r.TakeText();
                            } catch (...) {
                              next = r.TakeTag();  // the tag is gone, its payload is next
                              throw;
                            }
                          }),
              kInvalid)
        << bytes;
    EXPECT_EQ(next, static_cast<std::uint8_t>(Hex(bytes)[1])) << bytes;
  }
}

TEST_F(TaggedValueReaderTest, TextLengthsThatCannotBeMet) {
  // Negative lengths are refused at once, whatever follows.
  const std::string plenty(100, 'x');
  for (const char tag : {'\x0C', '\x12', '\x14'}) {
    EXPECT_EQ(ReadErrorOf(std::string(1, tag) + Le32(-1) + plenty, [](TaggedValueReader& r) { r.TakeText(); }),
              kReadError);
    // The largest lengths fail on the missing data, not on memory.
    EXPECT_EQ(ReadErrorOf(std::string(1, tag) + Le32(0x7FFFFFFF) + plenty, [](TaggedValueReader& r) { r.TakeText(); }),
              kReadError);
  }
  EXPECT_EQ(ReadErrorOf(Hex("06 05 61 62"), [](TaggedValueReader& r) { r.TakeText(); }), kReadError);
}

TEST_F(TaggedValueReaderTest, IntegersOfEveryWidthAreSignExtended) {
  EXPECT_EQ(Integer(Hex("02 FF")), -1);
  EXPECT_EQ(Integer(Hex("03 FF FF")), -1);
  EXPECT_EQ(Integer(Hex("04 FF FF FF FF")), -1);
  EXPECT_EQ(Integer(Hex("02 7F")), 127);
  EXPECT_EQ(Integer(Hex("03 00 80")), -32768);
  EXPECT_EQ(Integer(Hex("04 78 56 34 12")), 0x12345678);
  EXPECT_EQ(ReadErrorOf(Hex("13 01 00 00 00 00 00 00 00"), [](TaggedValueReader& r) { r.TakeInteger(); }), kInvalid);
  EXPECT_EQ(ReadErrorOf(Hex("06 01 31"), [](TaggedValueReader& r) { r.TakeInteger(); }), kInvalid);
  EXPECT_EQ(ReadErrorOf(Hex("04 01 02"), [](TaggedValueReader& r) { r.TakeInteger(); }), kReadError);
}

TEST_F(TaggedValueReaderTest, FlagConsumesOnlyTheTag) {
  EXPECT_EQ(Consumed(Hex("09"), [](TaggedValueReader& r) { EXPECT_TRUE(r.TakeFlag()); }), 1);
  EXPECT_EQ(Consumed(Hex("08"), [](TaggedValueReader& r) { EXPECT_FALSE(r.TakeFlag()); }), 1);
  EXPECT_EQ(Consumed(Hex("02 05"),
                     [](TaggedValueReader& r) {
                       EXPECT_FALSE(r.TakeFlag());
                       EXPECT_EQ(r.TakeTag(), 5);  // the integer's payload
                     }),
            2);
}

TEST_F(TaggedValueReaderTest, SkipConsumesExactlyOneValueOfEveryKind) {
  const std::vector<std::string> values = {
      Hex("00"), Hex("08"), Hex("09"), Hex("0D"), Hex("15"), Hex("7F"),
      Hex("02 01"), Hex("03 01 02"), Hex("04 01 02 03 04"), Hex("05 00 01 02 03 04 05 06 07 08 09"),
      Hex("06 02 61 62"), Hex("07 01 61"), Hex("0F 01 02 03 04"), Hex("10 01 02 03 04 05 06 07 08"),
      Hex("11 01 02 03 04 05 06 07 08"), Hex("13 01 02 03 04 05 06 07 08"),
      Hex("0A 03 00 00 00 01 02 03"), Hex("0C 02 00 00 00 61 62"), Hex("14 01 00 00 00 61"),
      Hex("12 02 00 00 00 41 00 42 00"),
      Hex("0B 01 61 02 62 63 00"),  // a set of two names
      Hex("01 02 01 06 01 61 00"),  // a list with an integer and a string
      Hex("81 02 05 00"),           // a high tag acts as its low seven bits
      Hex("0A FF FF FF FF"),        // negative lengths skip nothing
      Hex("12 00 00 00 40"),        // 2 * 2^30 wraps negative in 32 bits: nothing
      // A collection of two items: one with an index and a property holding a
      // nested list, one without index or properties.
      Hex("0E 02 07 01 01 61 01 01 09 00 00 00 01 00 00"),
  };
  for (const std::string& value : values) {
    EXPECT_EQ(Consumed(value + Hex("5A 5A"), [](TaggedValueReader& r) { r.SkipOneValue(); }),
              static_cast<std::int64_t>(value.size()))
        << ::testing::PrintToString(value);
  }
}

TEST_F(TaggedValueReaderTest, WrongListTagsAreSkippedWholeBeforeTheError) {
  const std::string longString = Hex("0C 0A 00 00 00") + std::string(10, 'x');
  std::string error;
  EXPECT_EQ(Consumed(longString + "tail",
                     [&](TaggedValueReader& r) {
                       try {
                         r.TakeListStart();
                       } catch (const EReadError& e) {
                         error = e.what();
                       }
                     }),
            15);
  EXPECT_EQ(error, kInvalid);
  EXPECT_EQ(ReadErrorOf(Hex("06 01 61"), [](TaggedValueReader& r) { r.TakeListEnd(); }), kInvalid);
  EXPECT_EQ(ReadErrorOf(Hex("00"), [](TaggedValueReader& r) { r.TakeListStart(); }), kInvalid);
  // When the unexpected value itself is cut off, the read error wins.
  EXPECT_EQ(ReadErrorOf(Hex("0C 0A 00 00 00 78"), [](TaggedValueReader& r) { r.TakeListStart(); }), kReadError);
}

TEST_F(TaggedValueReaderTest, DataEndingInsideAValueIsAReadError) {
  for (const char* bytes : {"", "06", "06 02 61", "04 01", "0A 10 00 00 00 01 02 03", "01 02 01", "0B 01 61",
                            "0E 01 06 01 61", "12 02 00 00 00 41 00 42"}) {
    EXPECT_EQ(ReadErrorOf(Hex(bytes), [](TaggedValueReader& r) { r.SkipOneValue(); }), kReadError) << bytes;
  }
}

TEST_F(TaggedValueReaderTest, DeepNestingIsSkippedWithoutRecursion) {
  constexpr std::size_t kDepth = 1'000'000;
  const std::string closed = std::string(kDepth, '\x01') + std::string(kDepth, '\x00');
  EXPECT_EQ(Consumed(closed + "Z", [](TaggedValueReader& r) { r.SkipOneValue(); }),
            static_cast<std::int64_t>(closed.size()));
  EXPECT_EQ(ReadErrorOf(std::string(kDepth, '\x01'), [](TaggedValueReader& r) { r.SkipOneValue(); }), kReadError);
  // Collections whose only property holds the next collection.
  std::string nested;
  constexpr std::size_t kCollections = 100'000;
  for (std::size_t i = 0; i < kCollections; ++i) nested += Hex("0E 01 01 61");
  nested += Hex("08");
  for (std::size_t i = 0; i < kCollections; ++i) nested += Hex("00 00");
  EXPECT_EQ(Consumed(nested, [](TaggedValueReader& r) { r.SkipOneValue(); }),
            static_cast<std::int64_t>(nested.size()));
}

TEST_F(TaggedValueReaderTest, ReadsTheSourceInBlocksAndHandsBackTheRest) {
  const std::string longText(1000, 'q');
  CountingStream source(Hex("0C E8 03 00 00") + longText + Hex("02 07") + std::string(50, 'r'));
  {
    TaggedValueReader reader(source, 16, codePage);
    EXPECT_EQ(reader.TakeText(), longText);
    EXPECT_EQ(reader.TakeInteger(), 7);
  }
  for (const std::size_t request : source.requests) EXPECT_EQ(request, 16u);
  EXPECT_EQ(source.requests.size(), 1007u / 16 + 1);
  EXPECT_EQ(source.Position(), 1007);
}

TEST_F(TaggedValueReaderTest, SkippingNeedsNoLargeBuffers) {
  // A 300 KiB raw block is skipped through a reader with a tiny buffer.
  const std::string block(300 * 1024, 'b');
  EXPECT_EQ(Consumed(Hex("0A") + Le32(static_cast<std::int64_t>(block.size())) + block + "Z",
                     [](TaggedValueReader& r) {
                       r.SkipOneValue();
                       EXPECT_EQ(r.TakeTag(), 'Z');
                     },
                     7),
            static_cast<std::int64_t>(block.size()) + 6);
}

}  // namespace
}  // namespace sorvane
