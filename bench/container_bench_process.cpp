// The command line's load as a whole process: zvq info on a container of a
// million one-byte members against cat of the same file, and zvq's peak
// memory against the file's size.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "container/ContainerWriter.h"
#include "platform/MemoryStream.h"
#include "container_bench.h"

extern char** environ;

namespace sorvane::bench {
namespace {

constexpr int kMembers = 1'000'000;
constexpr int kRounds = 7;

// A container as users send them: one account, one byte per member, names of 17
// characters, 34 bytes per record.
std::int64_t MakeManyMembers(const std::string& path) {
  // Written in memory first: a million records of small writes each would
  // take the file system minutes.
  MemoryStream out;
  ContainerWriter writer(out, 1);
  char name[32];
  for (int i = 0; i < kMembers; ++i) {
    std::snprintf(name, sizeof name, "datei-%07d.txt", i);
    writer.AddMember(name, {1}, "x");
  }
  writer.Finish({{"Gast", "", 0}}, "Viele", "Sorvane");
  std::ofstream(path, std::ios::binary) << out.Bytes();
  return static_cast<std::int64_t>(out.Bytes().size());
}

struct Measured {
  double seconds;
  long peakKiB;
};

// Runs command through this program's --child-measure mode: a fresh, small
// process that starts the command with its output thrown away and reports
// the command's wall time and peak memory. Measuring from here would count
// this process's own memory, which a spawned child shares until its exec.
Measured MeasureProcess(const std::string& self, const std::vector<std::string>& command) {
  std::vector<std::string> wrapped = {self, "--child-measure"};
  wrapped.insert(wrapped.end(), command.begin(), command.end());
  const ChildRun run = RunChild(wrapped);
  Measured m{};
  if (std::sscanf(run.output.c_str(), "%lf %ld", &m.seconds, &m.peakKiB) != 2) {
    throw std::runtime_error("no measure from " + command[0]);
  }
  return m;
}

}  // namespace

int ChildMeasure(char** argv) {
  posix_spawn_file_actions_t actions;
  ::posix_spawn_file_actions_init(&actions);
  ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const auto start = std::chrono::steady_clock::now();
  const int started = ::posix_spawnp(&child, argv[0], &actions, nullptr, argv, environ);
  ::posix_spawn_file_actions_destroy(&actions);
  if (started != 0) return 1;
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return 1;
  std::printf("%.6f %ld\n", seconds, usage.ru_maxrss);
  return 0;
}

void ProcessFigures(const std::string& folder, const std::string& self, const std::string& zvq) {
  const std::string path = folder + "/load-1m-1.zvq";
  const std::int64_t size = MakeManyMembers(path);
  FlushDisks();
  ReadSequentially(path);
  std::printf("zvq info on %d one-byte members (%.1f MB) against cat of the file, whole processes (limit 5.0):\n",
              kMembers, size / 1e6);
  Measured zvqBest{1e300, 0}, catBest{1e300, 0};
  long zvqPeak = 0;
  for (int round = 0; round < kRounds; ++round) {
    const Measured z = MeasureProcess(self, {zvq, "info", path});
    const Measured c = MeasureProcess(self, {"cat", path});
    zvqBest.seconds = std::min(zvqBest.seconds, z.seconds);
    catBest.seconds = std::min(catBest.seconds, c.seconds);
    zvqPeak = std::max(zvqPeak, z.peakKiB);
    catBest.peakKiB = std::max(catBest.peakKiB, c.peakKiB);
  }
  std::printf("  zvq info %.1f ms, cat %.1f ms, ratio %.2f\n", zvqBest.seconds * 1e3, catBest.seconds * 1e3,
              zvqBest.seconds / catBest.seconds);
  std::printf("Peak memory of zvq info against the file's size (limit 2.0):\n");
  std::printf("  zvq info %ld KiB (cat %ld KiB), file %lld KiB, ratio %.2f\n", zvqPeak, catBest.peakKiB,
              static_cast<long long>(size / 1024), zvqPeak * 1024.0 / static_cast<double>(size));
  std::filesystem::remove(path);
}

}  // namespace sorvane::bench
