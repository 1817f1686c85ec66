#include "RunProgram.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace sorvane::testing {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& stdinFile, const std::vector<std::string>& environment) {
  // The output goes to files rather than pipes, so that a program writing
  // much to both streams cannot block while the other one is being read.
  char outTemplate[] = "/tmp/zvq-out-XXXXXX";
  char errTemplate[] = "/tmp/zvq-err-XXXXXX";
  const int outFd = mkstemp(outTemplate);
  const int errFd = mkstemp(errTemplate);
  if (outFd < 0 || errFd < 0) throw std::runtime_error("no temporary file for the output");

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, stdinFile.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, outFd, 1);
  posix_spawn_file_actions_adddup2(&actions, errFd, 2);

  std::vector<std::string> args{program};
  args.insert(args.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  // The C library takes the first entry of a name, so an inherited entry
  // that is given anew is left out.
  auto nameOf = [](const std::string& entry) { return entry.substr(0, entry.find('=')); };
  std::vector<std::string> env(environment.begin(), environment.end());
  for (char** e = environ; *e != nullptr; ++e) {
    bool overridden = false;
    for (const std::string& given : environment) overridden = overridden || nameOf(given) == nameOf(*e);
    if (!overridden) env.emplace_back(*e);
  }
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);

  pid_t pid = -1;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(outFd);
  close(errFd);
  ProgramResult result;
  if (spawned == 0) {
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  result.out = ReadAll(outTemplate);
  result.err = ReadAll(errTemplate);
  unlink(outTemplate);
  unlink(errTemplate);
  if (spawned != 0) throw std::runtime_error("cannot start " + program);
  return result;
}

}  // namespace sorvane::testing
