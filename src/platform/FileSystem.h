#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Stream.h"

namespace sorvane {

// One entry of a directory search.
struct FileEntry {
  std::string name;    // the entry's name, no folder part
  std::int64_t size;   // bytes; 0 for folders
  bool directory;
  bool hidden;
};

// The file services the program uses. Paths are UTF-8 as the file system
// spells them; "/" separates folders.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Opens an existing file for reading. Other programs may write it while it
  // is open but not read it (where the system has no sharing modes this is
  // approximated). Throws EFOpenError "Datei %s kann nicht geöffnet werden"
  // with the path as given.
  virtual std::unique_ptr<Stream> OpenRead(const std::string& path) = 0;

  // Creates a file, or empties an existing one, for reading and writing
  // without sharing. A file this process holds open through OpenRead is not
  // emptied: that fails like any other refusal, with EFCreateError
  // "Datei %s kann nicht erstellt werden" and the path as given. Where the
  // system has symbolic links, none is written through: a link is replaced
  // by the new file, unless it leads to a folder (refused).
  virtual std::unique_ptr<Stream> Create(const std::string& path) = 0;

  // True for an existing file, false for folders and missing entries.
  virtual bool FileExists(const std::string& path) = 0;

  // True for an existing folder.
  virtual bool DirectoryExists(const std::string& path) = 0;

  // Entries of folder whose names match pattern ("*" and "?" wildcards,
  // letters compared without regard to case as the Windows search does),
  // hidden entries and folders included, in the order the file system gives.
  // A folder that cannot be searched gives no entries.
  virtual std::vector<FileEntry> FindFiles(const std::string& folder, const std::string& pattern) = 0;

  // The first directory entry whose name matches the last part of path, with
  // every attribute admitted; nothing when there is none.
  virtual std::optional<FileEntry> FindEntry(const std::string& path) = 0;

  // The full path of path, relative paths taken from the current folder.
  virtual std::string ExpandFileName(const std::string& path) = 0;

  // Removes a file; false when it could not be removed.
  virtual bool DeleteFile(const std::string& path) = 0;

  // Gives the file at from the name to in one step: a file at to is
  // replaced, so that nobody ever finds it half written. False when that
  // could not be done (from missing, a folder at to, another file system).
  virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
};

}  // namespace sorvane
