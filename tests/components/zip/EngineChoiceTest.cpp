#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/zip/TZipArchive.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/MapResources.h"

// Which engine file the component loads, over in-memory files: the program
// folder's "UNZIPENGINE.DLL" only when it is the engine the program carries.
namespace sorvane {
namespace {

using namespace std::string_literals;

// Loads nothing, keeps the paths it was asked for.
class RecordingLibraries : public DynamicLibraries {
 public:
  std::vector<std::string> asked;
  std::unique_ptr<DynamicLibrary> Open(const std::string& path, std::string& reason) override {
    asked.push_back(path);
    reason = "not loaded in this test";
    return nullptr;
  }
};

class EngineChoiceTest : public ::testing::Test {
 protected:
  static constexpr char kProgramFolder[] = "/Downloads/";
  static constexpr char kOwnEngine[] = "/Downloads/UNZIPENGINE.DLL";
  static constexpr char kSystemEngine[] = "/system/UnzipEngine.dll";

  EngineChoiceTest() {
    files.AddFile(kSystemEngine, resources.byName["UNZIPENGINE"]);
    files.AddFile("/Downloads/Update.zip", "PK");
    zip.SetEngineDirectory(kProgramFolder);
    zip.ZipFileName = "/Downloads/Update.zip";
  }

  // The one file Extract tried to load.
  std::string Loaded() {
    libraries.asked.clear();
    EXPECT_THROW(zip.Extract(), EZipError);
    return libraries.asked.size() == 1 ? libraries.asked.front() : "asked " + std::to_string(libraries.asked.size());
  }

  FakeFileSystem files;
  MapResources resources;
  RecordingLibraries libraries;
  TZipArchive zip{"/system/", files, libraries, resources};
};

TEST_F(EngineChoiceTest, TheProgramFoldersEngineIsLoadedOnlyWhenItIsTheCarriedOne) {
  const std::string carried = resources.byName["UNZIPENGINE"];
  EXPECT_EQ(Loaded(), kSystemEngine) << "none in the program folder";

  std::string oneByteOff = carried;
  oneByteOff.back() ^= 1;
  for (const std::string& planted : {std::string(), carried.substr(0, carried.size() - 1), carried + "\0"s, oneByteOff,
                                     carried + carried}) {
    files.AddFile(kOwnEngine, planted);
    EXPECT_EQ(Loaded(), kSystemEngine) << planted.size() << " bytes";
  }

  files.AddFile(kOwnEngine, carried);
  EXPECT_EQ(Loaded(), kOwnEngine);
  EXPECT_EQ(zip.EnginePath(), kOwnEngine);

  files.FailOpen(kOwnEngine);
  EXPECT_EQ(Loaded(), kSystemEngine) << "a file that cannot be read is not compared";
}

TEST_F(EngineChoiceTest, AProgramThatCarriesNoEngineTrustsNoFileInItsFolder) {
  files.AddFile(kOwnEngine, resources.byName["UNZIPENGINE"]);
  resources.byName.erase("UNZIPENGINE");
  EXPECT_EQ(Loaded(), kSystemEngine);
}

}  // namespace
}  // namespace sorvane
