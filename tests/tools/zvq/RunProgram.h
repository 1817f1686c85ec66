#pragma once

#include <string>
#include <vector>

namespace sorvane::testing {

struct ProgramResult {
  int status = -1;  // exit status; -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Runs program with arguments, standard input read from stdinFile (a path;
// "/dev/null" for none), and environment entries "NAME=value" added to this
// process's environment. Waits for it and collects both output streams.
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& stdinFile = "/dev/null", const std::vector<std::string>& environment = {});

}  // namespace sorvane::testing
