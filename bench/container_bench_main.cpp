// Container benchmark: the catalogue load against a plain read of the same
// file, load time against member size, and the member copy against cp.
//
//   container_bench [FOLDER]
// works in FOLDER (default: container-bench in the build folder), which
// needs room for about 3 GiB, and removes its files again.

#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>

#include "container_bench.h"

int main(int argc, char** argv) {
  using namespace sorvane::bench;
  if (argc == 5 && std::strcmp(argv[1], "--child-copy") == 0) return ChildCopy(argv[2], argv[3], argv[4]);
  if (argc == 2 && std::strcmp(argv[1], "--child-idle") == 0) return ChildIdle();

  const std::string folder = argc > 1 ? argv[1] : SORVANE_BENCH_FOLDER;
  const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
  std::filesystem::create_directories(folder);
  int status = 0;
  try {
    LoadFigures(folder);
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
