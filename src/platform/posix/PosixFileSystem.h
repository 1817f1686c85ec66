#pragma once

#include <string>
#include <string_view>

#include "platform/FileNamePattern.h"
#include "platform/FileSystem.h"
#include "platform/PathExpansion.h"

namespace sorvane {

// The file services on Linux, over POSIX calls.
//
// Linux has no sharing modes. The one case where their absence loses data is
// emptying a file that is still being read: creating an output file named
// like the open container in the container's own folder would truncate the
// container. So Create refuses any file (same device and inode) that this
// process holds open through OpenRead; that table is kept for the whole
// process, as the sharing modes it stands in for are, so separate instances
// see each other's open files. Other processes are not restricted.
class PosixFileSystem : public FileSystem {
 public:
  // O_RDONLY | O_CLOEXEC; anything but a regular file (a folder, a named
  // pipe, a device) is refused like a missing file.
  std::unique_ptr<Stream> OpenRead(const std::string& path) override;
  // Creates (mode 0666 less the umask) or empties a file for reading and
  // writing. The refusal check and the emptying happen under one lock, after
  // the file is open, so nothing can slip in between.
  std::unique_ptr<Stream> Create(const std::string& path) override;
  bool FileExists(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  // readdir order; "." and ".." are not entries. Names starting with "." are
  // hidden. Symbolic links report what they point to (or the link itself
  // when it points nowhere).
  std::vector<FileEntry> FindFiles(const std::string& folder, const std::string& pattern) override;
  // A name without wildcards is looked up directly first; when that finds
  // nothing, the folder is searched without regard to case.
  std::optional<FileEntry> FindEntry(const std::string& path) override;
  // Absolute and without "." or ".." parts or doubled slashes; worked out on
  // the text alone, so the path need not exist. An empty path stays empty.
  std::string ExpandFileName(const std::string& path) override;
  // Files only; folders are not removed.
  bool DeleteFile(const std::string& path) override;
  bool RenameFile(const std::string& from, const std::string& to) override;
};

}  // namespace sorvane
