// Extraction benchmark: zvq extract of many members against tar -x of the
// same files, each into a fresh folder on the same disk, taking turns:
// 100,000 members of 2 to 6 KiB (limit 1.5 of tar) and 1,000,000 one-byte
// members (limit 2.0 of tar).
//
//   extract_bench [FOLDER] [ROUNDS] [small|many]
//   extract_bench --make small|many CONTAINER ARCHIVE
// The first (the last argument runs only one of the two cases) works in
// FOLDER (default: extract-bench in the build folder), which needs room for
// 2 GB and the files of every run (a round of the million members takes
// 8 GB), and removes its files again. The second writes one case's files,
// to look at either program by hand.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "container/ContainerWriter.h"
#include "container_bench.h"
#include "platform/posix/PosixFileSystem.h"

extern char** environ;

namespace sorvane::bench {
namespace {

// A tar archive as GNU tar reads it: a ustar header per file, the data
// padded to 512 bytes, two empty blocks at the end.
class TarWriter {
 public:
  explicit TarWriter(Stream& out) : out_(out) {}

  void Add(const std::string& name, std::string_view data) {
    char header[512] = {};
    std::snprintf(header, 100, "%s", name.c_str());
    std::snprintf(header + 100, 8, "%07o", 0644);
    std::snprintf(header + 108, 8, "%07o", 1000);
    std::snprintf(header + 116, 8, "%07o", 1000);
    std::snprintf(header + 124, 12, "%011o", static_cast<unsigned>(data.size()));
    std::snprintf(header + 136, 12, "%011o", 1700000000u);
    std::memset(header + 148, ' ', 8);
    header[156] = '0';
    std::memcpy(header + 257, "ustar\0" "00", 8);
    unsigned sum = 0;
    for (const char c : header) sum += static_cast<unsigned char>(c);
    std::snprintf(header + 148, 8, "%06o", sum);
    out_.WriteBuffer(header, sizeof header);
    out_.WriteBuffer(data.data(), data.size());
    const std::string padding((512 - data.size() % 512) % 512, '\0');
    out_.WriteBuffer(padding.data(), padding.size());
  }
  void Finish() {
    const std::string end(1024, '\0');
    out_.WriteBuffer(end.data(), end.size());
  }

 private:
  Stream& out_;
};

struct Case {
  const char* title;
  int members;
  std::size_t smallest;
  std::size_t largest;
  double limit;
};

// Writes the container and the tar archive of the same files.
void MakeBoth(const Case& c, const std::string& container, const std::string& archive) {
  PosixFileSystem files;
  const auto zvqFile = files.Create(container);
  const auto tarFile = files.Create(archive);
  ContainerWriter writer(*zvqFile, 1);
  TarWriter tar(*tarFile);
  std::string data;
  char name[32];
  std::uint32_t random = 12345;
  for (int i = 0; i < c.members; ++i) {
    random = random * 1103515245 + 12345;
    const std::size_t size = c.smallest + (random >> 8) % (c.largest - c.smallest + 1);
    data.resize(size);
    for (std::size_t k = 0; k < size; ++k) data[k] = static_cast<char>('a' + (i + k) % 26);
    std::snprintf(name, sizeof name, "datei-%07d.txt", i);
    writer.AddMember(name, {1}, data);
    tar.Add(name, data);
  }
  writer.Finish({{"Gast", "", 0}}, "Viele", "Sorvane");
  tar.Finish();
}

struct Timing {
  double wall;
  double cpu;  // user and system time
};

// Runs command with its output thrown away.
Timing RunQuietly(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const std::string& part : command) argv.push_back(const_cast<char*>(part.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  ::posix_spawn_file_actions_init(&actions);
  ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const auto start = std::chrono::steady_clock::now();
  const int started = ::posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  ::posix_spawn_file_actions_destroy(&actions);
  if (started != 0) throw std::runtime_error("cannot start " + command[0]);
  int status = 0;
  rusage usage{};
  ::wait4(child, &status, 0, &usage);
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error(command[0] + " failed");
  const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return {wall, seconds(usage.ru_utime) + seconds(usage.ru_stime)};
}

// Removes folder and its files, many at a time: on this disk one removal of
// a file already written back waits some milliseconds, and a million of
// them one after the other take most of an hour, while removals side by
// side share the waits.
void RemoveFolder(const std::string& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) files.push_back(entry.path());
  std::atomic<std::size_t> next{0};
  std::vector<std::thread> removers;
  for (int t = 0; t < 32; ++t) {
    removers.emplace_back([&] {
      for (std::size_t i; (i = next.fetch_add(1)) < files.size();) ::unlink(files[i].c_str());
    });
  }
  for (std::thread& remover : removers) remover.join();
  std::filesystem::remove(folder);
}

// The files written into folder, and that the last one is whole.
void Check(const std::string& folder, const Case& c) {
  std::size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) count += entry.is_regular_file() ? 1 : 0;
  char last[64];
  std::snprintf(last, sizeof last, "%s/datei-%07d.txt", folder.c_str(), c.members - 1);
  const auto size = std::filesystem::file_size(last);
  if (count != static_cast<std::size_t>(c.members) || size < c.smallest || size > c.largest) {
    throw std::runtime_error("the extraction into " + folder + " is not complete");
  }
}

double Median(std::vector<Timing> runs, double Timing::*figure) {
  std::vector<double> values;
  for (const Timing& run : runs) values.push_back(run.*figure);
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void ExtractFigures(const std::string& folder, const std::string& zvq, const Case& c, int rounds) {
  const std::string container = folder + "/extract.zvq";
  const std::string archive = folder + "/extract.tar";
  const std::string target = folder + "/extract-out";  // and a number
  MakeBoth(c, container, archive);
  ReadSequentially(container);
  ReadSequentially(archive);
  std::printf("%s: zvq extract against tar -x of the same files into a fresh folder, %d runs each taking turns"
              " (limit %.1f for the medians):\n",
              c.title, rounds, c.limit);
  std::vector<Timing> ours, theirs;
  std::vector<std::string> written;
  for (int round = 0; round < rounds; ++round) {
    for (const bool tar : {true, false}) {
      // Every run into a folder of its own, all removed at the end: ext4
      // without a journal holds a removed file's inode back from reuse for
      // minutes, and a new file looks at each such inode in turn, so a run
      // after a million removals takes ten times as long.
      written.push_back(target + "-" + std::to_string(written.size()));
      std::filesystem::create_directory(written.back());
      // Nothing left to write back from the run before.
      FlushDisks();
      const Timing run = tar ? RunQuietly({"tar", "-xf", archive, "-C", written.back()})
                             : RunQuietly({zvq, "extract", container, "-d", written.back()});
      Check(written.back(), c);
      (tar ? theirs : ours).push_back(run);
      std::printf("  round %d: %-11s %.2f s (processor %.2f s)\n", round + 1, tar ? "tar -x" : "zvq extract",
                  run.wall, run.cpu);
    }
  }
  for (const std::string& folder : written) RemoveFolder(folder);
  // The machine is shared: the processor time says how much of a run's
  // wall time was the program's own.
  const double ourWall = Median(ours, &Timing::wall);
  const double tarWall = Median(theirs, &Timing::wall);
  std::printf("  median: zvq extract %.2f s, tar -x %.2f s, ratio %.2f; processor %.2f s against %.2f s\n", ourWall,
              tarWall, ourWall / tarWall, Median(ours, &Timing::cpu), Median(theirs, &Timing::cpu));
  std::filesystem::remove(container);
  std::filesystem::remove(archive);
}

}  // namespace
}  // namespace sorvane::bench

int main(int argc, char** argv) {
  using namespace sorvane::bench;
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  const Case small{"100,000 members of 2 to 6 KiB", 100'000, 2048, 6144, 1.5};
  const Case many{"1,000,000 one-byte members", 1'000'000, 1, 1, 2.0};
  if (argc == 5 && std::strcmp(argv[1], "--make") == 0) {
    MakeBoth(std::strcmp(argv[2], "many") == 0 ? many : small, argv[3], argv[4]);
    return 0;
  }
  const std::string folder = argc > 1 ? argv[1] : SORVANE_BENCH_FOLDER;
  const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
  const std::string only = argc > 3 ? argv[3] : "";
  const char* zvq = std::getenv("SORVANE_BENCH_ZVQ");
  std::filesystem::create_directories(folder);
  int status = 0;
  try {
    const std::string program = zvq != nullptr ? zvq : SORVANE_BENCH_ZVQ;
    if (only != "many") ExtractFigures(folder, program, small, rounds);
    if (only != "small") ExtractFigures(folder, program, many, rounds);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "extract_bench: %s\n", e.what());
    status = 1;
  }
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
    if (entry.path().filename().string().rfind("extract-out-", 0) == 0) RemoveFolder(entry.path().string());
  }
  std::filesystem::remove(folder + "/extract.zvq", ignored);
  std::filesystem::remove(folder + "/extract.tar", ignored);
  std::filesystem::remove(folder, ignored);
  return status;
}
