// Long extractions: the progress window, the messages between blocks, the
// disabled main window and "Abbrechen".
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "support/WizardFixture.h"

namespace sorvane {
namespace {

using ::testing::ElementsAre;

constexpr std::size_t kLargeSize = 200000;  // several copy blocks

class ExtractProgressTest : public WizardFixture {
 protected:
  void SetUp() override {
    AddContainer("/prog/K.zvq", {{"Gast", "", 0}},
                 {{"a.txt", {1}, "Inhalt A"}, {"gross.bin", {1}, std::string(kLargeSize, 'g')}, {"z.txt", {1}, "Z"}});
    StartAndLoad("K.zvq");
    LogInAsGuest();
    TickAll();
    dialogs.folderAnswers = {"/out"};
    view.TakeLog();
  }
  // Every turn of the pump takes slowMs of the clock, and looks at the
  // windows as the user would see them then.
  void EveryTurn(std::int64_t slowMs, std::function<void()> look) {
    pump.onTurn = [this, slowMs, look] {
      clock.Advance(slowMs);
      if (look) look();
    };
  }
  TExtractForm& Progress() { return wizard.ExtractForm(); }
};

TEST_F(ExtractProgressTest, QuickExtractionShowsNoWindowButRunsTheMessages) {
  bool enabledDuringWrite = false;
  EveryTurn(0, [this, &enabledDuringWrite] { enabledDuringWrite |= view.windowEnabled; });
  form.Button_ExtractClick();
  EXPECT_EQ(files.FileBytes("/out/gross.bin").size(), kLargeSize);
  EXPECT_TRUE(progressView.log.empty()) << "no window for an extraction under half a second";
  EXPECT_GT(pump.turns, 6) << "messages run between blocks, not only between members";
  EXPECT_FALSE(enabledDuringWrite) << "the main window is disabled while members are written";
  EXPECT_TRUE(view.windowEnabled);
}

TEST_F(ExtractProgressTest, WindowShowsAfterHalfASecondWithTheMemberAndTheCounts) {
  std::string fileText, countText;
  EveryTurn(200, [&] {
    if (progressView.visible && fileText.empty() && progressView.fileText == "gross.bin") {
      fileText = progressView.fileText;
      countText = progressView.countText;
    }
  });
  form.Button_ExtractClick();
  EXPECT_THAT(progressView.log, ElementsAre("Show", "Hide"));
  EXPECT_EQ(fileText, "gross.bin");
  EXPECT_THAT(countText, ::testing::StartsWith("1 von 3 Dateien, ")) << countText;
  EXPECT_THAT(countText, ::testing::EndsWith(" von 195,3 KB")) << countText;
  EXPECT_TRUE(progressView.cancelEnabled);
}

TEST_F(ExtractProgressTest, QuestionsComeWithoutTheWindowOverThemAndTheMainWindowEnabled) {
  files.AddFile("/out/a.txt", "alt");
  files.AddFile("/out/z.txt", "alt");
  dialogs.yesNoAnswers = {DialogAnswer::No, DialogAnswer::Yes};
  bool enabledInATurn = false;
  EveryTurn(300, [&] { enabledInATurn |= view.windowEnabled; });
  form.Button_ExtractClick();
  EXPECT_FALSE(enabledInATurn) << "not even after a declined member";
  EXPECT_THAT(progressView.log, ElementsAre("Show", "Hide", "Show", "Hide"));
  EXPECT_THAT(view.TakeLog(), ElementsAre("SetWindowEnabled 0", "SetWindowEnabled 1", "SetWindowEnabled 0",
                                          "SetWindowEnabled 1"));
  EXPECT_EQ(files.FileBytes("/out/a.txt"), "alt");
  EXPECT_EQ(files.FileBytes("/out/z.txt"), "Z");
}

// Stopped in the middle of gross.bin: a.txt stays, the half gross.bin goes,
// z.txt is not written, nothing is opened or reported, the page stays.
TEST_F(ExtractProgressTest, CancelInTheMiddleOfAMemberRemovesItsPartAndOpensNothing) {
  std::size_t partSize = 0;
  EveryTurn(300, [&] {
    if (progressView.fileText != "gross.bin" || partSize != 0 || !files.HasFile("/out/gross.bin")) return;
    partSize = files.FileBytes("/out/gross.bin").size();
    if (partSize > 0) Progress().Button_CancelClick();
  });
  form.Button_ExecuteClick();
  EXPECT_GT(partSize, 0u);
  EXPECT_LT(partSize, kLargeSize);
  EXPECT_FALSE(progressView.cancelEnabled) << "a stop under way";
  EXPECT_EQ(files.FileBytes("/out/a.txt"), "Inhalt A");
  EXPECT_FALSE(files.HasFile("/out/gross.bin"));
  EXPECT_FALSE(files.HasFile("/out/z.txt"));
  EXPECT_TRUE(shell.opened.empty());
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(form.PageIndex(), 2);
  EXPECT_FALSE(progressView.visible);
  EXPECT_TRUE(view.windowEnabled);
  EXPECT_EQ(files.OpenCount("/prog/K.zvq"), 0);

  // The next click starts afresh.
  pump.onTurn = nullptr;
  dialogs.folderAnswers = {"/out"};
  dialogs.yesNoAnswers = {DialogAnswer::YesToAll};
  form.Button_ExecuteClick();
  EXPECT_EQ(files.FileBytes("/out/gross.bin").size(), kLargeSize);
  ASSERT_EQ(shell.opened.size(), 1u);
  EXPECT_EQ(shell.opened[0].path, "/out/z.txt");
}

TEST_F(ExtractProgressTest, CloseRequestStopsBetweenMembersAndKeepsTheWindowUntilThen) {
  EveryTurn(300, [this] {
    if (progressView.visible && files.HasFile("/out/gross.bin") &&
        files.FileBytes("/out/gross.bin").size() == kLargeSize) {
      EXPECT_FALSE(Progress().FormCloseQuery()) << "the window stays until the extraction has stopped";
    }
  });
  form.Button_ExtractClick();
  EXPECT_EQ(files.FileBytes("/out/gross.bin").size(), kLargeSize) << "a member written in full stays";
  EXPECT_FALSE(files.HasFile("/out/z.txt"));
  EXPECT_FALSE(progressView.visible);
}

}  // namespace
}  // namespace sorvane
