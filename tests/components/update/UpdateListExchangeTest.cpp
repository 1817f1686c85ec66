#include "components/update/UpdateListExchange.h"

#include <gtest/gtest.h>

#include "StatusFormRig.h"
#include "components/update/ArchiveSignature.h"
#include "fakes/FakeTempFiles.h"
#include "platform/posix/Cp1252CodePage.h"
#include "platform/posix/PosixProfileReader.h"
#include "support/FakeServices.h"

namespace sorvane {
namespace {

class UpdateListExchangeTest : public ::testing::Test {
 protected:
  UpdateListExchange Exchange(const std::string& key) {
    return UpdateListExchange({connection, tempFiles, profiles, files, codePage, locale, calendar, key});
  }

  FakeFileSystem files;
  FakeInternetConnection connection;
  FakeTempFiles tempFiles{files};
  PosixProfileReader profiles{files};
  Cp1252CodePage codePage;
  FakeLocale locale;
  FakeCalendar calendar;  // 2025-12-09
  SigningKeys maker = GenerateSigningKeys();
};

TEST_F(UpdateListExchangeTest, FetchesIntoAFreshCopyAndReadsTheProgramsEntry) {
  UpdateListExchange exchange = Exchange("");
  connection.connected = false;
  EXPECT_FALSE(exchange.Connected("127.0.0.1:8080"));
  EXPECT_EQ(connection.askedHost, "127.0.0.1:8080");

  const std::string copy = exchange.MakeListCopy("/tmp/");
  EXPECT_EQ(copy, "/tmp/$1.tmp");
  EXPECT_FALSE(exchange.SectionPresent("ZVQ")) << "nothing is open yet";
  EXPECT_THROW(exchange.Open("/tmp/$2.tmp"), EFOpenError);

  files.AddFile(copy, "[ZVQ]\r\nFile=ZVQ1.zip\r\nNews=\"1.12.2025: alt\", \"9.12.25: Men\xFC neu\"\r\n");
  exchange.Open(copy);
  EXPECT_TRUE(exchange.SectionPresent("zvq"));
  EXPECT_FALSE(exchange.SectionPresent("Other"));
  EXPECT_EQ(exchange.Date("ZVQ"), calendar.Today()) << "no date: today";
  EXPECT_EQ(exchange.File("ZVQ"), "ZVQ1.zip");
  // The profile reader strips the quotes around the whole value first: the
  // first entry falls apart at its blank, and its last word keeps a quote.
  EXPECT_EQ(exchange.News("ZVQ", calendar.Today()), "- alt\"\r\n- 9.12.25: Menü neu\r\n");

  files.AddFile(copy, "[ZVQ]\nNews=\"Neu: x\"\n");
  EXPECT_THROW(exchange.News("ZVQ", calendar.Today()), EConvertError);
  exchange.Close();
  EXPECT_FALSE(exchange.SectionPresent("ZVQ"));
}

TEST_F(UpdateListExchangeTest, OnlyArchivesSignedByTheMakerPass) {
  files.AddFile("/tmp/list", "");
  files.AddFile("/tmp/ZVQ1.zip", "PK archive");
  const std::string signature = SignArchive(files, "/tmp/ZVQ1.zip", maker.secretKey);
  UpdateListExchange exchange = Exchange(maker.publicKey);
  exchange.Open("/tmp/list");

  files.AddFile("/tmp/list", "[ZVQ]\nSignature=" + signature + "\n");
  EXPECT_EQ(exchange.RefuseArchive("ZVQ", "/tmp/ZVQ1.zip"), "");
  EXPECT_TRUE(files.HasFile("/tmp/ZVQ1.zip"));

  files.AddFile("/tmp/list", "[ZVQ]\nFile=ZVQ1.zip\n");
  EXPECT_EQ(Exchange("").RefuseArchive("ZVQ", "/tmp/ZVQ1.zip"), "") << "a build without a key checks nothing";
  EXPECT_EQ(exchange.RefuseArchive("ZVQ", "/tmp/ZVQ1.zip"), texts::kArchiveNotSigned);
  EXPECT_FALSE(files.HasFile("/tmp/ZVQ1.zip"));
}

}  // namespace
}  // namespace sorvane
