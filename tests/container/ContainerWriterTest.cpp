#include "container/ContainerWriter.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "ByteHelpers.h"
#include "container/TaggedValueWriter.h"
#include "container/TextScrambling.h"
#include "fakes/FakeFileSystem.h"
#include "platform/Errors.h"
#include "platform/MemoryStream.h"
#include "platform/Cp1252CodePage.h"

namespace sorvane {
namespace {

using bytes::Hex;
using bytes::Le32;

TEST(TextScramblingTest, KnownStoredForms) {
  EXPECT_EQ(ScrambleText("abc"), Hex("65 69 6D"));
  EXPECT_EQ(ScrambleText("a.txt"), Hex("67 37 80 87 86"));
  EXPECT_EQ(UnscrambleText(Hex("67 37 80 87 86")), "a.txt");
  EXPECT_EQ(ScrambleText(""), "");
  // n = 300: position 100 is shifted by 300 + 300 + 1 = 601, 89 modulo 256.
  const AnsiString zeros(300, '\0');
  EXPECT_EQ(static_cast<unsigned char>(ScrambleText(zeros)[100]), 89);
  // A byte that scrambles to 0 stays in the string: the only byte of a
  // one-byte name is shifted by 2, so FE hex becomes 0.
  EXPECT_EQ(ScrambleText("\xFE"), std::string(1, '\0'));
  EXPECT_EQ(UnscrambleText(std::string(1, '\0')), "\xFE");
}

TEST(TextScramblingTest, RoundTripsEveryLengthAndByte) {
  for (std::size_t n = 0; n < 600; n += 7) {
    AnsiString plain(n, '\0');
    for (std::size_t i = 0; i < n; ++i) plain[i] = static_cast<char>((i * 37 + n) & 0xFF);
    const AnsiString stored = ScrambleText(plain);
    ASSERT_EQ(stored.size(), n);
    EXPECT_EQ(UnscrambleText(stored), plain) << n;
  }
}

TEST(ContainerWriterTest, WritesTheWorkedExampleByteForByte) {
  MemoryStream out;
  ContainerWriter writer(out, 1);
  writer.AddMember("a.txt", {1}, "hi");
  writer.Finish({{"abc", "", 0}}, "T", "A");
  EXPECT_EQ(out.Bytes(), bytes::WorkedExample());
  EXPECT_EQ(out.Position(), 49);
}

TEST(ContainerWriterTest, IntegersTakeTheSmallestFormAndLongTextsTheLongForm) {
  MemoryStream out;
  ContainerWriter writer(out, 3);
  const AnsiString longTitle(300, 't');
  writer.Finish({{"", "", -128}, {"", "", 200}, {"", "", 70000}}, longTitle, "A");
  const std::string trailer = out.Bytes().substr(8);
  EXPECT_EQ(trailer, Hex("01 06 00 06 00 02 80 06 00 06 00 03 C8 00 06 00 06 00 04 70 11 01 00 08") + Hex("0C") +
                         Le32(300) + longTitle + Hex("06 01 41 00"));
}

TEST(ContainerWriterTest, OptionalPartsOfTheRecordAndTrailer) {
  MemoryStream out;
  ContainerWriter writer(out, 2);
  writer.AddMember("x", {256, 0x101}, "data", 1000);
  TaggedValueWriter extra;
  extra.ListStart();
  extra.Integer(5);
  extra.ListEnd();
  writer.Finish({{"g", "pw", 0}, {"u", "", 1}}, "T", "A", extra.Bytes());
  const std::string& b = out.Bytes();
  EXPECT_EQ(b.substr(0, 8), Le32(1) + Le32(2));
  EXPECT_EQ(b.substr(8, 25), Le32(1) + ScrambleText("x") + Le32(256) + Le32(0x101) + Le32(1000) + Le32(4) + "data");
  EXPECT_EQ(b.substr(33), Hex("01 06 01") + ScrambleText("g") + Hex("06 02") + ScrambleText("pw") + Hex("02 00 06 01") +
                              ScrambleText("u") + Hex("06 00 02 01 09 01 02 05 00 06 01 54 06 01 41 00"));
}

TEST(ContainerWriterTest, StreamedDataEqualsDataInMemory) {
  std::string data(3 * 1024 * 1024 + 17, '\0');
  for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<char>(i * 131 >> 3);
  MemoryStream fromMemory;
  ContainerWriter a(fromMemory, 0);
  a.AddMember("big", {}, data);
  a.Finish({}, "", "");
  MemoryStream fromStream;
  MemoryStream source("prefix" + data);
  source.Seek(6, SeekOrigin::Begin);
  ContainerWriter b(fromStream, 0);
  b.AddMemberFrom("big", {}, source, static_cast<std::int64_t>(data.size()));
  b.Finish({}, "", "");
  EXPECT_EQ(fromStream.Bytes(), fromMemory.Bytes());

  MemoryStream shortSource("abc");
  MemoryStream out;
  ContainerWriter c(out, 0);
  EXPECT_THROW(c.AddMemberFrom("x", {}, shortSource, 4), EReadError);
}

TEST(ContainerWriterTest, RefusesWhatTheFormatCannotHold) {
  MemoryStream out;
  ContainerWriter writer(out, 1);
  EXPECT_THROW(writer.AddMember("x", {}, ""), std::invalid_argument);
  EXPECT_THROW(writer.AddMember("x", {1, 1}, ""), std::invalid_argument);
  MemoryStream source;
  EXPECT_THROW(writer.AddMemberFrom("x", {1}, source, std::int64_t{1} << 31), std::invalid_argument);
  EXPECT_THROW(writer.Finish({}, "T", "A"), std::invalid_argument);
  writer.Finish({{"abc", "", 0}}, "T", "A");
  EXPECT_THROW(writer.AddMember("x", {1}, ""), std::logic_error);
  EXPECT_THROW(ContainerWriter(out, -1), std::invalid_argument);
}

TEST(ContainerWriterTest, AFullDestinationIsAWriteError) {
  FakeFileSystem files;
  files.LimitWrites("/c.zvq", 20);
  auto out = files.Create("/c.zvq");
  ContainerWriter writer(*out, 1);
  try {
    writer.AddMember("a.txt", {1}, "hi");
    FAIL() << "the full file was not reported";
  } catch (const EWriteError& e) {
    EXPECT_STREQ(e.what(), "Stream-Schreibfehler");
  }
}

}  // namespace
}  // namespace sorvane
