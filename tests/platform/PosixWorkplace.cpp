#include <stdlib.h>

#include <filesystem>
#include <stdexcept>

#include <gtest/gtest.h>

#include "FileSystemWorkplace.h"
#include "platform/posix/PosixFileSystem.h"

namespace sorvane {

const char kRealWorkplaceName[] = "Posix";

Workplace RealWorkplace() {
  std::string pattern = ::testing::TempDir() + "sorvane-fs-XXXXXX";
  const char* made = ::mkdtemp(pattern.data());
  if (made == nullptr) throw std::runtime_error("no temporary folder");
  Workplace place;
  place.files = std::make_unique<PosixFileSystem>();
  place.root = made;
  place.cleanUp = [root = place.root] { std::filesystem::remove_all(root); };
  return place;
}

}  // namespace sorvane
