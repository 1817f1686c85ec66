#include "platform/win32/Win32FolderBrowser.h"

#include "platform/win32/WidePath.h"
#include "platform/win32/WindowsApi.h"

#include <objbase.h>
#include <shlobj.h>

namespace sorvane {
namespace {

// The browser of the new style is made of COM objects and needs a
// single-threaded apartment on the calling thread. The toolkit has usually
// entered one already; entering it again only counts up, and is undone here.
class Apartment {
 public:
  Apartment() : entered_(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~Apartment() {
    if (entered_) ::CoUninitialize();
  }
  Apartment(const Apartment&) = delete;
  Apartment& operator=(const Apartment&) = delete;

 private:
  bool entered_;
};

// Selects the folder given as data once the browser is ready; the path
// is UTF-16 with "\".
int CALLBACK SelectFolderWhenReady(HWND browser, UINT message, LPARAM /*parameter*/, LPARAM data) {
  if (message == BFFM_INITIALIZED) ::SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, data);
  return 0;
}

// The shell item of path, or null when the desktop folder does not know it.
LPITEMIDLIST ParseShellItem(HWND owner, const std::string& path) {
  IShellFolder* desktop = nullptr;
  if (FAILED(::SHGetDesktopFolder(&desktop)) || desktop == nullptr) return nullptr;
  std::wstring name = WidePath(path);
  LPITEMIDLIST item = nullptr;
  ULONG eaten = 0;
  if (FAILED(desktop->ParseDisplayName(owner, nullptr, name.data(), &eaten, &item, nullptr))) item = nullptr;
  desktop->Release();
  return item;
}

// Only file-system folders, the resizable new style, and on request the
// edit box and files in the tree.
unsigned FolderBrowserFlags(const FolderBrowserRequest& request) {
  return BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE | (request.editBox ? BIF_EDITBOX : 0u) |
         (request.includeFiles ? BIF_BROWSEINCLUDEFILES : 0u);
}

}  // namespace

std::optional<std::string> Win32FolderBrowser::Browse(void* owner, const FolderBrowserRequest& request) {
  const Apartment apartment;
  IMalloc* allocator = nullptr;
  if (FAILED(::SHGetMalloc(&allocator)) || allocator == nullptr) return std::nullopt;
  auto* displayName = static_cast<wchar_t*>(allocator->Alloc(MAX_PATH * sizeof(wchar_t)));
  if (displayName == nullptr) {
    allocator->Release();
    return std::nullopt;
  }
  const auto window = static_cast<HWND>(owner);
  const LPITEMIDLIST root = request.root.empty() ? nullptr : ParseShellItem(window, request.root);
  const std::wstring title = WideText(request.prompt);
  const std::wstring selected = WidePath(request.folder);

  BROWSEINFOW info{};
  info.hwndOwner = window;
  info.pidlRoot = root;
  info.pszDisplayName = displayName;
  info.lpszTitle = title.c_str();
  info.ulFlags = FolderBrowserFlags(request);
  if (!request.folder.empty()) {
    info.lpfn = SelectFolderWhenReady;
    info.lParam = reinterpret_cast<LPARAM>(selected.c_str());
  }
  std::optional<std::string> chosen;
  if (const LPITEMIDLIST item = ::SHBrowseForFolderW(&info); item != nullptr) {
    wchar_t path[MAX_PATH] = {};
    if (::SHGetPathFromIDListW(item, path) && path[0] != L'\0') chosen = PathFromWide(path);
    allocator->Free(item);
  }
  if (root != nullptr) allocator->Free(root);
  allocator->Free(displayName);
  allocator->Release();
  return chosen;
}

std::unique_ptr<FolderBrowser> NewFolderBrowser() { return std::make_unique<Win32FolderBrowser>(); }

}  // namespace sorvane
