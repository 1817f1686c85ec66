#pragma once

namespace sorvane {

// What AutomaticUpdate finds before it decides.
struct ScheduleFacts {
  int driveType = 0;         // of the drive that holds the program file (DriveType.h)
  bool updateExists = false; // "Update" is there
  double update = 0;         // its date, when it is there
  bool noUpdate = false;     // "NoUpdate" is there
  bool onlyUpdate = false;   // "OnlyUpdate" is there
  double today = 0;          // the local date at midnight
  bool manual = false;       // the user asked (Ctrl+U)
};

struct ScheduleDecision {
  bool driveAllowed = false; // removable, fixed, remote or RAM disk: go on
  bool showWizard = false;
  bool endProgram = false;   // "OnlyUpdate": the program ends after the wizard
};

// Whether a drive of this kind may update the program: removable, fixed,
// remote and RAM-disk drives may; unknown ones, missing roots and CD-ROMs not.
bool UpdateAllowedOnDrive(int driveType);

// The schedule. On a drive that may not update, nothing at all happens. Else
// a manual run or "OnlyUpdate" shows the wizard whatever the dates and
// "NoUpdate" say; otherwise it shows only when today lies strictly after the
// next-reminder date ("Update", or yesterday when there is none) and
// "NoUpdate" is absent.
ScheduleDecision DecideSchedule(const ScheduleFacts& facts);

}  // namespace sorvane
