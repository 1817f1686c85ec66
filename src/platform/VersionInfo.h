#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace sorvane {

// A program file's version information: the version block the file carries
// (a VS_VERSIONINFO structure as Windows resources hold it) and the queries
// over it, with the shell's test whether a file is a program at all.
class VersionInfo {
 public:
  virtual ~VersionInfo() = default;

  // The shell's executable-type test: true for a program that can be started.
  virtual bool IsExecutable(const std::string& path) = 0;

  // Size in bytes of the file's version block; 0 when it has none or the file
  // cannot be read.
  virtual std::uint32_t GetFileVersionInfoSize(const std::string& path) = 0;

  // Copies the version block into data (at most size bytes; the caller made
  // the buffer with the size above). False when there is none to copy.
  virtual bool GetFileVersionInfo(const std::string& path, std::uint32_t size, void* data) = 0;

  // The value at subBlock inside a block from GetFileVersionInfo: "\" is the
  // fixed file information, "\VarFileInfo\Translation" the language and code
  // page pairs, "\StringFileInfo\<block>\<name>" a text. Block and value names
  // are matched without regard to case. Texts come in the ANSI code page, as
  // many characters as the block gives (normally with the terminating NUL);
  // other values as their bytes. nullopt when there is no such value.
  virtual std::optional<std::string> VerQueryValue(const void* block, std::uint32_t size,
                                                   const std::string& subBlock) = 0;
};

}  // namespace sorvane
