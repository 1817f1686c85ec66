#pragma once

#include "platform/VersionInfo.h"

namespace sorvane {

// Version information by the system's version library (version.dll) and the
// shell's executable-type test (SHGetFileInfoA).
class Win32VersionInfo : public VersionInfo {
 public:
  bool IsExecutable(const std::string& path) override;
  std::uint32_t GetFileVersionInfoSize(const std::string& path) override;
  bool GetFileVersionInfo(const std::string& path, std::uint32_t size, void* data) override;
  // VerQueryValueA: texts below "\StringFileInfo" in the ANSI code page,
  // every other value as its bytes.
  std::optional<std::string> VerQueryValue(const void* block, std::uint32_t size, const std::string& subBlock) override;
};

}  // namespace sorvane
