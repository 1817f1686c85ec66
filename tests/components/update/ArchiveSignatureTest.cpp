#include "components/update/ArchiveSignature.h"

#include <gtest/gtest.h>

#include <fstream>

#include "fakes/FakeFileSystem.h"
#include "platform/Errors.h"

namespace sorvane {
namespace {

class ArchiveSignatureTest : public ::testing::Test {
 protected:
  ArchiveSignatureTest() { files.AddFile(kArchive, std::string(200000, 'z') + "Update.bat"); }

  static constexpr char kArchive[] = "/tmp/ZVQ1.zip";
  FakeFileSystem files;
  SigningKeys maker = GenerateSigningKeys();
  SigningKeys stranger = GenerateSigningKeys();
};

TEST_F(ArchiveSignatureTest, OnlyTheMakersSignatureOfTheseBytesPasses) {
  const std::string signature = SignArchive(files, kArchive, maker.secretKey);
  EXPECT_EQ(VerifyArchive(files, kArchive, signature, maker.publicKey), SignatureCheck::kValid);
  EXPECT_EQ(VerifyArchive(files, kArchive, signature, stranger.publicKey), SignatureCheck::kInvalid);
  EXPECT_EQ(VerifyArchive(files, kArchive, SignArchive(files, kArchive, stranger.secretKey), maker.publicKey),
            SignatureCheck::kInvalid);
  EXPECT_EQ(VerifyArchive(files, kArchive, "", maker.publicKey), SignatureCheck::kMissing);
  EXPECT_EQ(VerifyArchive(files, kArchive, "kein Base64!", maker.publicKey), SignatureCheck::kInvalid);
  EXPECT_EQ(VerifyArchive(files, kArchive, signature.substr(4), maker.publicKey), SignatureCheck::kInvalid);
  EXPECT_EQ(VerifyArchive(files, "/tmp/missing.zip", signature, maker.publicKey), SignatureCheck::kUnreadable);

  std::string changed = files.FileBytes(kArchive);
  changed[123456] ^= 1;
  files.AddFile(kArchive, changed);
  EXPECT_EQ(VerifyArchive(files, kArchive, signature, maker.publicKey), SignatureCheck::kInvalid);
}

TEST_F(ArchiveSignatureTest, RefusedArchivesAreDeleted) {
  const std::string signature = SignArchive(files, kArchive, maker.secretKey);
  EXPECT_TRUE(AcceptArchive(files, kArchive, signature, maker.publicKey));
  EXPECT_TRUE(files.HasFile(kArchive));
  EXPECT_TRUE(AcceptArchive(files, kArchive, "", "")) << "a build without a key checks nothing";
  EXPECT_FALSE(AcceptArchive(files, kArchive, "", maker.publicKey));
  EXPECT_FALSE(files.HasFile(kArchive));
}

TEST_F(ArchiveSignatureTest, SigningRefusesBrokenKeys) {
  // The public half of another key pair after this seed.
  const std::string mixed = maker.secretKey.substr(0, 40) + stranger.secretKey.substr(40);
  for (const std::string& key : {std::string(), maker.publicKey, std::string("abc"), mixed}) {
    EXPECT_THROW(SignArchive(files, kArchive, key), Exception) << key;
  }
}

TEST_F(ArchiveSignatureTest, TheExampleServersKeyBelongsToTheDefaultBuild) {
  std::ifstream in(SORVANE_TEST_DATA_DIR "/../../../examples/update-server/demo-signing.key");
  std::string demoKey;
  ASSERT_TRUE(std::getline(in, demoKey));
  const std::string signature = SignArchive(files, kArchive, demoKey);
  if (ProgramUpdateKey() != "y/YHPQbYbL+YNPYGPttqWzFf7vpLd9qm6MoH0NERFkk=") GTEST_SKIP() << "built with another key";
  EXPECT_EQ(VerifyArchive(files, kArchive, signature, ProgramUpdateKey()), SignatureCheck::kValid);
}

}  // namespace
}  // namespace sorvane
