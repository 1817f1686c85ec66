#include "platform/posix/PosixFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <mutex>
#include <utility>

#include "platform/Errors.h"
#include "platform/FileNamePattern.h"
#include "platform/PathExpansion.h"
#include "platform/posix/PosixFileStream.h"

namespace sorvane {
namespace {

// Files this process holds open through OpenRead, by device and inode, with
// how many times each is open.
class ReadShareTable {
 public:
  std::mutex lock;
  std::map<std::pair<dev_t, ino_t>, int> readers;
};

ReadShareTable& OpenForReading() {
  static ReadShareTable table;
  return table;
}

std::optional<FileEntry> EntryAt(int folder, const char* name) {
  struct stat info;
  if (::fstatat(folder, name, &info, 0) != 0 && ::fstatat(folder, name, &info, AT_SYMLINK_NOFOLLOW) != 0) {
    return std::nullopt;
  }
  const bool directory = S_ISDIR(info.st_mode);
  return FileEntry{name, directory ? 0 : static_cast<std::int64_t>(info.st_size), directory, name[0] == '.'};
}

bool HasWildcard(std::string_view name) { return name.find_first_of("*?") != std::string_view::npos; }

}  // namespace

std::unique_ptr<Stream> PosixFileSystem::OpenRead(const std::string& path) {
  // O_NONBLOCK keeps a named pipe from blocking the open until a writer
  // comes; only regular files are accepted, so it changes nothing else.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  struct stat info;
  if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    if (fd >= 0) ::close(fd);
    throw EFOpenError(FormatText(texts::kFOpenError, path));
  }
  const auto key = std::make_pair(info.st_dev, info.st_ino);
  ReadShareTable& table = OpenForReading();
  {
    std::lock_guard<std::mutex> hold(table.lock);
    ++table.readers[key];
  }
  return std::make_unique<PosixFileStream>(fd, [key, &table] {
    std::lock_guard<std::mutex> hold(table.lock);
    if (--table.readers[key] == 0) table.readers.erase(key);
  });
}

namespace {

// The file to write at path, made or opened; made tells which. A symbolic
// link there is never written through: in a shared folder (the temporary
// folder above all) anyone may plant one that leads to another user's file.
// A link is replaced by a new regular file, as archive tools do, unless it
// leads to a folder. O_EXCL and O_NOFOLLOW keep a link made meanwhile from
// being followed either. A new file is tried first: an extraction into a
// fresh folder makes every file, and asking whether one is there first
// costs another lookup in a folder that may hold a million names.
int OpenOrCreateFile(const std::string& path, bool& made) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    made = fd >= 0;
    if (fd >= 0 || errno != EEXIST) return fd;
    fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
    if (fd >= 0) return fd;
    if (errno == ELOOP) {
      struct stat target;
      if (::stat(path.c_str(), &target) == 0 && S_ISDIR(target.st_mode)) return -1;
      if (::unlink(path.c_str()) != 0 && errno != ENOENT) return -1;
    } else if (errno != ENOENT) {
      return -1;
    }
  }
  return -1;
}

}  // namespace

std::unique_ptr<Stream> PosixFileSystem::Create(const std::string& path) {
  // Opened without O_TRUNC: the file may only be emptied once it is known
  // not to be a file this process is reading.
  bool made = false;
  const int fd = OpenOrCreateFile(path, made);
  if (fd < 0) throw EFCreateError(FormatText(texts::kFCreateError, path));
  // A file just made is empty and cannot be one being read.
  if (made) return std::make_unique<PosixFileStream>(fd);
  ReadShareTable& table = OpenForReading();
  bool refused = false;
  {
    std::lock_guard<std::mutex> hold(table.lock);
    struct stat info;
    // An empty file is left alone: on ext4, truncating even an empty file
    // makes its close flush everything written since, which would cost a
    // large new file a wait for the disk.
    refused = ::fstat(fd, &info) != 0 || table.readers.count({info.st_dev, info.st_ino}) > 0 ||
              (info.st_size > 0 && ::ftruncate(fd, 0) != 0);
  }
  if (refused) {
    ::close(fd);
    throw EFCreateError(FormatText(texts::kFCreateError, path));
  }
  return std::make_unique<PosixFileStream>(fd);
}

bool PosixFileSystem::FileExists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

bool PosixFileSystem::DirectoryExists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::vector<FileEntry> PosixFileSystem::FindFiles(const std::string& folder, const std::string& pattern) {
  std::vector<FileEntry> entries;
  DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
  if (dir == nullptr) return entries;
  while (const dirent* item = ::readdir(dir)) {
    const std::string_view name = item->d_name;
    if (name == "." || name == ".." || !MatchFileNamePattern(pattern, name)) continue;
    if (auto entry = EntryAt(::dirfd(dir), item->d_name)) entries.push_back(std::move(*entry));
  }
  ::closedir(dir);
  return entries;
}

std::optional<FileEntry> PosixFileSystem::FindEntry(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  if (name.empty()) return std::nullopt;
  const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  if (!HasWildcard(name)) {
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
      auto entry = EntryAt(dir, name.c_str());
      ::close(dir);
      if (entry) return entry;
    }
  }
  std::vector<FileEntry> found = FindFiles(folder, name);
  if (found.empty()) return std::nullopt;
  return std::move(found.front());
}

std::string PosixFileSystem::ExpandFileName(const std::string& path) {
  if (!path.empty() && path.front() == '/') return ExpandPath("/", path);
  std::string here(4096, '\0');
  while (::getcwd(here.data(), here.size()) == nullptr) {
    if (errno != ERANGE) return path;
    here.resize(here.size() * 2);
  }
  return ExpandPath(here.c_str(), path);
}

bool PosixFileSystem::DeleteFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool PosixFileSystem::RenameFile(const std::string& from, const std::string& to) {
  struct stat info;
  // rename would move a folder too; only files are renamed here.
  return ::lstat(from.c_str(), &info) == 0 && !S_ISDIR(info.st_mode) && ::rename(from.c_str(), to.c_str()) == 0;
}

}  // namespace sorvane
