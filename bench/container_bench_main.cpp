// Container benchmark: the catalogue load against a plain read of the same
// file, load time against member size, zvq info against cat as whole
// processes (time and peak memory), and the member copy against cp.
//
//   container_bench [FOLDER]
// works in FOLDER (default: container-bench in the build folder), which
// needs room for about 3 GiB, and removes its files again. The environment
// variable SORVANE_BENCH_ZVQ names another zvq to measure than the one
// built beside the benchmark.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>

#include "container_bench.h"

int main(int argc, char** argv) {
  using namespace sorvane::bench;
  if (argc == 5 && std::strcmp(argv[1], "--child-copy") == 0) return ChildCopy(argv[2], argv[3], argv[4]);
  if (argc == 2 && std::strcmp(argv[1], "--child-idle") == 0) return ChildIdle();
  if (argc > 2 && std::strcmp(argv[1], "--child-measure") == 0) return ChildMeasure(argv + 2);

  const std::string folder = argc > 1 ? argv[1] : SORVANE_BENCH_FOLDER;
  const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  std::filesystem::create_directories(folder);
  int status = 0;
  try {
    LoadFigures(folder);
    // Another zvq (say an older build) may be measured in its place.
    const char* zvq = std::getenv("SORVANE_BENCH_ZVQ");
    ProcessFigures(folder, self, zvq != nullptr ? zvq : SORVANE_BENCH_ZVQ);
    CopyFigures(folder, self);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "container_bench: %s\n", e.what());
    status = 1;
  }
  // Each figure removes its own files, also those a failure left behind;
  // the folder goes only when empty, so a folder given by the user keeps
  // whatever else it holds.
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("load-", 0) == 0 || name.rfind("copy-", 0) == 0) std::filesystem::remove(entry.path(), ignored);
  }
  std::filesystem::remove(folder, ignored);
  return status;
}
