// Choosing the decoder for a picture file, and the extension table of the
// preview. (The preview window itself is driven through the main window's
// handlers in the wizard tests.)
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "forms/PictureFile.h"
#include "forms/PreviewExtensions.h"
#include "platform/Errors.h"

namespace sorvane {
namespace {

using ::testing::ElementsAre;

// Answers with a 2 × 1 picture, or fails as a decoder does when told to.
class ScriptedDecoder : public PictureDecoder {
 public:
  std::vector<std::string> calls;
  bool fail = false;
  Picture DecodeJpeg(const std::string& path) override { return Answer("jpeg " + path, "JPEG-Fehler #42"); }
  Picture DecodeBitmap(const std::string& path) override { return Answer("bitmap " + path, "Bitmap ist ungültig"); }

 private:
  Picture Answer(const std::string& call, const char* failure) {
    calls.push_back(call);
    if (fail) throw Exception(failure);
    return Picture{2, 1, std::vector<std::uint8_t>(6, 0xFF)};
  }
};

std::string Failure(PictureDecoder& decoder, const std::string& path) {
  try {
    LoadPicture(decoder, path);
  } catch (const Exception& failure) {
    return failure.what();
  }
  return "no failure";
}

TEST(PictureFileTest, DecoderChosenByExtensionWithoutRegardToCase) {
  ScriptedDecoder decoder;
  for (const char* path : {"/t/a.jpg", "/t/b.JPG", "/t/c.jpeg", "/t/d.JpEg", "/t/e.bmp", "/t/f.BMP"}) {
    EXPECT_EQ(LoadPicture(decoder, path).Width, 2) << path;
  }
  EXPECT_THAT(decoder.calls, ElementsAre("jpeg /t/a.jpg", "jpeg /t/b.JPG", "jpeg /t/c.jpeg", "jpeg /t/d.JpEg",
                                         "bitmap /t/e.bmp", "bitmap /t/f.BMP"));
}

TEST(PictureFileTest, OtherExtensionsFailNamingTheExtensionAsWritten) {
  ScriptedDecoder decoder;
  EXPECT_EQ(Failure(decoder, "/t/Scan.TIF"), "Unbekannte Bilddateierweiterung (.TIF)");
  EXPECT_EQ(Failure(decoder, "/t/Anim.Gif"), "Unbekannte Bilddateierweiterung (.Gif)");
  EXPECT_EQ(Failure(decoder, "/t.jpg/ohne"), "Unbekannte Bilddateierweiterung (.)") << "the folder's dot is not it";
  // Picture types this program has no decoder for fail clearly, not as
  // unknown.
  EXPECT_EQ(Failure(decoder, "/t/Symbol.ico"), "Das Bildformat .ico kann nicht angezeigt werden");
  EXPECT_EQ(Failure(decoder, "/t/Grafik.EMF"), "Das Bildformat .EMF kann nicht angezeigt werden");
  EXPECT_TRUE(decoder.calls.empty());
  decoder.fail = true;
  EXPECT_EQ(Failure(decoder, "/t/a.bmp"), "Bitmap ist ungültig");
}

TEST(PreviewExtensionsTest, IndexOfTextIsExactAndFirstMatch) {
  EXPECT_EQ(IndexOfText(PreviewExtensions, ".JPG"), 0);
  EXPECT_EQ(IndexOfText(PreviewExtensions, ".GIF"), 3);
  EXPECT_EQ(IndexOfText(PreviewExtensions, ".jpg"), -1);
  EXPECT_EQ(IndexOfText(PreviewExtensions, ".JPEG"), -1);
  EXPECT_EQ(IndexOfText(PreviewExtensions, ""), -1);
  const std::string_view twice[] = {"x", "y", "x"};
  EXPECT_EQ(IndexOfText(twice, "x"), 0);
  EXPECT_EQ(IndexOfText({}, "x"), -1);
}

}  // namespace
}  // namespace sorvane
