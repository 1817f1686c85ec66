#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <vector>
#include <filesystem>

#include "container_bench.h"

namespace sorvane::bench {

void CopyFigures(const std::string& folder, const std::string& self) {
  constexpr std::int64_t kGiB = std::int64_t{1} << 30;
  const std::string container = folder + "/copy-1gib.zvq";
  const std::string ours = folder + "/copy-ours.bin";
  const std::string theirs = folder + "/copy-cp.bin";
  MakeContainer(container, 1, kGiB);
  ReadSequentially(container);  // both copies read the same warm file

  std::printf("CopyMemberData of a 1 GiB member against cp of the 1 GiB container file (limit 0.8 of cp):\n");
  // The two alternate, each after a flush, so that neither pays for the
  // other's writeback; this machine's figures wander, so several rounds.
  // Round 0 only warms up (its cp pays for writing back the freshly made
  // container) and is not counted.
  constexpr int kRounds = 5;
  std::vector<double> oursTimes, cpTimes;
  long oursPeak = 0;
  for (int round = 0; round <= kRounds; ++round) {
    FlushDisks();
    const ChildRun cp = RunChild({"cp", container, theirs});
    std::filesystem::remove(theirs);
    FlushDisks();
    const ChildRun copy = RunChild({self, "--child-copy", container, "m000000.dat", ours});
    if (std::filesystem::file_size(ours) != static_cast<std::uintmax_t>(kGiB)) {
      throw std::runtime_error("the copied member has the wrong size");
    }
    std::filesystem::remove(ours);
    if (round == 0) continue;
    std::printf("  round %d: CopyMemberData %.3f s (%.2f GiB/s), cp %.3f s (%.2f GiB/s), ratio %.2f\n", round,
                copy.seconds, 1 / copy.seconds, cp.seconds, 1 / cp.seconds, cp.seconds / copy.seconds);
    oursTimes.push_back(copy.seconds);
    cpTimes.push_back(cp.seconds);
    oursPeak = std::max(oursPeak, PeakKiB(copy));
  }
  std::sort(oursTimes.begin(), oursTimes.end());
  std::sort(cpTimes.begin(), cpTimes.end());
  std::printf("  best: CopyMemberData %.2f GiB/s, cp %.2f GiB/s, ratio %.2f\n", 1 / oursTimes.front(),
              1 / cpTimes.front(), cpTimes.front() / oursTimes.front());
  std::printf("  median: CopyMemberData %.2f GiB/s, cp %.2f GiB/s, ratio %.2f\n", 1 / oursTimes[kRounds / 2],
              1 / cpTimes[kRounds / 2], cpTimes[kRounds / 2] / oursTimes[kRounds / 2]);

  const long idlePeak = PeakKiB(RunChild({self, "--child-idle"}));
  std::printf("Peak memory (VmHWM) of the copying process against the idle process (limit +16 MiB):\n");
  std::printf("  copy %ld KiB, idle %ld KiB, difference %ld KiB\n", oursPeak, idlePeak, oursPeak - idlePeak);
  std::filesystem::remove(container);
}

}  // namespace sorvane::bench
