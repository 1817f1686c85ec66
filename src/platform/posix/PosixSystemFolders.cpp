#include "platform/posix/PosixSystemFolders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>

#include "platform/Errors.h"

namespace sorvane {

namespace {

std::string WithSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

}  // namespace

PosixSystemFolders::PosixSystemFolders(std::string sharedParent) : sharedParent_(std::move(sharedParent)) {}

std::string PosixSystemFolders::TempPath() {
  if (const char* tmpdir = std::getenv("TMPDIR"); tmpdir != nullptr && *tmpdir != '\0') return WithSlash(tmpdir);

  const std::string folder = WithSlash(sharedParent_) + "sorvane-" + std::to_string(geteuid());
  if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
    throw Exception(FormatText(texts::kTempFolderNotCreated, folder));
  }
  // Whether we just made it or it was there: check what the name now is.
  // lstat, so that a symbolic link planted under the name is seen as a link.
  struct stat info {};
  if (lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != geteuid() ||
      (info.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
    throw Exception(FormatText(texts::kTempFolderUnsafe, folder));
  }
  return folder + '/';
}

}  // namespace sorvane
