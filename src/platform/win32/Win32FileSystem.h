#pragma once

#include <string>

#include "platform/FileSystem.h"

namespace sorvane {

// The file services on Windows, over the ANSI file calls. Paths are taken in
// UTF-8 and handed to the system in the ANSI code page; names and paths that
// come back are UTF-8 with "/" between folders.
//
// The sharing modes are the system's own: OpenRead lets others write the
// file but not read it, Create shares nothing. So a file open for reading
// here, or anywhere, cannot be emptied by Create, and a second OpenRead of
// a file already open for reading fails as well.
class Win32FileSystem : public FileSystem {
 public:
  // Anything but a disk file (a folder, a device such as "NUL" or "CON",
  // a pipe) is refused like a missing file.
  std::unique_ptr<Stream> OpenRead(const std::string& path) override;
  // CREATE_ALWAYS; a hidden file stays hidden. A device name is refused as
  // well. A symbolic link is written through, as the system does: making
  // one takes a privilege ordinary users lack, and the temporary folder,
  // where a planted one would matter, is the user's own.
  std::unique_ptr<Stream> Create(const std::string& path) override;
  bool FileExists(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  // The system's search (FindFirstFileA), "." and ".." left out; hidden are
  // the entries with the hidden attribute.
  std::vector<FileEntry> FindFiles(const std::string& folder, const std::string& pattern) override;
  std::optional<FileEntry> FindEntry(const std::string& path) override;
  // GetFullPathNameA: against the current folder and its drive, on the text
  // alone, in "/" form ("C:/a/b"). An empty path stays empty.
  std::string ExpandFileName(const std::string& path) override;
  // Files only; folders are not removed.
  bool DeleteFile(const std::string& path) override;
  // MoveFileExA replacing the target, files only, on one volume.
  bool RenameFile(const std::string& from, const std::string& to) override;
};

}  // namespace sorvane
