#include "components/zip/ZipRig.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "components/zip/EnginePlacement.h"

namespace sorvane {

namespace fs = std::filesystem;

void ZipRig::SetUp() {
  std::random_device random;
  std::error_code error;
  do {
    root = (fs::temp_directory_path() / ("zip-rig-" + std::to_string(random()))).string() + "/";
  } while (!fs::create_directory(root, error) && !error);
  ASSERT_FALSE(error) << error.message();
  system = root + "system/";
  src = root + "src/";
  out = root + "out/";
  for (const auto& folder : {system, src, out}) fs::create_directories(folder);
  ASSERT_TRUE(PlaceZipEngines(files, EmbeddedEngineResources(), system));
  zip = std::make_unique<TZipArchive>(system, files, libraries, EmbeddedEngineResources());
}

void ZipRig::TearDown() {
  zip.reset();  // Windows keeps a loaded engine's file from being deleted
  fs::remove_all(root);
}

void ZipRig::Source(const std::string& name, const std::string& bytes, int mode) {
  const fs::path path = src + name;
  fs::create_directories(path.parent_path());
  Write(path.string(), bytes);
  fs::permissions(path, static_cast<fs::perms>(mode));
}

void ZipRig::Patch(const std::string& path, const std::string& from, const std::string& to) {
  std::string bytes = Read(path);
  std::size_t count = 0;
  for (auto at = bytes.find(from); at != std::string::npos; at = bytes.find(from, at + to.size())) {
    bytes.replace(at, from.size(), to);
    ++count;
  }
  ASSERT_GT(count, 0u) << from;
  Write(path, bytes);
}

std::string ZipRig::Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void ZipRig::Write(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::vector<std::string> ZipRig::Names(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

void ZipRig::Extract(const std::string& archive) {
  zip->ZipFileName = root + archive;
  zip->ExtractBaseDir = out;
  zip->Extract();
}

}  // namespace sorvane
