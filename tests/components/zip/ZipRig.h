#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "ZipSystem.h"
#include "components/zip/TZipArchive.h"

namespace sorvane {

// A scratch folder with the engines placed in its "system/" folder as the
// update component places them, a source folder "src/" for Info-ZIP's zip
// and an empty target "out/".
class ZipRig : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Writes a file below src/ (folders made as needed); mode for chmod.
  void Source(const std::string& name, const std::string& bytes, int mode = 0644);
  // Runs zip with arguments in src/, making archive (a path below root).
  // Linux only.
  void Zip(const std::string& archive, const std::vector<std::string>& arguments);
  // Copies an archive that zip made at build time (make-archives.sh) to
  // root. Windows only, where zip cannot run.
  void Prebuilt(const std::string& archive);
  // Replaces every occurrence of from with to (same length) in a file.
  void Patch(const std::string& path, const std::string& from, const std::string& to);
  static std::string Read(const std::string& path);
  static void Write(const std::string& path, const std::string& bytes);
  // Names in a folder, sorted.
  static std::vector<std::string> Names(const std::string& folder);
  // Extracts archive into out/ with a fresh component.
  void Extract(const std::string& archive);

  std::string root;    // ends with "/"
  std::string system;  // root + "system/"
  std::string src;
  std::string out;
  SystemFileSystem files;
  SystemLibraries libraries;
  std::unique_ptr<TZipArchive> zip;
};

}  // namespace sorvane
