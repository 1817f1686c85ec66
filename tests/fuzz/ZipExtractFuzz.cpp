// Fuzz entry: an arbitrary update archive unpacked by the ZIP component into
// a scratch folder. Extract may fail, but only with the component's error;
// what it leaves in the folder are plain files (no links, no folders, no
// scratch files), all of them directly inside it, and nothing beside it.

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "components/zip/EnginePlacement.h"
#include "components/zip/TZipArchive.h"
#include "platform/posix/PosixDynamicLibraries.h"
#include "platform/posix/PosixFileSystem.h"

namespace {

namespace fs = std::filesystem;
using namespace sorvane;

void Expect(bool condition) {
  if (!condition) std::abort();
}

// The scratch root with the engines placed in it, made once per process.
struct Scratch {
  std::string root;
  PosixFileSystem files;
  PosixDynamicLibraries libraries;
  std::unique_ptr<TZipArchive> zip;

  Scratch() {
    std::string pattern = (fs::temp_directory_path() / "zip-fuzz-XXXXXX").string();
    Expect(::mkdtemp(pattern.data()) != nullptr);
    root = pattern + "/";
    fs::create_directories(root + "system");
    PlaceZipEngines(files, EmbeddedEngineResources(), root + "system/");
    zip = std::make_unique<TZipArchive>(root + "system/", files, libraries, EmbeddedEngineResources());
  }
  ~Scratch() {
    zip.reset();
    std::error_code ignored;
    fs::remove_all(root, ignored);
  }
};

Scratch& TheScratch() {
  static Scratch scratch;
  return scratch;
}

}  // namespace

// Loads the engine before fuzzing starts, so that the fuzzer counts the
// engine library's code as one of its modules.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Scratch& scratch = TheScratch();
  const std::string empty("PK\x05\x06" + std::string(18, '\0'));
  std::ofstream(scratch.root + "update.zip", std::ios::binary) << empty;
  scratch.zip->ZipFileName = scratch.root + "update.zip";
  scratch.zip->ExtractBaseDir = scratch.root;
  scratch.zip->Extract();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Scratch& scratch = TheScratch();
  const std::string archive = scratch.root + "update.zip";
  const std::string out = scratch.root + "out/";
  std::error_code ignored;
  fs::remove_all(out, ignored);
  fs::create_directories(out);
  std::ofstream(archive, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                    static_cast<std::streamsize>(size));
  scratch.zip->ZipFileName = archive;
  scratch.zip->ExtractBaseDir = out;
  try {
    scratch.zip->Extract();
  } catch (const EZipError&) {
  }
  std::size_t files = 0;
  for (const auto& entry : fs::directory_iterator(out)) {
    struct stat info {};
    Expect(::lstat(entry.path().c_str(), &info) == 0 && S_ISREG(info.st_mode));
    Expect(entry.path().filename().string().rfind(".unzipengine-", 0) != 0);
    ++files;
  }
  Expect(files == scratch.zip->ExtractedCount() || files < scratch.zip->ExtractedCount());
  std::size_t beside = 0;
  for (const auto& entry : fs::directory_iterator(scratch.root)) {
    (void)entry;
    ++beside;
  }
  Expect(beside == 3);  // system/, out/ and the archive
  return 0;
}
