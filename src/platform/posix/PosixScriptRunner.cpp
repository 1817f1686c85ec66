#include "platform/posix/PosixScriptRunner.h"

#include "platform/posix/DetachedProcess.h"

namespace sorvane {

void PosixScriptRunner::RunDetached(const std::string& script) { SpawnDetached({shell_, script}, "", false); }

}  // namespace sorvane
