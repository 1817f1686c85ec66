#include <cstdio>
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
  double oursBest = 1e300, cpBest = 1e300;
  long oursPeak = 0;
  for (int round = 1; round <= 2; ++round) {
    FlushDisks();
    const ChildRun cp = RunChild({"cp", container, theirs});
    std::filesystem::remove(theirs);
    FlushDisks();
    const ChildRun copy = RunChild({self, "--child-copy", container, "m000000.dat", ours});
    if (std::filesystem::file_size(ours) != static_cast<std::uintmax_t>(kGiB)) {
      std::printf("  the copy has the wrong size\n");
    }
    std::filesystem::remove(ours);
    std::printf("  round %d: CopyMemberData %.3f s (%.2f GiB/s), cp %.3f s (%.2f GiB/s)\n", round, copy.seconds,
                1 / copy.seconds, cp.seconds, 1 / cp.seconds);
    oursBest = std::min(oursBest, copy.seconds);
    cpBest = std::min(cpBest, cp.seconds);
    oursPeak = std::max(oursPeak, copy.peakKiB);
  }
  std::printf("  best: CopyMemberData %.2f GiB/s, cp %.2f GiB/s, ratio %.2f\n", 1 / oursBest, 1 / cpBest,
              cpBest / oursBest);

  const ChildRun idle = RunChild({self, "--child-idle"});
  std::printf("Peak memory of the copying process against the idle process (limit +16 MiB):\n");
  std::printf("  copy %ld KiB, idle %ld KiB, difference %ld KiB\n", oursPeak, idle.peakKiB, oursPeak - idle.peakKiB);
  std::filesystem::remove(container);
}

}  // namespace sorvane::bench
