#include <gtest/gtest.h>

#include "StatusFormRig.h"
#include "platform/FormatTime.h"
#include "components/update/StatusFormTexts.h"

namespace sorvane {
namespace {

using C = StatusControl;

// Welcome, check and result: the download runs on the last click.
void ToDownload(StatusFormRig& rig) {
  rig.Check();
  rig.form.Button_NextClick();
}

TEST(StatusFormDownload, ProgressTexts) {
  StatusFormRig rig;
  auto& answer = rig.http.answers[StatusFormRig::kArchive];
  answer.body = std::string(8, 'x');
  answer.announced = 2048;  // 8 of 2048 bytes: 0.390625 %
  rig.list.size = 2048;
  rig.http.blockSize = 8;
  // One second passes between the start and the first block.
  rig.pump.onTurn = [&] {
    rig.pump.onTurn = [&] { rig.calendar.now += 1.0 / 86400; };
  };
  ToDownload(rig);
  EXPECT_EQ(rig.Text(C::PerCent), "0 %");
  EXPECT_EQ(rig.Text(C::StatusLabel), "8 Byte von 2 KB gedownloadet");
  // 2048 / 8 * 1 s - 1 s = 255 s.
  EXPECT_EQ(rig.Text(C::TimeLeft), "verbleibende Zeit: 00:04:15");
  EXPECT_EQ(rig.view.maximum, 2048);
  EXPECT_EQ(rig.view.position, 8);
  // The short body is no archive to install.
  EXPECT_EQ(rig.Text(C::Label_Download), texts::kNotCompleted);

  // Halves go to the even neighbour; a server that sends no length shows the
  // list's size.
  for (auto [size, announced, listed, percent] :
       {std::tuple{1, 8, 8, "12 %"}, {3, 8, 8, "38 %"}, {5, 8, 8, "62 %"}, {4, 0, 16, "25 %"}}) {
    StatusFormRig r;
    r.list.size = listed;
    r.http.answers[StatusFormRig::kArchive] = {std::string(static_cast<std::size_t>(size), 'x'), announced};
    r.http.blockSize = 64;
    ToDownload(r);
    EXPECT_EQ(r.Text(C::PerCent), percent) << size << "/" << announced;
  }
}

TEST(StatusFormDownload, TheLastBlockIsShownAlsoWithAnUnknownOrUntrueSize) {
  for (const std::int64_t announced : {0, 1000}) {
    StatusFormRig rig;
    rig.list.size = 1000;
    // 100 blocks, 5 ms apart: the throttle shows only every twentieth.
    rig.http.answers[StatusFormRig::kArchive] = {std::string(400, 'x'), announced};
    rig.pump.step = 5;
    // An hour passes before the first block.
    rig.pump.onTurn = [&] {
      rig.pump.onTurn = [&] { rig.calendar.now += 1.0 / 24; };
    };
    ToDownload(rig);
    EXPECT_EQ(rig.view.position, 400);
    // Without the server's length the list's stands in.
    EXPECT_EQ(rig.Text(C::StatusLabel), "400 Byte von 1000 Byte gedownloadet") << announced;
    EXPECT_EQ(rig.Text(C::PerCent), "40 %");
    EXPECT_EQ(rig.Text(C::TimeLeft), "verbleibende Zeit: 01:30:00");
  }
}

TEST(StatusFormDownload, ShortOrFailedDownloadIsNotCompletedAndLeavesNoFile) {
  const std::function<void(StatusFormRig&)> faults[] = {
      [](StatusFormRig& rig) { rig.http.answers[StatusFormRig::kArchive].announced = 100; },
      [](StatusFormRig& rig) { rig.http.answers[StatusFormRig::kArchive].status = 404; },
      [](StatusFormRig& rig) { rig.http.answers[StatusFormRig::kArchive].failAfterBlocks = 1; },
      [](StatusFormRig& rig) { rig.http.answers.erase(StatusFormRig::kArchive); },
      // More than the list's size, without a length or announced so, and a
      // shorter body than the list's that the server announces truly.
      [](StatusFormRig& rig) { rig.http.answers[StatusFormRig::kArchive] = {std::string(4000, 'x'), 0}; },
      [](StatusFormRig& rig) { rig.http.answers[StatusFormRig::kArchive] = {std::string(4000, 'x'), 4000}; },
      [](StatusFormRig& rig) { rig.http.answers[StatusFormRig::kArchive] = {"PK-arch"}; },
  };
  for (const auto& fault : faults) {
    StatusFormRig rig;
    fault(rig);
    ToDownload(rig);
    EXPECT_EQ(rig.Text(C::Label_Download), texts::kNotCompleted);
    EXPECT_EQ(rig.Text(C::CancelDownload), "Erneut versuchen");
    EXPECT_FALSE(rig.files.HasFile("/tmp/user/ZVQ2.zip"));
    EXPECT_FALSE(rig.view.Enabled(C::Button_Next));
    EXPECT_LE(rig.http.received, 12) << "the transfer stops at the first block past the list's 10 bytes";

    // "Erneut versuchen" fetches it again, whole this time.
    rig.http.answers[StatusFormRig::kArchive] = {"PK-archive"};
    rig.form.CancelDownloadClick();
    EXPECT_EQ(rig.Text(C::Label_Download), texts::kCompleted);
    EXPECT_EQ(rig.files.FileBytes("/tmp/user/ZVQ2.zip"), "PK-archive");
  }
}

TEST(StatusFormDownload, RefusedArchiveIsDeletedWithItsReason) {
  StatusFormRig rig;
  rig.list.refusal = "Das Update ist nicht signiert.";
  ToDownload(rig);
  EXPECT_EQ(rig.Text(C::Label_Download), std::string("Das Update ist nicht signiert.\r\n\r\n") + texts::kNotCompleted);
  EXPECT_FALSE(rig.files.HasFile("/tmp/user/ZVQ2.zip"));
}

TEST(StatusFormDownload, AbortWaitsThreeSecondsDeletesThePartAndRetries) {
  StatusFormRig rig;
  rig.dialogs.yesNoAnswers = {DialogAnswer::Yes};
  // The click arrives while the first block is being shown.
  rig.pump.onTurn = [&] {
    rig.pump.onTurn = [&] { rig.form.CancelDownloadClick(); };
  };
  ToDownload(rig);
  EXPECT_EQ(rig.dialogs.Count("MessageBeep 32"), 1);
  EXPECT_EQ(rig.dialogs.log.back(), "AskYesNo Bestätigung|question|Soll der Download wirklich abgebrochen werden?");
  EXPECT_TRUE(rig.form.DownloadAborted());
  EXPECT_GE(rig.pump.turns, 3000 / 250) << "the wait lets messages run";
  EXPECT_FALSE(rig.files.HasFile("/tmp/user/ZVQ2.zip"));
  EXPECT_EQ(rig.Text(C::Label_Download), texts::kNotCompleted);
  EXPECT_EQ(rig.Text(C::CancelDownload), "Erneut versuchen");

  rig.form.CancelDownloadClick();
  EXPECT_FALSE(rig.form.DownloadAborted());
  EXPECT_EQ(rig.files.FileBytes("/tmp/user/ZVQ2.zip"), "PK-archive");
  EXPECT_EQ(rig.Text(C::Label_Download), texts::kCompleted);
}

TEST(StatusFormDownload, CloseDuringTheDownloadAsksOnceAndClosesAfterTheAbort) {
  StatusFormRig rig;
  rig.dialogs.yesNoAnswers = {DialogAnswer::No, DialogAnswer::Yes};
  bool refused = true, deferred = true;
  rig.pump.onTurn = [&] {
    rig.pump.onTurn = [&] {
      refused = !rig.form.FormCloseQuery();  // "Nein": the download goes on
      rig.pump.onTurn = [&] {
        deferred = !rig.form.FormCloseQuery();  // "Ja"
        EXPECT_EQ(rig.view.closes, 0) << "not before the abort";
        rig.form.Button_CancelClick();  // asks no more
      };
    };
  };
  ToDownload(rig);
  EXPECT_TRUE(refused);
  EXPECT_TRUE(deferred);
  EXPECT_EQ(rig.dialogs.Count("AskYesNo"), 2);
  EXPECT_TRUE(rig.form.DownloadAborted());
  EXPECT_EQ(rig.view.closes, 1);

  // The next showing starts afresh and downloads normally.
  rig.form.FormShow();
  EXPECT_FALSE(rig.form.DownloadAborted());
  ToDownload(rig);
  EXPECT_EQ(rig.Text(C::Label_Download), texts::kCompleted);
}

TEST(FormatTime, PicturesOfTheLocales) {
  const double t = (13 * 3600 + 4 * 60 + 5) / 86400.0;
  EXPECT_EQ(FormatTime("HH:mm:ss", t), "13:04:05");
  EXPECT_EQ(FormatTime("h:mm:ss tt", t), "1:04:05 PM");
  EXPECT_EQ(FormatTime("hh 'Uhr' m", 2 + 0.25), "06 Uhr 0");
  EXPECT_EQ(FormatTime("HH:mm:ss", -0.5), "00:00:00");
  EXPECT_EQ(FormatTime("HH:mm:ss", 1.0 - 0.0001 / 86400), "00:00:00");
}

}  // namespace
}  // namespace sorvane
