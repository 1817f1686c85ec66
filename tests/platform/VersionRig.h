#pragma once

#include <map>
#include <string>

namespace sorvane::testing {

// The version blocks that the Windows resource compiler made from
// VersionBlocks.rc, by resource number.
std::map<int, std::string> WindresVersionBlocks();

// A copy of the ELF file from, at path to, whose version section holds block
// instead (objcopy); with an empty block the copy has no version section.
void CopyWithVersionBlock(const std::string& from, const std::string& to, const std::string& block);

// Files the build made for the executable-type test: a Windows program
// (windres and the MinGW linker) and a shared library carrying a version block.
std::string WindowsProgramPath();
std::string SharedLibraryPath();

}  // namespace sorvane::testing
