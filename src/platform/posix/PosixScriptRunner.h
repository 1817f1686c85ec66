#pragma once

#include <string>
#include <utility>

#include "platform/ScriptRunner.h"

namespace sorvane {

// Runs an update's "Update.bat" on Linux: a shell script given to /bin/sh,
// detached, in its own session, all standard streams on /dev/null.
class PosixScriptRunner : public ScriptRunner {
 public:
  explicit PosixScriptRunner(std::string shell = "/bin/sh") : shell_(std::move(shell)) {}
  void RunDetached(const std::string& script) override;

 private:
  std::string shell_;
};

}  // namespace sorvane
