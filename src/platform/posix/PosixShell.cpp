#include "platform/posix/PosixShell.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/posix/DetachedProcess.h"

namespace sorvane {

namespace fs = std::filesystem;

std::string FindProgramOnPath(const std::string& program) {
  if (program.empty()) return {};
  if (program.find('/') != std::string::npos) return access(program.c_str(), X_OK) == 0 ? program : std::string();
  const char* path = std::getenv("PATH");
  std::string folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= folders.size()) {
    std::size_t end = folders.find(':', start);
    if (end == std::string::npos) end = folders.size();
    // An empty entry of PATH means the current folder.
    const std::string folder = end == start ? std::string(".") : folders.substr(start, end - start);
    const std::string candidate = folder + "/" + program;
    std::error_code error;
    if (fs::is_regular_file(candidate, error) && access(candidate.c_str(), X_OK) == 0) return candidate;
    start = end + 1;
  }
  return {};
}

PosixShell::PosixShell(std::string opener) : opener_(std::move(opener)) {}

void PosixShell::Open(const std::string& path, const std::string& /*parameters*/, const std::string& workingFolder,
                      int /*showCommand*/) {
  const std::string program = FindProgramOnPath(opener_);
  if (program.empty()) return;

  SpawnDetached({program, path}, workingFolder, true);
}

namespace {

// The target of one file for copy and move: inside destination when that is
// a folder, else destination itself.
fs::path TargetOf(const fs::path& file, const fs::path& destination) {
  std::error_code error;
  if (fs::is_directory(destination, error)) return destination / file.filename();
  return destination;
}

bool CopyOne(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::copy(from, to,
           fs::copy_options::overwrite_existing | fs::copy_options::recursive | fs::copy_options::copy_symlinks,
           error);
  return !error;
}

bool MoveOne(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::rename(from, to, error);
  if (!error) return true;
  if (error != std::errc::cross_device_link) return false;
  if (!CopyOne(from, to)) return false;
  fs::remove_all(from, error);
  return !error;
}

}  // namespace

bool PosixShell::FileOperation(int operation, const std::vector<std::string>& files, const std::string& destination,
                               bool /*confirm*/) {
  bool allDone = true;
  switch (operation) {
    case FO_DELETE:
      for (const auto& file : files) {
        std::error_code error;
        // remove_all does not follow symbolic links: a link is removed, not
        // what it points to. Zero removed means the file was not there.
        if (fs::remove_all(file, error) == 0 || error) allDone = false;
      }
      return allDone;
    case FO_COPY:
    case FO_MOVE:
      if (destination.empty()) return false;
      if (std::error_code error; files.size() > 1 && !fs::is_directory(destination, error)) return false;
      for (const auto& file : files) {
        const fs::path target = TargetOf(file, destination);
        if (!(operation == FO_COPY ? CopyOne(file, target) : MoveOne(file, target))) allDone = false;
      }
      return allDone;
    case FO_RENAME: {
      if (files.size() != 1 || destination.empty()) return false;
      std::error_code error;
      fs::rename(files.front(), destination, error);
      return !error;
    }
    default:
      return false;
  }
}

}  // namespace sorvane
