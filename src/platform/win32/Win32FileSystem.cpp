#include "platform/win32/Win32FileSystem.h"

#include <cstdint>
#include <utility>

#include "platform/Errors.h"
#include "platform/win32/WidePath.h"
#include "platform/win32/Win32FileStream.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {
namespace {

// The handle, when it is one on a disk file; otherwise it is closed.
HANDLE DiskFileOnly(HANDLE handle) {
  if (handle == INVALID_HANDLE_VALUE) return handle;
  if (::GetFileType(handle) == FILE_TYPE_DISK) return handle;
  ::CloseHandle(handle);
  return INVALID_HANDLE_VALUE;
}

// The attributes, or INVALID_FILE_ATTRIBUTES.
DWORD AttributesOf(const std::string& path) { return ::GetFileAttributesW(WidePath(path).c_str()); }

FileEntry EntryOf(const WIN32_FIND_DATAW& found) {
  const bool directory = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const std::int64_t size = directory ? 0 : static_cast<std::int64_t>(found.nFileSizeHigh) << 32 | found.nFileSizeLow;
  return FileEntry{PathFromWide(found.cFileName), size, directory, (found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0};
}

// The entries the system's search finds for query (a path whose last part
// may hold wildcards), at most limit of them.
std::vector<FileEntry> Search(const std::string& query, std::size_t limit) {
  std::vector<FileEntry> entries;
  WIN32_FIND_DATAW found;
  const HANDLE search = ::FindFirstFileW(WidePath(query).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    const std::wstring_view name = found.cFileName;
    if (name != L"." && name != L"..") entries.push_back(EntryOf(found));
  } while (entries.size() < limit && ::FindNextFileW(search, &found));
  ::FindClose(search);
  return entries;
}

}  // namespace

std::unique_ptr<Stream> Win32FileSystem::OpenRead(const std::string& path) {
  const HANDLE file = DiskFileOnly(::CreateFileW(WidePath(path).c_str(), GENERIC_READ, FILE_SHARE_WRITE, nullptr,
                                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file == INVALID_HANDLE_VALUE) throw EFOpenError(FormatText(texts::kFOpenError, path));
  return std::make_unique<Win32FileStream>(file);
}

std::unique_ptr<Stream> Win32FileSystem::Create(const std::string& path) {
  const std::wstring wide = WidePath(path);
  // CREATE_ALWAYS refuses to empty a hidden or system file unless asked to
  // keep those attributes; an existing file keeps them.
  const DWORD existing = ::GetFileAttributesW(wide.c_str());
  const DWORD kept = existing == INVALID_FILE_ATTRIBUTES ? 0 : existing & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  const HANDLE file = DiskFileOnly(::CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                 kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL, nullptr));
  if (file == INVALID_HANDLE_VALUE) throw EFCreateError(FormatText(texts::kFCreateError, path));
  return std::make_unique<Win32FileStream>(file);
}

bool Win32FileSystem::FileExists(const std::string& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::DirectoryExists(const std::string& path) {
  const DWORD attributes = AttributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::vector<FileEntry> Win32FileSystem::FindFiles(const std::string& folder, const std::string& pattern) {
  const bool separated = folder.empty() || folder.back() == '/' || folder.back() == '\\';
  return Search(separated ? folder + pattern : folder + "/" + pattern, SIZE_MAX);
}

std::optional<FileEntry> Win32FileSystem::FindEntry(const std::string& path) {
  // A path that ends in a separator names no entry ("C:/" included).
  if (path.empty() || path.back() == '/' || path.back() == '\\') return std::nullopt;
  std::vector<FileEntry> found = Search(path, 1);
  if (found.empty()) return std::nullopt;
  return std::move(found.front());
}

std::string Win32FileSystem::ExpandFileName(const std::string& path) {
  if (path.empty()) return path;
  const std::wstring wide = WidePath(path);
  std::wstring full(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = ::GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length == 0) return path;
    if (length < full.size()) {
      full.resize(length);
      return PathFromWide(full);
    }
    full.resize(length);  // the size it needs, terminating NUL included
  }
}

bool Win32FileSystem::DeleteFile(const std::string& path) { return ::DeleteFileW(WidePath(path).c_str()) != 0; }

bool Win32FileSystem::RenameFile(const std::string& from, const std::string& to) {
  // MoveFileExW would move a folder too; only files are renamed here.
  const DWORD attributes = AttributesOf(from);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
         ::MoveFileExW(WidePath(from).c_str(), WidePath(to).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

}  // namespace sorvane
