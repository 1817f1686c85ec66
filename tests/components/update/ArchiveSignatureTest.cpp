#include "components/update/ArchiveSignature.h"
#include "components/update/UpdateKeyPolicy.h"

#include <gtest/gtest.h>

#include <fstream>

#include "platform/Errors.h"
#include "platform/MemoryStream.h"

namespace sorvane {
namespace {

TEST(ArchiveSignature, TheStatementNamesOfferAndBytes) {
  // FIPS 180-2's example: SHA-512 of "abc".
  const std::string abc =
      "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a"
      "2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f";
  MemoryStream in("abc"), copy;
  EXPECT_EQ(ArchiveDigest(in, &copy).sha512, abc);
  EXPECT_EQ(copy.Bytes(), "abc");
  MemoryStream big(std::string(200000, 'z'));
  const ArchiveBytes bigBytes = ArchiveDigest(big);
  EXPECT_EQ(bigBytes.sha512.size(), 128u);
  EXPECT_EQ(bigBytes.size, 200000);

  EXPECT_EQ(UpdateStatement("ZVQ-Linux-x86_64", "2025-12-09", "Men\xFC.zip", abc, 3),
            "ZVQ-Linux-x86_64\n2025-12-09\nMen\xFC.zip\n" + abc + "\n3\n");
  EXPECT_EQ(IsoDate(46000.75), "2025-12-09");
  EXPECT_EQ(CheckIsoDate("2024-02-29"), "2024-02-29");
  for (const char* bad : {"2025-02-29", "2025-13-01", "9.12.2025", "2025-1-09", " 2025-12-09", ""}) {
    EXPECT_FALSE(CheckIsoDate(bad)) << bad;
  }
}

TEST(ArchiveSignature, OnlyTheMakersSignatureOfThisStatementPasses) {
  const SigningKeys maker = GenerateSigningKeys(), stranger = GenerateSigningKeys();
  const std::string statement = "ZVQ\n2025-12-09\nZVQ1.zip\n00\n";
  const std::string signature = SignStatement(statement, maker.secretKey);
  EXPECT_EQ(VerifyStatement(statement, signature, maker.publicKey), SignatureCheck::kValid);
  EXPECT_EQ(VerifyStatement(statement + " ", signature, maker.publicKey), SignatureCheck::kInvalid);
  EXPECT_EQ(VerifyStatement(statement, signature, stranger.publicKey), SignatureCheck::kInvalid);
  EXPECT_EQ(VerifyStatement(statement, SignStatement(statement, stranger.secretKey), maker.publicKey),
            SignatureCheck::kInvalid);
  EXPECT_EQ(VerifyStatement(statement, "", maker.publicKey), SignatureCheck::kMissing);
  EXPECT_EQ(VerifyStatement(statement, "kein Base64!", maker.publicKey), SignatureCheck::kInvalid);
  EXPECT_EQ(VerifyStatement(statement, signature.substr(4), maker.publicKey), SignatureCheck::kInvalid);
}

TEST(ArchiveSignature, SigningRefusesBrokenKeys) {
  const SigningKeys maker = GenerateSigningKeys(), stranger = GenerateSigningKeys();
  // The public half of another key pair after this seed.
  const std::string mixed = maker.secretKey.substr(0, 40) + stranger.secretKey.substr(40);
  for (const std::string& key : {std::string(), maker.publicKey, std::string("abc"), mixed}) {
    EXPECT_THROW(SignStatement("x", key), Exception) << key;
  }
}

TEST(ArchiveSignature, TheExampleServersKeyBelongsToTheDefaultBuild) {
  std::ifstream in(SORVANE_TEST_DATA_DIR "/../../../examples/update-server/demo-signing.key");
  std::string demoKey;
  ASSERT_TRUE(std::getline(in, demoKey));
  const std::string signature = SignStatement("statement", demoKey);
  EXPECT_EQ(VerifyStatement("statement", signature, ExampleUpdateKey()), SignatureCheck::kValid);
  if (ProgramUpdateKey() != ExampleUpdateKey()) GTEST_SKIP() << "built with another key";
  EXPECT_EQ(VerifyStatement("statement", signature, ProgramUpdateKey()), SignatureCheck::kValid);
}

}  // namespace
}  // namespace sorvane
