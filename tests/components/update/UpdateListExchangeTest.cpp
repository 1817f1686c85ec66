#include "components/update/UpdateListExchange.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "StatusFormRig.h"
#include "components/update/ArchiveSignature.h"
#include "components/update/UpdateKeyPolicy.h"
#include "fakes/FakeTempFiles.h"
#include "platform/Cp1252CodePage.h"
#include "platform/MemoryStream.h"
#include "support/FakeServices.h"
#include "tools/zvq/RunProgram.h"

namespace sorvane {
namespace {

class UpdateListExchangeTest : public ::testing::Test {
 protected:
  UpdateListExchange Exchange(const std::string& key) {
    return UpdateListExchange({connection, tempFiles, files, codePage, locale, calendar, key});
  }

  FakeFileSystem files;
  FakeInternetConnection connection;
  FakeTempFiles tempFiles{files};
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

  // The list is read once: a copy changed or gone on disk changes nothing.
  files.AddFile(copy, "[ZVQ]\nFile=other.zip\nNews=\"Neu: x\"\n");
  EXPECT_EQ(exchange.File("ZVQ"), "ZVQ1.zip");
  files.DeleteFile(copy);
  EXPECT_TRUE(exchange.SectionPresent("ZVQ"));
  files.AddFile(copy, "[ZVQ]\nFile=other.zip\nNews=\"Neu: x\"\n");
  exchange.Open(copy);
  EXPECT_THROW(exchange.News("ZVQ", calendar.Today()), EConvertError);
  exchange.Close();
  EXPECT_FALSE(exchange.SectionPresent("ZVQ"));
}

// The list offers ZVQ1.zip of 9.12.2025 to "ZVQ", signed as the maker signs.
class SignedListTest : public UpdateListExchangeTest {
 protected:
  static constexpr char kArchive[] = "/tmp/ZVQ1.zip";
  static constexpr char kBytes[] = "PK archive";

  // The maker's signature of an offer of kBytes.
  std::string Signature(const std::string& section, const std::string& date, const std::string& file,
                        std::int64_t size = 10) {
    MemoryStream bytes(kBytes);
    return SignStatement(UpdateStatement(section, date, file, ArchiveDigest(bytes).sha512, size), maker.secretKey);
  }
  // Whether a fresh download of bytes is refused under this list.
  bool Refused(const std::string& list, const std::string& bytes = kBytes) {
    files.AddFile("/tmp/list", list);
    files.AddFile(kArchive, bytes);
    UpdateListExchange exchange = Exchange(maker.publicKey);
    exchange.Open("/tmp/list");
    const std::string refusal = exchange.RefuseArchive("ZVQ", kArchive);
    EXPECT_EQ(files.HasFile(kArchive), refusal.empty()) << "a refused archive is deleted";
    EXPECT_TRUE(refusal.empty() || refusal == texts::kArchiveNotSigned) << refusal;
    return !refusal.empty();
  }
  static std::string List(const std::string& section, const std::string& date, const std::string& signature,
                          const std::string& size = "10") {
    return "[" + section + "]\r\nDate=" + date + "\r\nFile=ZVQ1.zip\r\nSize=" + size + "\r\nSignature=" + signature +
           "\r\n";
  }
};

TEST_F(SignedListTest, TheSignatureBindsSectionDateFileBytesAndSize) {
  const std::string valid = Signature("ZVQ", "2025-12-09", "ZVQ1.zip");
  EXPECT_FALSE(Refused(List("zvq", "09.12.2025", valid)));
  EXPECT_TRUE(Refused(List("ZVQ", "09.12.2025", valid), "PK archivf")) << "a changed archive";
  EXPECT_TRUE(Refused(List("ZVQ", "09.12.2025", Signature("Other", "2025-12-09", "ZVQ1.zip"))))
      << "another program's archive";
  EXPECT_TRUE(Refused(List("ZVQ", "09.12.2025", Signature("ZVQ", "2025-11-30", "ZVQ1.zip"))))
      << "an older release under a fresh date";
  EXPECT_TRUE(Refused(List("ZVQ", "09.12.2025", Signature("ZVQ", "2025-12-09", "ZVQ0.zip"))))
      << "another file name";
  EXPECT_TRUE(Refused(List("ZVQ", "09.12.2025", "")));
  EXPECT_TRUE(Refused("[ZVQ]\r\nSignature=" + valid + "\r\n"));
  // The size signed is the size listed and the size of the bytes.
  EXPECT_TRUE(Refused(List("ZVQ", "09.12.2025", Signature("ZVQ", "2025-12-09", "ZVQ1.zip", 11), "11")));
  EXPECT_TRUE(Refused(List("ZVQ", "09.12.2025", valid, "11")));
  EXPECT_TRUE(Refused(List("ZVQ", "09.12.2025", valid, "")));

  files.AddFile(kArchive, "anything");
  EXPECT_EQ(Exchange("").RefuseArchive("ZVQ", kArchive), texts::kArchiveNotSigned) << "no key takes nothing";
}

TEST_F(UpdateListExchangeTest, TheExampleKeyTakesUpdatesOnlyFromThisMachine) {
  for (const char* host : {"127.0.0.1:8080", "localhost", "updates.localhost:80"}) {
    EXPECT_EQ(Exchange(ExampleUpdateKey()).RefuseHost(host), "") << host;
  }
  EXPECT_EQ(Exchange(ExampleUpdateKey()).RefuseHost("updates.orvel.example"),
            "Dieses Programm wurde mit dem Schlüssel des Beispielservers erstellt, den jeder kennt. Es nimmt deshalb "
            "Updates nur von einem Server auf diesem Rechner an, nicht von updates.orvel.example.");
  for (const char* host : {"127.0.0.1.evil.example", "10.0.0.1", "[::1]:80"}) {
    EXPECT_NE(Exchange(ExampleUpdateKey()).RefuseHost(host), "") << host;
  }
  EXPECT_EQ(Exchange(maker.publicKey).RefuseHost("updates.orvel.example"), "") << "the maker's own key";
}

// What the installation unpacks is a copy of the bytes checked: a swap of
// the archive after the check reaches neither the check nor the unpacking.
TEST_F(SignedListTest, TheCheckedCopyHoldsTheBytesChecked) {
  files.AddFile("/tmp/list", List("ZVQ", "09.12.2025", Signature("ZVQ", "2025-12-09", "ZVQ1.zip")));
  files.AddFile(kArchive, kBytes);
  UpdateListExchange exchange = Exchange(maker.publicKey);
  exchange.Open("/tmp/list");
  const std::string copy = exchange.CheckedCopy("ZVQ", kArchive, "/tmp/");
  EXPECT_EQ(copy, "/tmp/zip1.tmp");
  files.AddFile(kArchive, "PK swapped");
  EXPECT_EQ(files.FileBytes(copy), kBytes);

  try {
    exchange.CheckedCopy("ZVQ", kArchive, "/tmp/");
    FAIL() << "the swapped archive passed";
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), texts::kArchiveNotSigned);
  }
  EXPECT_FALSE(files.HasFile(kArchive));
  EXPECT_FALSE(files.HasFile("/tmp/zip2.tmp"));
  EXPECT_THROW(exchange.CheckedCopy("ZVQ", kArchive, "/tmp/"), EFOpenError);
  EXPECT_FALSE(files.HasFile("/tmp/zip3.tmp"));
}

// Any Ed25519 tool can sign the statement: here OpenSSL, with its own
// SHA-512, shows that the program accepts what the format describes.
TEST_F(SignedListTest, AStatementSignedByOpenSslIsAccepted) {
  const std::string folder = ::testing::TempDir() + "/openssl-" + std::to_string(getpid());
  const std::string script = R"sh(set -e
cd "$1"
printf 'PK archive' > ZVQ1.zip
openssl genpkey -algorithm ed25519 -out key.pem
openssl pkey -in key.pem -pubout -outform DER | tail -c 32 | base64 -w0
echo
printf 'ZVQ\n2025-12-09\nZVQ1.zip\n%s\n%s\n' "$(openssl dgst -sha512 -r ZVQ1.zip | cut -d' ' -f1)" \
  "$(wc -c < ZVQ1.zip)" > statement
openssl pkeyutl -sign -inkey key.pem -rawin -in statement | base64 -w0
)sh";
  std::filesystem::create_directories(folder);
  const testing::ProgramResult openssl = testing::RunProgram("/bin/sh", {"-c", script, "sh", folder});
  std::filesystem::remove_all(folder);
  ASSERT_EQ(openssl.status, 0) << openssl.err;
  const std::string publicKey = openssl.out.substr(0, openssl.out.find('\n'));
  const std::string signature = openssl.out.substr(openssl.out.find('\n') + 1);

  files.AddFile("/tmp/list", List("ZVQ", "09.12.2025", signature));
  files.AddFile(kArchive, kBytes);
  UpdateListExchange exchange = Exchange(publicKey);
  exchange.Open("/tmp/list");
  EXPECT_EQ(exchange.RefuseArchive("ZVQ", kArchive), "");
  EXPECT_EQ(files.FileBytes(exchange.CheckedCopy("ZVQ", kArchive, "/tmp/")), kBytes);
}

TEST_F(UpdateListExchangeTest, AListLargerThanOneMebibyteIsRefused) {
  UpdateListExchange exchange = Exchange("");
  const std::string list = "[ZVQ]\r\nFile=ZVQ1.zip\r\n";
  files.AddFile("/tmp/list", list + std::string(kMaxUpdateListBytes - list.size(), ';'));
  exchange.Open("/tmp/list");
  EXPECT_EQ(exchange.File("ZVQ"), "ZVQ1.zip");
  files.AddFile("/tmp/list", list + std::string(kMaxUpdateListBytes - list.size() + 1, ';'));
  EXPECT_THROW(exchange.Open("/tmp/list"), EReadError);
}

}  // namespace
}  // namespace sorvane
