#include "platform/posix/PosixSystemFolders.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>
#include <vector>

#include "platform/Errors.h"

namespace sorvane {

namespace {

std::string WithSlash(std::string path) {
  if (path.empty() || path.back() != '/') path += '/';
  return path;
}

// Without trailing slashes: lstat of "name/" would follow a link.
std::string WithoutSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

bool IsPrivate(const std::string& folder) {
  struct stat info {};
  return lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == geteuid() &&
         (info.st_mode & 0777) == 0700;
}

}  // namespace

PosixSystemFolders::PosixSystemFolders(std::string sharedParent) : sharedParent_(std::move(sharedParent)) {}

std::string PosixSystemFolders::TempPath() {
  const std::string ownName = "sorvane-" + std::to_string(geteuid());
  std::string parent;
  std::string folder;
  // A relative TMPDIR would name another folder after every change of the
  // working folder, and the batch file runs from elsewhere: it counts as unset.
  if (const char* tmpdir = std::getenv("TMPDIR"); tmpdir != nullptr && *tmpdir == '/') {
    parent = WithSlash(tmpdir);
    folder = WithoutSlash(tmpdir);
  } else {
    parent = WithSlash(sharedParent_);
    folder = parent + ownName;
    if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
      throw Exception(FormatText(texts::kTempFolderNotCreated, folder));
    }
  }
  // Whether we just made it or it was there: check what the name now is.
  if (IsPrivate(folder)) return folder + '/';

  if (freshParent_ == parent && IsPrivate(fresh_)) return fresh_ + '/';
  const std::string pattern = parent + ownName + "-XXXXXX";
  std::vector<char> name(pattern.begin(), pattern.end());
  name.push_back('\0');
  if (mkdtemp(name.data()) == nullptr) throw Exception(FormatText(texts::kTempFolderNotCreated, pattern));
  freshParent_ = parent;
  fresh_ = name.data();
  return fresh_ + '/';
}

}  // namespace sorvane
