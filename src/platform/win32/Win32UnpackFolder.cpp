#include <atomic>
#include <climits>

#include "platform/UnpackFolder.h"
#include "platform/win32/WidePath.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {
namespace {

HANDLE Handle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

DWORD Attributes(const std::string& path) { return ::GetFileAttributesW(WidePath(path).c_str()); }

}  // namespace

UnpackFile::~UnpackFile() {
  if (handle_ != -1) ::CloseHandle(Handle(handle_));
}

bool UnpackFile::Write(const char* data, std::size_t size) {
  for (std::size_t done = 0; done < size;) {
    const DWORD chunk = size - done > INT_MAX ? INT_MAX : static_cast<DWORD>(size - done);
    DWORD put = 0;
    if (!::WriteFile(Handle(handle_), data + done, chunk, &put, nullptr) || put == 0) return false;
    done += put;
  }
  return true;
}

void UnpackFile::SetModified(std::time_t time) {
  // FILETIME counts 100 ns steps since 1601.
  const ULONGLONG ticks = (static_cast<ULONGLONG>(time) + 11644473600ULL) * 10000000ULL;
  FILETIME modified{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  ::SetFileTime(Handle(handle_), nullptr, nullptr, &modified);
}

bool UnpackFile::Close() {
  const HANDLE handle = Handle(handle_);
  handle_ = -1;
  return ::CloseHandle(handle) != 0;
}

// Windows has no calls relative to an open folder: the folder is kept by its
// path, and a folder is entered only when it is no link (junction or
// symbolic link). Names go to the system as UTF-16, which spells every
// member name exactly.
UnpackFolder::~UnpackFolder() = default;

bool UnpackFolder::Open(const std::string& path) {
  const DWORD attributes = Attributes(path);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) return false;
  path_ = path.empty() || path.back() == '/' || path.back() == '\\' ? path : path + "/";
  return true;
}

bool UnpackFolder::Enter(const std::string& name, UnpackFolder& into) const {
  const std::string path = path_ + name;
  ::CreateDirectoryW(WidePath(path).c_str(), nullptr);
  const DWORD attributes = Attributes(path);
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
      (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0)
    return false;
  into.path_ = path + "/";
  return true;
}

int UnpackFolder::FileMode(const std::string&, bool) const { return -1; }

bool UnpackFolder::CreateScratch(int, UnpackFile& file, std::string& name) const {
  static std::atomic<unsigned> serial{0};
  name = ".unzipengine-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(serial++);
  // CREATE_NEW: nothing that lies under the name is opened or written through.
  const HANDLE handle = ::CreateFileW(WidePath(path_ + name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  file.handle_ = reinterpret_cast<std::intptr_t>(handle);
  return true;
}

bool UnpackFolder::Replace(const std::string& from, const std::string& to) const {
  // Replaces a file or a link to one; a folder of that name stays and fails
  // the call.
  return ::MoveFileExW(WidePath(path_ + from).c_str(), WidePath(path_ + to).c_str(),
                       MOVEFILE_REPLACE_EXISTING) != 0;
}

void UnpackFolder::Remove(const std::string& name) const { ::DeleteFileW(WidePath(path_ + name).c_str()); }

bool FileReadable(const std::string& path) {
  const HANDLE handle = ::CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  ::CloseHandle(handle);
  return true;
}

}  // namespace sorvane
