#include "platform/posix/PosixDesktopMenu.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <utility>

#include "platform/Errors.h"
#include "platform/posix/HomeFolder.h"

namespace sorvane {
namespace {

constexpr char kIconFolder[] = "/icons/hicolor/32x32/apps/";
constexpr char kEntryFolder[] = "/applications/";
constexpr char kMimeFolder[] = "/mime";
constexpr char kFileTypeIconFolder[] = "/icons/hicolor/32x32/mimetypes/";

extern "C" char** environ;

std::string ParentOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos || slash == 0 ? std::string("/") : path.substr(0, slash);
}

// Makes folder and the folders above it that are missing.
bool MakeFolders(const std::string& folder, mode_t mode) {
  struct stat info {};
  if (stat(folder.c_str(), &info) == 0) return S_ISDIR(info.st_mode);
  if (folder.size() > 1 && !MakeFolders(ParentOf(folder), 0755)) return false;
  return mkdir(folder.c_str(), mode) == 0 || errno == EEXIST;
}

bool WriteAll(int fd, const std::uint8_t* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = write(fd, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

// Writes bytes to path through a fresh file beside it that is renamed over
// path when complete.
void ReplaceFile(const std::string& path, std::span<const std::uint8_t> bytes) {
  std::string temp = path + ".XXXXXX";
  const int fd = mkstemp(temp.data());
  bool ok = fd >= 0;
  if (ok) {
    ok = fchmod(fd, 0644) == 0 && WriteAll(fd, bytes.data(), bytes.size());
    ok = close(fd) == 0 && ok;
    ok = ok && rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) unlink(temp.c_str());
  }
  if (!ok) throw EFCreateError(FormatText(texts::kFCreateError, path));
}

std::span<const std::uint8_t> BytesOf(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

bool HasContent(const std::string& path, const std::string& content) {
  std::ifstream in(path, std::ios::binary);
  return in && std::string(std::istreambuf_iterator<char>(in), {}) == content;
}

// Runs one of the desktop's cache tools on folder and waits for it. Without
// the tool the files stay for the next rebuild; the file manager then just
// does not know the type, or its program, yet.
void RunCacheTool(const char* name, const std::string& folder) {
  posix_spawn_file_actions_t actions;
  if (posix_spawn_file_actions_init(&actions) != 0) return;
  posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  std::string tool = name, argument = folder;
  char* argv[] = {tool.data(), argument.data(), nullptr};
  pid_t child = 0;
  if (posix_spawnp(&child, tool.c_str(), &actions, nullptr, argv, environ) == 0) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
  }
  posix_spawn_file_actions_destroy(&actions);
}

// The MIME database below mimeFolder, from the packages in it.
void UpdateMimeDatabase(const std::string& mimeFolder) { RunCacheTool("update-mime-database", mimeFolder); }

// The applications folder's mimeinfo.cache, from its entries' MimeType
// lines: GLib's gio open (GNOME's file manager, xdg-open on GNOME) finds
// the program for a file type only there, not in the entries themselves.
void UpdateDesktopDatabase(const std::string& entryFolder) { RunCacheTool("update-desktop-database", entryFolder); }

}  // namespace

PosixDesktopMenu::PosixDesktopMenu(std::string dataHome) : dataHome_(std::move(dataHome)) {}

std::string PosixDesktopMenu::DataHome() {
  return dataHome_.empty() ? UserDataFolder() : dataHome_;
}

std::string PosixDesktopMenu::IconPath(const std::string& name) { return DataHome() + kIconFolder + name + ".png"; }

std::string PosixDesktopMenu::EntryPath(const std::string& name) {
  return DataHome() + kEntryFolder + name + ".desktop";
}

void PosixDesktopMenu::Install(const std::string& name, const std::string& entryText,
                               std::span<const std::uint8_t> iconPng) {
  const std::string data = DataHome();
  MakeFolders(data, 0700);
  const std::string icon = IconPath(name);
  const std::string entry = EntryPath(name);
  // A folder that cannot be made shows as the file that cannot be created.
  MakeFolders(ParentOf(icon), 0755);
  ReplaceFile(icon, iconPng);
  MakeFolders(ParentOf(entry), 0755);
  // Every start writes the entry; the cache is rebuilt only when the entry
  // changed (the program moved) or the cache is missing.
  const bool unchanged = HasContent(entry, entryText);
  ReplaceFile(entry, BytesOf(entryText));
  const std::string entryFolder = ParentOf(entry);
  if (!unchanged || access((entryFolder + "/mimeinfo.cache").c_str(), F_OK) != 0) UpdateDesktopDatabase(entryFolder);
}

void PosixDesktopMenu::Remove(const std::string& name) {
  const std::string entry = EntryPath(name);
  if (unlink(entry.c_str()) == 0) UpdateDesktopDatabase(ParentOf(entry));
  unlink(IconPath(name).c_str());
}

std::string PosixDesktopMenu::MimePackagePath(const std::string& name) {
  return DataHome() + kMimeFolder + "/packages/" + name + ".xml";
}

std::string PosixDesktopMenu::FileTypeIconPath(const std::string& mimeType) {
  // The icon name the MIME database gives a type without its own: the
  // type with "-" for "/".
  std::string icon = mimeType;
  for (char& c : icon) {
    if (c == '/') c = '-';
  }
  return DataHome() + kFileTypeIconFolder + icon + ".png";
}

void PosixDesktopMenu::InstallFileType(const std::string& name, const std::string& mimeType,
                                       const std::string& mimeInfo, std::span<const std::uint8_t> iconPng) {
  MakeFolders(DataHome(), 0700);
  const std::string icon = FileTypeIconPath(mimeType);
  MakeFolders(ParentOf(icon), 0755);
  ReplaceFile(icon, iconPng);
  const std::string package = MimePackagePath(name);
  if (HasContent(package, mimeInfo)) return;
  MakeFolders(ParentOf(package), 0755);
  ReplaceFile(package, BytesOf(mimeInfo));
  UpdateMimeDatabase(DataHome() + kMimeFolder);
}

void PosixDesktopMenu::RemoveFileType(const std::string& name, const std::string& mimeType) {
  unlink(FileTypeIconPath(mimeType).c_str());
  if (unlink(MimePackagePath(name).c_str()) == 0) UpdateMimeDatabase(DataHome() + kMimeFolder);
}

}  // namespace sorvane
