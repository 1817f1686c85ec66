#include "platform/posix/DetachedProcess.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace sorvane {

void SpawnDetached(const std::vector<std::string>& argv, const std::string& folder, bool keepErrors) {
  if (argv.empty()) return;
  // Everything the children need is prepared here: between fork and exec a
  // child of a threaded program may only make async-signal-safe calls.
  std::vector<const char*> arguments;
  for (const auto& argument : argv) arguments.push_back(argument.c_str());
  arguments.push_back(nullptr);
  const char* workingFolder = folder.empty() ? nullptr : folder.c_str();

  // Double fork: the middle child exits at once and is reaped here, so the
  // program is adopted by init and never becomes our zombie, without our
  // touching the process-wide SIGCHLD handling the toolkit may rely on.
  const pid_t middle = fork();
  if (middle < 0) return;
  if (middle == 0) {
    if (fork() != 0) _exit(0);
    setsid();
    const int null = open("/dev/null", O_RDWR);
    if (null >= 0) {
      dup2(null, STDIN_FILENO);
      dup2(null, STDOUT_FILENO);
      if (!keepErrors) dup2(null, STDERR_FILENO);
      if (null > STDERR_FILENO) close(null);
    }
    if (workingFolder != nullptr && chdir(workingFolder) != 0) {
      // An unusable working folder does not keep the program from starting.
    }
    execv(arguments[0], const_cast<char* const*>(arguments.data()));
    _exit(127);
  }
  int status = 0;
  while (waitpid(middle, &status, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace sorvane
