#pragma once

#include <string>
#include <vector>

namespace sorvane::bench {

// What one finished child process cost.
struct ProcessCost {
  int exitStatus = -1;  // -1: killed or not started
  double wallSeconds = 0;
  double cpuSeconds = 0;  // user + system
  long maxResidentKiB = 0;
};

// Runs program with arguments (no shell), its standard output and error
// thrown away, and waits for it.
ProcessCost RunMeasured(const std::vector<std::string>& command);

}  // namespace sorvane::bench
