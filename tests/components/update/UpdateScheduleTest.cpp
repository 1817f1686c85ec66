#include <gtest/gtest.h>

#include "components/update/UpdateSchedule.h"
#include "platform/DriveType.h"

namespace sorvane {
namespace {

// Every input the decision can see: drive kinds (and numbers no system
// gives), "Update" absent or before, on or after today, the two presence
// flags and Manual.
TEST(UpdateScheduleTest, WholeInputSpace) {
  constexpr double kToday = 46000;
  const double updates[] = {kToday - 400, kToday - 1, kToday - 0.5, kToday, kToday + 0.5, kToday + 1};
  for (int drive = -1; drive <= 7; ++drive) {
    const bool allowed = drive == 2 || drive == 3 || drive == 4 || drive == 6;
    for (int update = -1; update < 6; ++update) {
      for (int flags = 0; flags < 8; ++flags) {
        ScheduleFacts facts;
        facts.driveType = drive;
        facts.today = kToday;
        facts.updateExists = update >= 0;
        facts.update = update >= 0 ? updates[update] : 12345;  // ignored when absent
        facts.noUpdate = (flags & 1) != 0;
        facts.onlyUpdate = (flags & 2) != 0;
        facts.manual = (flags & 4) != 0;
        // Due by the dates: no "Update" means yesterday, which is always due.
        const bool due = update < 0 || updates[update] < kToday;
        const ScheduleDecision decision = DecideSchedule(facts);
        SCOPED_TRACE(testing::Message() << "drive " << drive << " update " << update << " flags " << flags);
        EXPECT_EQ(decision.driveAllowed, allowed);
        EXPECT_EQ(decision.showWizard, allowed && (facts.manual || facts.onlyUpdate || (due && !facts.noUpdate)));
        EXPECT_EQ(decision.endProgram, allowed && facts.onlyUpdate);
      }
    }
  }
}

TEST(UpdateScheduleTest, ReminderComesTheDayAfterTheStoredDate) {
  // An interval of 7 after a check on the 1st stores the 7th: quiet on the
  // 7th, due on the 8th.
  ScheduleFacts facts;
  facts.driveType = DRIVE_FIXED;
  facts.updateExists = true;
  facts.update = 46006;
  facts.today = 46006;
  EXPECT_FALSE(DecideSchedule(facts).showWizard);
  facts.today = 46007;
  EXPECT_TRUE(DecideSchedule(facts).showWizard);
}

}  // namespace
}  // namespace sorvane
