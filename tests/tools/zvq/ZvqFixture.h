#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "RunProgram.h"
#include "container/ContainerWriter.h"

namespace sorvane::testing {

// A temporary folder to make containers in and run the built zvq on them.
class ZvqFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // path inside the temporary folder
  std::string Path(const std::string& name) const { return folder_ + "/" + name; }
  void WriteFile(const std::string& path, const std::string& bytes) const;
  std::string ReadFile(const std::string& path) const;
  bool Exists(const std::string& path) const;
  // Names in a folder, sorted by bytes.
  std::vector<std::string> FolderNames(const std::string& path) const;

  // Writes a container with accountCount columns: fill adds the members,
  // then the accounts, title and author finish it. Returns its path.
  std::string MakeContainer(const std::string& name, std::int32_t accountCount,
                            const std::function<void(ContainerWriter&)>& fill,
                            const std::vector<ContainerAccount>& accounts, const AnsiString& title = "Titel",
                            const AnsiString& author = "Autor");

  // Runs zvq in the C locale unless environment says otherwise.
  ProgramResult Zvq(const std::vector<std::string>& arguments, const std::vector<std::string>& environment = {},
                    const std::string& stdinFile = "/dev/null") const;

 private:
  std::string folder_;
};

}  // namespace sorvane::testing
