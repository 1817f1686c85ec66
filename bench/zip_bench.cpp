// Unpacking a 256 MiB update archive of 2,000 members through TZipArchive
// (engine loaded from the system folder) against Info-ZIP's unzip -o -j -q
// on the same archive; then the same amount in four 64 MiB members, to show
// that peak memory does not grow with a member's size. Each unpacking runs
// in a child process of its own, so both sides pay for a process start and
// the peak resident size is that of the unpacking alone.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "components/zip/EnginePlacement.h"
#include "components/zip/TZipArchive.h"
#include "http_bench_process.h"
#include "platform/posix/PosixDynamicLibraries.h"
#include "platform/posix/PosixFileSystem.h"

namespace {

namespace fs = std::filesystem;
using sorvane::bench::ProcessCost;
using sorvane::bench::RunMeasured;

constexpr std::uint64_t kTotal = 256ull << 20;
constexpr int kRounds = 3;

// Members of the given count, of sizes that vary around the mean and add up
// to kTotal: half of them text that deflates well, half random bytes.
void MakeMembers(const fs::path& folder, int count) {
  fs::create_directories(folder);
  std::mt19937_64 random(count);
  const std::uint64_t mean = kTotal / static_cast<std::uint64_t>(count);
  std::uint64_t left = kTotal;
  std::string block;
  for (int i = 0; i < count; ++i) {
    std::uint64_t size = i + 1 == count ? left : mean / 2 + random() % mean;
    size = std::min(size, left);
    left -= size;
    block.clear();
    while (block.size() < size) {
      if (i % 2 == 0) {
        block += "Zeile " + std::to_string(random() % 100000) + " der Datei " + std::to_string(i) + "\n";
      } else {
        const std::uint64_t word = random();
        block.append(reinterpret_cast<const char*>(&word), sizeof word);
      }
    }
    block.resize(size);
    std::ofstream(folder / ("member" + std::to_string(i) + ".dat"), std::ios::binary) << block;
  }
}

struct Best {
  ProcessCost cost;
  bool any = false;
  void Take(const ProcessCost& c) {
    if (c.exitStatus != 0) {
      std::fprintf(stderr, "a run failed (status %d)\n", c.exitStatus);
      std::exit(1);
    }
    if (!any || c.wallSeconds < cost.wallSeconds) cost.wallSeconds = c.wallSeconds, cost.cpuSeconds = c.cpuSeconds;
    cost.maxResidentKiB = std::max(cost.maxResidentKiB, c.maxResidentKiB);
    any = true;
  }
};

void Compare(const std::string& self, const fs::path& folder, const std::string& label, const fs::path& archive) {
  const fs::path out = folder / "out";
  Best ours, peer;
  for (int round = 0; round < kRounds; ++round) {
    fs::remove_all(out);
    fs::create_directories(out);
    ours.Take(RunMeasured({self, "--extract", archive.string(), out.string() + "/", (folder / "system/").string()}));
    fs::remove_all(out);
    fs::create_directories(out);
    peer.Take(RunMeasured({"/usr/bin/unzip", "-o", "-j", "-q", archive.string(), "-d", out.string()}));
  }
  fs::remove_all(out);
  const double mib = static_cast<double>(kTotal) / (1 << 20);
  std::printf("%s\n", label.c_str());
  std::printf("  TZipArchive       %7.3f s  %7.1f MiB/s  CPU %6.3f s  peak %7ld KiB\n", ours.cost.wallSeconds,
              mib / ours.cost.wallSeconds, ours.cost.cpuSeconds, ours.cost.maxResidentKiB);
  std::printf("  unzip -o -j -q    %7.3f s  %7.1f MiB/s  CPU %6.3f s  peak %7ld KiB\n", peer.cost.wallSeconds,
              mib / peer.cost.wallSeconds, peer.cost.cpuSeconds, peer.cost.maxResidentKiB);
  std::printf("  speed against unzip: %.2fx\n", peer.cost.wallSeconds / ours.cost.wallSeconds);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 5 && std::string(argv[1]) == "--extract") {
    sorvane::PosixFileSystem files;
    sorvane::PosixDynamicLibraries libraries;
    sorvane::TZipArchive zip(argv[4], files, libraries, sorvane::EmbeddedEngineResources());
    zip.ZipFileName = argv[2];
    zip.ExtractBaseDir = argv[3];
    try {
      zip.Extract();
    } catch (const std::exception& e) {
      std::fprintf(stderr, "%s\n", e.what());
      return 1;
    }
    return 0;
  }
  const fs::path folder = SORVANE_ZIP_BENCH_FOLDER;
  const std::string self = fs::read_symlink("/proc/self/exe").string();
  fs::remove_all(folder);
  fs::create_directories(folder / "system");
  sorvane::PosixFileSystem files;
  sorvane::PlaceZipEngines(files, sorvane::EmbeddedEngineResources(), (folder / "system/").string());

  std::printf("Making the archives (Info-ZIP zip -1) ...\n");
  MakeMembers(folder / "many", 2000);
  MakeMembers(folder / "large", 4);
  for (const char* name : {"many", "large"}) {
    const auto made = RunMeasured({"/bin/sh", "-c", std::string("cd \"$0\" && zip -q -1 -r ") + name + ".zip " + name,
                                   folder.string()});
    if (made.exitStatus != 0) {
      std::fprintf(stderr, "zip failed\n");
      return 1;
    }
    fs::remove_all(folder / name);
  }
  std::printf("Best of %d rounds; peak is the largest resident size of any round.\n", kRounds);
  Compare(self, folder, "256 MiB in 2,000 members:", folder / "many.zip");
  Compare(self, folder, "256 MiB in 4 members of 64 MiB:", folder / "large.zip");
  fs::remove_all(folder);
  return 0;
}
