#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <vector>

#include "container/ContainerCatalogue.h"
#include "container/ContainerWriter.h"
#include "container_bench.h"
#include "platform/Cp1252CodePage.h"
#include "platform/posix/PosixFileSystem.h"

extern char** environ;

namespace sorvane::bench {

double Seconds(const std::function<void()>& action) {
  const auto start = std::chrono::steady_clock::now();
  action();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double Best(int runs, const std::function<void()>& action) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) best = std::min(best, Seconds(action));
  return best;
}

namespace {

// Endless member data made up on the fly, so that writing a 1 GiB member
// needs no 1 GiB of memory.
class PatternStream : public Stream {
 public:
  std::size_t Read(void* buffer, std::size_t count) override {
    auto* out = static_cast<unsigned char*>(buffer);
    for (std::size_t i = 0; i < count; ++i) out[i] = static_cast<unsigned char>((position_ + i) * 7 >> 4);
    position_ += static_cast<std::int64_t>(count);
    return count;
  }
  std::size_t Write(const void*, std::size_t) override { return 0; }
  std::int64_t Seek(std::int64_t offset, SeekOrigin) override { return position_ = offset; }

 private:
  std::int64_t position_ = 0;
};

}  // namespace

std::int64_t MakeContainer(const std::string& path, int count, std::int64_t memberSize) {
  PosixFileSystem files;
  auto out = files.Create(path);
  ContainerWriter writer(*out, 2);
  PatternStream data;
  char name[32];
  for (int i = 0; i < count; ++i) {
    std::snprintf(name, sizeof name, "m%06d.dat", i);
    writer.AddMemberFrom(name, {1, i % 2}, data, memberSize);
  }
  writer.Finish({{"Gast", "", 0}, {"Max", "geheim", 1}}, "Benchmark", "Sorvane");
  return out->Size();
}

void ReadSequentially(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw std::runtime_error("cannot open " + path);
  std::vector<char> block(1 << 20);
  while (::read(fd, block.data(), block.size()) > 0) {
  }
  ::close(fd);
}

void LoadOnce(const std::string& path) {
  PosixFileSystem files;
  Cp1252CodePage codePage;
  NoLoadEffects effects;
  ContainerCatalogue catalogue(files, codePage, effects);
  catalogue.ContainerPath = path;
  catalogue.LoadCatalogue();
}

ChildRun RunChild(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const std::string& part : command) argv.push_back(const_cast<char*>(part.c_str()));
  argv.push_back(nullptr);
  int output[2];
  if (::pipe2(output, O_CLOEXEC) != 0) throw std::runtime_error("no pipe");
  posix_spawn_file_actions_t actions;
  ::posix_spawn_file_actions_init(&actions);
  ::posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
  pid_t child = 0;
  const auto start = std::chrono::steady_clock::now();
  const int started = ::posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  ::posix_spawn_file_actions_destroy(&actions);
  ::close(output[1]);
  ChildRun run{0, {}};
  char chunk[4096];
  for (ssize_t got; started == 0 && (got = ::read(output[0], chunk, sizeof chunk)) > 0;) run.output.append(chunk, got);
  ::close(output[0]);
  if (started != 0) throw std::runtime_error("cannot start " + command[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error(command[0] + " failed");
  return run;
}

long PeakKiB(const ChildRun& run) {
  const std::size_t at = run.output.find("VmHWM:");
  return at == std::string::npos ? -1 : std::strtol(run.output.c_str() + at + 6, nullptr, 10);
}

namespace {

void PrintPeakMemory() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) std::printf("%s\n", line.c_str());
  }
}

}  // namespace

void FlushDisks() { ::sync(); }

int ChildCopy(const std::string& container, const std::string& member, const std::string& target) {
  PosixFileSystem files;
  auto source = files.OpenRead(container);
  auto destination = files.Create(target);
  ContainerCatalogue::CopyMemberData(member, *source, *destination);
  PrintPeakMemory();
  return 0;
}

int ChildIdle() {
  // The same program started the same way, without the copy: what merely
  // running costs.
  PosixFileSystem files;
  const bool ok = files.DirectoryExists("/");
  PrintPeakMemory();
  return ok ? 0 : 1;
}

}  // namespace sorvane::bench
