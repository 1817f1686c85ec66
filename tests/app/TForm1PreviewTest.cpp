// Page 2: the preview of picture members through a temporary copy.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/WizardFixture.h"

namespace sorvane {
namespace {

using ::testing::ElementsAre;

class PreviewTest : public WizardFixture {
 protected:
  void SetUp() override {
    AddContainer("/prog/K.zvq", {{"Gast", "", 0}},
                 {{"Foto.JPG", {1}, "PIC 100 50"},
                  {"Bild.BMP", {1}, "PIC 8 16"},
                  {"Kaputt.JPG", {1}, "kein Bild"},
                  {"Scan.TIF", {1}, "PIC 1 1"},
                  {"klein.jpg", {1}, "PIC 2 2"},
                  {"Brief.txt", {1}, "Text"}});
    StartAndLoad("K.zvq");
    LogInAsGuest();
  }
  void Select(const std::string& caption) {
    const std::vector<std::string> captions = view.FileCaptions();
    const auto found = std::find(captions.begin(), captions.end(), caption);
    ASSERT_NE(found, captions.end()) << caption;
    view.filesSelection = static_cast<int>(found - captions.begin());
    form.ListView_FilesSelectItem(true);
  }
  const Picture& Shown() { return wizard.Form5().Image(); }
  // Files left in the temporary folder.
  bool TempHas(const std::string& name) { return files.HasFile("/tmp/user/" + name); }
};

TEST_F(PreviewTest, HiddenWindowIgnoresTheSelectionUntilTheButton) {
  Select("Foto.JPG");
  EXPECT_TRUE(decoder.calls.empty());
  EXPECT_EQ(previewView.pictureChanges, 0);

  form.Button_PreviewClick();
  EXPECT_TRUE(previewView.visible);
  EXPECT_THAT(decoder.calls, ElementsAre("jpeg /tmp/user/Foto.JPG PIC 100 50")) << "decoded from the copy";
  EXPECT_EQ(Shown().Width, 100);
  EXPECT_EQ(previewView.picture.Height, 50);
  EXPECT_FALSE(TempHas("Foto.JPG")) << "the copy is deleted";
  ASSERT_EQ(shell.operations.size(), 1u);
  EXPECT_EQ(shell.operations[0].operation, Shell::FO_DELETE);
  EXPECT_THAT(shell.operations[0].files, ElementsAre("/tmp/user/Foto.JPG"));
  EXPECT_EQ(shell.operations[0].destination, "");
  EXPECT_FALSE(shell.operations[0].confirm);
  EXPECT_TRUE(dialogs.log.empty()) << "no folder or overwrite question for a preview";

  // While shown, every selection change updates the picture.
  Select("Bild.BMP");
  EXPECT_EQ(decoder.calls.back(), "bitmap /tmp/user/Bild.BMP PIC 8 16");
  EXPECT_EQ(Shown().Width, 8);

  // Closed: selections do nothing again; the picture stays in the window.
  wizard.Form5().Close();
  Select("Foto.JPG");
  EXPECT_EQ(decoder.calls.size(), 2u);
  EXPECT_EQ(Shown().Width, 8);
}

TEST_F(PreviewTest, NamesWithoutAnExactPictureExtensionEmptyTheWindow) {
  Select("Foto.JPG");
  form.Button_PreviewClick();
  for (const char* name : {"klein.jpg", "Brief.txt"}) {
    Select(name);
    EXPECT_TRUE(Shown().Empty()) << name;
  }
  EXPECT_EQ(decoder.calls.size(), 1u);
  EXPECT_EQ(shell.operations.size(), 1u) << "nothing written, nothing deleted";

  view.filesSelection = -1;
  form.Button_PreviewClick();
  EXPECT_TRUE(previewView.visible);
  EXPECT_TRUE(previewView.picture.Empty()) << "no selection opens an empty window";
}

TEST_F(PreviewTest, CopyTakesAFreeNameAndLeavesExistingFilesAlone) {
  files.AddFile("/tmp/user/Foto.JPG", "mine");
  files.AddFile("/tmp/user/_Foto.JPG", "mine too");
  Select("Foto.JPG");
  form.Button_PreviewClick();
  EXPECT_THAT(decoder.calls, ElementsAre("jpeg /tmp/user/__Foto.JPG PIC 100 50"));
  EXPECT_EQ(files.FileBytes("/tmp/user/Foto.JPG"), "mine");
  EXPECT_EQ(files.FileBytes("/tmp/user/_Foto.JPG"), "mine too");
  EXPECT_FALSE(TempHas("__Foto.JPG"));
}

TEST_F(PreviewTest, FailedLoadDeletesTheCopyThenReportsAndKeepsThePicture) {
  Select("Foto.JPG");
  form.Button_PreviewClick();
  const int changes = previewView.pictureChanges;

  bool deletedBeforeReport = false;
  try {
    Select("Scan.TIF");
    FAIL() << "a TIF member cannot be shown";
  } catch (const Exception& failure) {
    EXPECT_STREQ(failure.what(), "Unbekannte Bilddateierweiterung (.TIF)");
    deletedBeforeReport = !TempHas("Scan.TIF");
  }
  EXPECT_TRUE(deletedBeforeReport);

  try {
    Select("Kaputt.JPG");
    FAIL() << "the data is no picture";
  } catch (const Exception& failure) {
    EXPECT_STREQ(failure.what(), "JPEG-Fehler #53");
  }
  EXPECT_FALSE(TempHas("Kaputt.JPG"));
  EXPECT_EQ(Shown().Width, 100) << "the previous picture stays";
  EXPECT_EQ(previewView.pictureChanges, changes);
}

TEST_F(PreviewTest, CopyThatFailsHalfWayIsNotLeftBehind) {
  files.FailReadsAfter("/prog/K.zvq", 40);  // inside the first member's data
  Select("Foto.JPG");
  EXPECT_THROW(form.Button_PreviewClick(), EReadError);
  EXPECT_FALSE(TempHas("Foto.JPG"));
  EXPECT_TRUE(decoder.calls.empty());
}

TEST_F(PreviewTest, GoingBackClosesTheWindow) {
  form.Button_PreviewClick();
  form.Button_BackClick();
  EXPECT_FALSE(previewView.visible);
}

}  // namespace
}  // namespace sorvane
