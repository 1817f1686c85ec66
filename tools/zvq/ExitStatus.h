#pragma once

namespace sorvane::zvq {

// The exit statuses of zvq, for scripts. When several things went wrong the
// most serious one counts: a container that could not be read ends the run at
// once; a member that could not be written outweighs a file that was kept.
enum ExitStatus : int {
  kDone = 0,
  kFileKept = 1,         // at least one existing file was kept
  kUsageOrLogin = 2,     // wrong usage, or the login was refused
  kUnreadable = 3,       // the container could not be read
  kNotWritten = 4,       // a member could not be written (also: refused name)
};

}  // namespace sorvane::zvq
