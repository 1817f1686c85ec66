// The command line's load as a whole process: zvq info on a container of a
// million one-byte members against cat of the same file (time, pages taken
// and page faults), and zvq's peak memory against the file's size.
#include <fcntl.h>
#include <linux/perf_event.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
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
constexpr int kRounds = 9;

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
  long pages;   // pages the process was handed (minor faults, also those taken in one call)
  long traps;   // page faults the process trapped into, one per page it touched first; -1: not counted
};

// Runs command through this program's --child-measure mode: a fresh, small
// process that starts the command with its output thrown away and reports
// the command's wall time, peak memory, pages and page-fault traps. Measuring from here
// would count this process's own memory, which a spawned child shares until
// its exec.
Measured MeasureProcess(const std::string& self, const std::vector<std::string>& command) {
  std::vector<std::string> wrapped = {self, "--child-measure"};
  wrapped.insert(wrapped.end(), command.begin(), command.end());
  const ChildRun run = RunChild(wrapped);
  Measured m{};
  if (std::sscanf(run.output.c_str(), "%lf %ld %ld %ld", &m.seconds, &m.peakKiB, &m.pages, &m.traps) != 4) {
    throw std::runtime_error("no measure from " + command[0]);
  }
  return m;
}

template <class T>
T MedianOf(std::vector<T> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// The runs of one program: the median and the spread of their times, their
// median page counts and their highest peak memory.
struct Runs {
  std::vector<double> seconds;
  std::vector<long> pages;
  std::vector<long> traps;
  long peakKiB = 0;

  void Add(const Measured& m) {
    seconds.push_back(m.seconds);
    pages.push_back(m.pages);
    traps.push_back(m.traps);
    peakKiB = std::max(peakKiB, m.peakKiB);
  }
  double Median() const { return MedianOf(seconds); }
  void Print(const char* name) const {
    const auto [fastest, slowest] = std::minmax_element(seconds.begin(), seconds.end());
    std::printf("  %-8s median %.1f ms (%.1f to %.1f), %ld pages taken in %ld page faults, peak %ld KiB\n", name,
                Median() * 1e3, *fastest * 1e3, *slowest * 1e3, MedianOf(pages), MedianOf(traps), peakKiB);
  }
};

}  // namespace

namespace {

// A counter of the page faults that this process and the children it starts
// from now on trap into; -1 where the system does not allow it. Pages taken
// in one call do not count here, unlike in the minor faults of rusage.
int CountPageFaultTraps() {
  perf_event_attr attr{};
  attr.size = sizeof attr;
  attr.type = PERF_TYPE_SOFTWARE;
  attr.config = PERF_COUNT_SW_PAGE_FAULTS;
  attr.inherit = 1;
  attr.exclude_kernel = 1;
  attr.exclude_hv = 1;
  return static_cast<int>(::syscall(SYS_perf_event_open, &attr, 0, -1, -1, PERF_FLAG_FD_CLOEXEC));
}

long ReadCounter(int counter) {
  std::uint64_t value = 0;
  if (counter < 0 || ::read(counter, &value, sizeof value) != sizeof value) return -1;
  return static_cast<long>(value);
}

}  // namespace

int ChildMeasure(char** argv) {
  const int traps = CountPageFaultTraps();
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
  std::printf("%.6f %ld %ld %ld\n", seconds, usage.ru_maxrss, usage.ru_minflt, ReadCounter(traps));
  return 0;
}

void ProcessFigures(const std::string& folder, const std::string& self, const std::string& zvq) {
  const std::string path = folder + "/load-1m-1.zvq";
  const std::int64_t size = MakeManyMembers(path);
  FlushDisks();
  ReadSequentially(path);
  std::printf("zvq info on %d one-byte members (%.1f MB) against cat of the file, whole processes, %d runs each"
              " taking turns (limit 3.0 for the medians):\n",
              kMembers, size / 1e6, kRounds);
  Runs zvqRuns, catRuns;
  for (int round = 0; round < kRounds; ++round) {
    zvqRuns.Add(MeasureProcess(self, {zvq, "info", path}));
    catRuns.Add(MeasureProcess(self, {"cat", path}));
  }
  zvqRuns.Print("zvq info");
  catRuns.Print("cat");
  std::printf("  ratio %.2f\n", zvqRuns.Median() / catRuns.Median());
  std::printf("Peak memory of zvq info against the file's size (limit 1.0):\n");
  std::printf("  zvq info %ld KiB, file %lld KiB, ratio %.2f\n", zvqRuns.peakKiB, static_cast<long long>(size / 1024),
              zvqRuns.peakKiB * 1024.0 / static_cast<double>(size));
  std::filesystem::remove(path);
}

}  // namespace sorvane::bench
