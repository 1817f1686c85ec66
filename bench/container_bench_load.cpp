#include <cstdio>
#include <filesystem>

#include "container_bench.h"

namespace sorvane::bench {
namespace {

// Load time of one container against one plain sequential read of the same
// (warm) file.
void LoadAgainstRead(const std::string& path, int members, std::int64_t memberSize) {
  const std::int64_t size = MakeContainer(path, members, memberSize);
  ReadSequentially(path);  // into the page cache for both
  const double read = Best(5, [&] { ReadSequentially(path); });
  const double load = Best(5, [&] { LoadOnce(path); });
  std::printf("  %d members of %lld bytes (%.1f MB): LoadCatalogue %.2f ms, sequential read %.2f ms, ratio %.2f\n",
              members, static_cast<long long>(memberSize), size / 1e6, load * 1e3, read * 1e3, load / read);
  std::filesystem::remove(path);
}

}  // namespace

void LoadFigures(const std::string& folder) {
  std::printf("LoadCatalogue against one sequential read of the file (limit 10.0 for one-byte members):\n");
  LoadAgainstRead(folder + "/load-100k-1.zvq", 100'000, 1);
  LoadAgainstRead(folder + "/load-100k-4k.zvq", 100'000, 4096);

  std::printf("LoadCatalogue of 1,000 members of 1 MiB against 1,000 members of 1 byte (limit 1.5):\n");
  const std::string small = folder + "/load-1000-1.zvq";
  const std::string large = folder + "/load-1000-1m.zvq";
  MakeContainer(small, 1000, 1);
  MakeContainer(large, 1000, 1 << 20);
  ReadSequentially(small);
  ReadSequentially(large);
  // Alternate the two so that neither profits from a quieter moment.
  double smallBest = 1e300, largeBest = 1e300;
  for (int round = 0; round < 7; ++round) {
    smallBest = std::min(smallBest, Best(1, [&] { LoadOnce(small); }));
    largeBest = std::min(largeBest, Best(1, [&] { LoadOnce(large); }));
  }
  std::printf("  1 MiB members %.3f ms, 1-byte members %.3f ms, ratio %.2f\n", largeBest * 1e3, smallBest * 1e3,
              largeBest / smallBest);
  std::filesystem::remove(small);
  std::filesystem::remove(large);
}

}  // namespace sorvane::bench
