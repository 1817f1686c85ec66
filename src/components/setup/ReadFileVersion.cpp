#include "components/setup/ReadFileVersion.h"

#include <cstdio>
#include <vector>

namespace sorvane {

std::string ReadFileVersion(VersionInfo& versions, const std::string& path) {
  if (!versions.IsExecutable(path)) return {};
  const std::uint32_t size = versions.GetFileVersionInfoSize(path);
  if (size == 0) return {};
  std::vector<unsigned char> block(size, 0);
  // The block of the file asked about: both callers ask about the running
  // program, and reading any other file here would answer a different
  // question than the one the shell test above checked.
  if (!versions.GetFileVersionInfo(path, size, block.data())) return {};

  const auto translation = versions.VerQueryValue(block.data(), size, "\\VarFileInfo\\Translation");
  if (!translation || translation->size() < 4) return {};
  auto word = [&](std::size_t at) {
    return static_cast<unsigned>(static_cast<unsigned char>((*translation)[at]) |
                                 (static_cast<unsigned char>((*translation)[at + 1]) << 8));
  };
  char query[64];
  std::snprintf(query, sizeof query, "\\StringFileInfo\\%.4x%.4x\\%s", word(0), word(2), "FileVersion");

  const auto text = versions.VerQueryValue(block.data(), size, query);
  if (!text) return {};
  return text->substr(0, text->find('\0'));
}

}  // namespace sorvane
