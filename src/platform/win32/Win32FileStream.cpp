#include "platform/win32/Win32FileStream.h"

#include <algorithm>
#include <limits>

#include "platform/Errors.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {
namespace {

// One call moves at most this much; a DWORD count holds it with room.
constexpr std::size_t kMaxTransfer = std::size_t{1} << 30;

OVERLAPPED At(std::int64_t position) {
  OVERLAPPED where{};
  where.Offset = static_cast<DWORD>(static_cast<std::uint64_t>(position));
  where.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(position) >> 32);
  return where;
}

}  // namespace

Win32FileStream::Win32FileStream(void* handle) : handle_(handle) {}

Win32FileStream::~Win32FileStream() { ::CloseHandle(handle_); }

std::size_t Win32FileStream::Read(void* buffer, std::size_t count) {
  count = std::min(count, kMaxTransfer);
  if (count == 0) return 0;
  OVERLAPPED where = At(position_);
  DWORD got = 0;
  if (!::ReadFile(handle_, buffer, static_cast<DWORD>(count), &got, &where)) {
    // Reading at or past the end is no error: there is nothing more.
    if (::GetLastError() == ERROR_HANDLE_EOF) return 0;
    throw EReadError(texts::kReadError);
  }
  position_ += got;
  return got;
}

std::size_t Win32FileStream::Write(const void* buffer, std::size_t count) {
  count = std::min(count, kMaxTransfer);
  if (count == 0) return 0;
  OVERLAPPED where = At(position_);
  DWORD put = 0;
  if (!::WriteFile(handle_, buffer, static_cast<DWORD>(count), &put, &where)) {
    // A full disk is the case callers report as a short write.
    const DWORD error = ::GetLastError();
    if (error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL) return 0;
    throw EWriteError(texts::kWriteError);
  }
  position_ += put;
  return put;
}

std::int64_t Win32FileStream::Seek(std::int64_t offset, SeekOrigin origin) {
  std::int64_t base = 0;
  switch (origin) {
    case SeekOrigin::Begin: base = 0; break;
    case SeekOrigin::Current: base = position_; break;
    case SeekOrigin::End: base = Size(); break;
  }
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  if (offset < 0 ? base + offset < 0 : offset > kMax - base) throw EReadError(texts::kReadError);
  position_ = base + offset;
  return position_;
}

std::int64_t Win32FileStream::Size() {
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(handle_, &size)) throw EReadError(texts::kReadError);
  return size.QuadPart;
}

std::optional<FileStamp> Win32FileStream::Stamp() {
  BY_HANDLE_FILE_INFORMATION info;
  if (!::GetFileInformationByHandle(handle_, &info)) return std::nullopt;
  const auto wide = [](DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; };
  const FILETIME& written = info.ftLastWriteTime;
  return FileStamp{info.dwVolumeSerialNumber, wide(info.nFileIndexHigh, info.nFileIndexLow),
                   static_cast<std::int64_t>(wide(info.nFileSizeHigh, info.nFileSizeLow)),
                   static_cast<std::int64_t>(wide(written.dwHighDateTime, written.dwLowDateTime))};
}

}  // namespace sorvane
