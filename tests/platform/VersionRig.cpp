#include "VersionRig.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/posix/PosixVersionInfo.h"

namespace sorvane::testing {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

unsigned Number(const std::string& bytes, std::size_t at, int size) {
  unsigned value = 0;
  for (int i = size - 1; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes.at(at + i));
  return value;
}

// A resource type or name: a number after 0xFFFF, or a UTF-16 string
// (returned as -1). Advances at past it.
int Ordinal(const std::string& bytes, std::size_t& at) {
  if (Number(bytes, at, 2) == 0xFFFF) {
    at += 4;
    return static_cast<int>(Number(bytes, at - 2, 2));
  }
  while (Number(bytes, at, 2) != 0) at += 2;
  at += 2;
  return -1;
}

}  // namespace

std::map<int, std::string> WindresVersionBlocks() {
  // A .res file is a row of entries: data size, header size, type, name and
  // some fields, then the data, each entry aligned to four bytes.
  const std::string res = ReadFile(VERSION_BLOCKS_RES);
  std::map<int, std::string> blocks;
  for (std::size_t entry = 0; entry + 8 <= res.size();) {
    const unsigned dataSize = Number(res, entry, 4), headerSize = Number(res, entry + 4, 4);
    std::size_t at = entry + 8;
    const int type = Ordinal(res, at);
    const int name = Ordinal(res, at);
    if (type == 16) blocks[name] = res.substr(entry + headerSize, dataSize);  // RT_VERSION
    entry = (entry + headerSize + dataSize + 3) & ~std::size_t{3};
  }
  if (blocks.empty()) throw std::runtime_error("no version blocks in " VERSION_BLOCKS_RES);
  return blocks;
}

void CopyWithVersionBlock(const std::string& from, const std::string& to, const std::string& block) {
  const std::string blockFile = to + ".block";
  std::ofstream(blockFile, std::ios::binary) << block;
  const std::string section = kVersionSectionName;
  const std::string change = block.empty() ? "--remove-section " + section
                                           : "--update-section " + section + "='" + blockFile + "'";
  const std::string command = std::string("'") + OBJCOPY + "' " + change + " '" + from + "' '" + to + "'";
  const int status = std::system(command.c_str());
  std::remove(blockFile.c_str());
  if (status != 0) throw std::runtime_error("failed: " + command);
}

std::string WindowsProgramPath() { return WINDOWS_PROGRAM; }
std::string SharedLibraryPath() { return SHARED_LIBRARY; }

}  // namespace sorvane::testing
