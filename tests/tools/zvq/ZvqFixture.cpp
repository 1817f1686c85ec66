#include "ZvqFixture.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/MemoryStream.h"

namespace sorvane::testing {

void ZvqFixture::SetUp() {
  char pattern[] = "/tmp/zvq-test-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  folder_ = pattern;
}

void ZvqFixture::TearDown() { std::filesystem::remove_all(folder_); }

void ZvqFixture::WriteFile(const std::string& path, const std::string& bytes) const {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  ASSERT_TRUE(out.good()) << path;
}

std::string ZvqFixture::ReadFile(const std::string& path) const {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool ZvqFixture::Exists(const std::string& path) const { return std::filesystem::exists(path); }

std::vector<std::string> ZvqFixture::FolderNames(const std::string& path) const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

std::string ZvqFixture::MakeContainer(const std::string& name, std::int32_t accountCount,
                                      const std::function<void(ContainerWriter&)>& fill,
                                      const std::vector<ContainerAccount>& accounts, const AnsiString& title,
                                      const AnsiString& author) {
  MemoryStream bytes;
  ContainerWriter writer(bytes, accountCount);
  fill(writer);
  writer.Finish(accounts, title, author);
  const std::string path = Path(name);
  WriteFile(path, bytes.Bytes());
  return path;
}

ProgramResult ZvqFixture::Zvq(const std::vector<std::string>& arguments, const std::vector<std::string>& environment,
                              const std::string& stdinFile) const {
  std::vector<std::string> env{"LC_ALL=C", "LANG=C"};
  env.insert(env.end(), environment.begin(), environment.end());
  // A later entry of the same name wins here.
  std::vector<std::string> merged;
  for (auto it = env.rbegin(); it != env.rend(); ++it) {
    const std::string name = it->substr(0, it->find('='));
    if (std::none_of(merged.begin(), merged.end(),
                     [&](const std::string& e) { return e.substr(0, e.find('=')) == name; })) {
      merged.push_back(*it);
    }
  }
  return RunProgram(ZVQ_BINARY, arguments, stdinFile, merged);
}

}  // namespace sorvane::testing
