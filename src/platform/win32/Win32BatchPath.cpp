#include "platform/win32/Win32BatchPath.h"

#include "platform/win32/WidePath.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {
namespace {

// The OEM bytes of text, when the OEM code page has every letter of it.
std::optional<std::string> ExactOem(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int length = static_cast<int>(text.size());
  BOOL lossy = FALSE;
  const int count = ::WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr,
                                          &lossy);
  if (count <= 0 || lossy) return std::nullopt;
  std::string bytes(static_cast<std::size_t>(count), '\0');
  ::WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, text.data(), length, bytes.data(), count, nullptr, &lossy);
  if (lossy) return std::nullopt;
  return bytes;
}

}  // namespace

std::optional<std::string> BatchFilePath(const std::string& path) {
  const std::wstring wide = WidePath(path);
  if (auto bytes = ExactOem(wide)) return bytes;
  if (::GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES) return ExactOem(PathWithNames(wide, PathNames::Short));
  // Not there yet (the script itself): its folder's short form, its name.
  const std::size_t slash = wide.find_last_of(L'\\', wide.size() > 1 ? wide.size() - 2 : 0);
  if (slash == std::wstring::npos || slash == 0) return std::nullopt;
  const std::wstring folder = wide.substr(0, slash);
  if (::GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  return ExactOem(PathWithNames(folder, PathNames::Short) + wide.substr(slash));
}

}  // namespace sorvane
