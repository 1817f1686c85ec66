#pragma once

#include "platform/VersionInfo.h"
#include "platform/Cp1252CodePage.h"

namespace sorvane {

// The section of an ELF program that carries its version block, written at
// build time (cmake/SorvaneVersionInfo.cmake).
inline constexpr char kVersionSectionName[] = ".vs_version_info";

// Version information of Linux programs, whose block lies in the ELF section
// above, and of Windows programs, whose block is their version resource.
// Texts are handed out in code page 1252.
class PosixVersionInfo : public VersionInfo {
 public:
  bool IsExecutable(const std::string& path) override;
  std::uint32_t GetFileVersionInfoSize(const std::string& path) override;
  bool GetFileVersionInfo(const std::string& path, std::uint32_t size, void* data) override;
  std::optional<std::string> VerQueryValue(const void* block, std::uint32_t size, const std::string& subBlock) override;

 private:
  Cp1252CodePage codePage_;
};

}  // namespace sorvane
