#include "platform/win32/Win32VersionInfo.h"

#include "platform/win32/WidePath.h"
#include "platform/win32/WindowsApi.h"

#include <shellapi.h>

namespace sorvane {
bool Win32VersionInfo::IsExecutable(const std::string& path) {
  return ::SHGetFileInfoW(WidePath(path).c_str(), 0, nullptr, 0, SHGFI_EXETYPE) != 0;
}

std::uint32_t Win32VersionInfo::GetFileVersionInfoSize(const std::string& path) {
  DWORD unused = 0;
  return ::GetFileVersionInfoSizeW(WidePath(path).c_str(), &unused);
}

bool Win32VersionInfo::GetFileVersionInfo(const std::string& path, std::uint32_t size, void* data) {
  return ::GetFileVersionInfoW(WidePath(path).c_str(), 0, size, data) != 0;
}

std::optional<std::string> Win32VersionInfo::VerQueryValue(const void* block, std::uint32_t size,
                                                           const std::string& subBlock) {
  void* value = nullptr;
  UINT length = 0;
  // VerQueryValueA may write the ANSI form of a text into the spare room the
  // size query reserved behind the block; the block is the caller's copy.
  if (size == 0 || !::VerQueryValueA(const_cast<void*>(block), subBlock.c_str(), &value, &length) || value == nullptr) {
    return std::nullopt;
  }
  // Texts are counted in characters, which in the ANSI form are bytes; other
  // values in bytes.
  return std::string(static_cast<const char*>(value), length);
}

}  // namespace sorvane
