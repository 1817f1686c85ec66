#pragma once

#include <string>
#include <vector>

#include "platform/Shell.h"

namespace sorvane {

// The desktop shell on Linux. "Open" hands the file to the desktop's opener
// program (xdg-open unless another is given), looked up on PATH; the opener
// is started detached, so the program neither waits for it nor leaves a
// zombie behind. File operations work directly on the file system: there is
// no recycle bin, and the shell asks no questions of its own (a caller that
// wants a confirmation asks before calling).
class PosixShell : public Shell {
 public:
  explicit PosixShell(std::string opener = "xdg-open");

  // parameters and showCommand have no counterpart for the opener and are
  // not used. A missing opener or a failed start is not reported, as the
  // shell's answer is not examined by the callers.
  void Open(const std::string& path, const std::string& parameters, const std::string& workingFolder,
            int showCommand) override;

  // FO_DELETE removes each file (a folder with its contents). FO_COPY and
  // FO_MOVE put the files into destination when it is a folder, or a single
  // file under the name destination; FO_RENAME gives the one file the name
  // destination. Existing targets are replaced. Every file is tried; false
  // when any of them failed or the operation code is unknown.
  bool FileOperation(int operation, const std::vector<std::string>& files, const std::string& destination,
                     bool confirm) override;

 private:
  std::string opener_;
};

// The full path of program: as given when it contains a "/", else the first
// executable file of that name in the folders of $PATH; empty when none.
std::string FindProgramOnPath(const std::string& program);

}  // namespace sorvane
