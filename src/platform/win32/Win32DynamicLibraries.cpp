#include "platform/win32/Win32DynamicLibraries.h"

#include "platform/win32/WidePath.h"
#include "platform/win32/Win32LibrarySearch.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {
namespace {

class Win32DynamicLibrary : public DynamicLibrary {
 public:
  explicit Win32DynamicLibrary(HMODULE module) : module_(module) {}
  ~Win32DynamicLibrary() override { ::FreeLibrary(module_); }
  Win32DynamicLibrary(const Win32DynamicLibrary&) = delete;
  Win32DynamicLibrary& operator=(const Win32DynamicLibrary&) = delete;

  void* Symbol(const std::string& name) override {
    return reinterpret_cast<void*>(::GetProcAddress(module_, name.c_str()));
  }

 private:
  HMODULE module_;
};

// The system's text for an error number, in the user's language, as UTF-8.
std::string SystemMessage(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD size = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
      reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::string message = size > 0 ? TextFromWide(std::wstring_view(text, size)) : "error " + std::to_string(error);
  ::LocalFree(text);
  while (!message.empty() && (message.back() == '\r' || message.back() == '\n' || message.back() == ' '))
    message.pop_back();
  return message;
}

}  // namespace

std::unique_ptr<DynamicLibrary> Win32DynamicLibraries::Open(const std::string& path, std::string& reason) {
  // The loader takes only "\\" between folders, which WidePath puts.
  const std::wstring native = WidePath(path);
  // A damaged file must fail the call, not stop the program with the
  // system's error box.
  DWORD previousMode = 0;
  ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, &previousMode);
  // The library's own imports come from the system folder alone: a ZIP
  // engine imports bcrypt.dll, which must not be taken from the program's
  // folder, nor from the engine's.
  HMODULE module = ::LoadLibraryExW(native.c_str(), nullptr, ImportSearchFlags());
  const DWORD error = ::GetLastError();
  ::SetThreadErrorMode(previousMode, nullptr);
  if (module == nullptr) {
    reason = SystemMessage(error);
    return nullptr;
  }
  reason.clear();
  return std::make_unique<Win32DynamicLibrary>(module);
}

}  // namespace sorvane
