#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sorvane {

// Where some bytes lie in a file.
struct FileSpan {
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
};

// The file's ELF section of that name, when the file is an ELF file (32 or 64
// bits, either byte order) with such a section holding bytes in the file.
std::optional<FileSpan> FindElfSection(const std::string& path, std::string_view name);

// The version resource of a Windows PE image (type RT_VERSION, the resource
// numbered 1 or else the first one, its first language).
std::optional<FileSpan> FindPeVersionResource(const std::string& path);

// A program that can be started: an ELF executable, or an ELF shared object
// that names a program interpreter (a position-independent program, unlike a
// library), or a Windows PE image marked executable.
bool IsStartableProgram(const std::string& path);

}  // namespace sorvane
