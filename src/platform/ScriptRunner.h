#pragma once

#include <string>

namespace sorvane {

// Runs the installation script of an update when the program ends.
class ScriptRunner {
 public:
  virtual ~ScriptRunner() = default;

  // Starts the script hidden and detached: it outlives the program, which
  // neither waits for it nor hears whether it started.
  virtual void RunDetached(const std::string& script) = 0;
};

}  // namespace sorvane
