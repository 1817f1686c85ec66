#include "components/update/UpdateSchedule.h"

#include "platform/DriveType.h"

namespace sorvane {

bool UpdateAllowedOnDrive(int driveType) {
  return driveType == DRIVE_REMOVABLE || driveType == DRIVE_FIXED || driveType == DRIVE_REMOTE ||
         driveType == DRIVE_RAMDISK;
}

ScheduleDecision DecideSchedule(const ScheduleFacts& facts) {
  ScheduleDecision decision;
  decision.driveAllowed = UpdateAllowedOnDrive(facts.driveType);
  if (!decision.driveAllowed) return decision;
  const double nextReminder = facts.updateExists ? facts.update : facts.today - 1;
  decision.showWizard = facts.manual || facts.onlyUpdate || (facts.today > nextReminder && !facts.noUpdate);
  decision.endProgram = facts.onlyUpdate;
  return decision;
}

}  // namespace sorvane
