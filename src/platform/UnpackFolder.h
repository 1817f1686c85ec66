#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

namespace sorvane {

// A file being written by the unpacking engine.
class UnpackFile {
 public:
  UnpackFile() = default;
  ~UnpackFile();
  UnpackFile(const UnpackFile&) = delete;
  UnpackFile& operator=(const UnpackFile&) = delete;

  // Writes all of data; false when the file cannot take it (disk full).
  bool Write(const char* data, std::size_t size);
  // The time of the last change, in seconds since 1970 (UTC).
  void SetModified(std::time_t time);
  // False when what was written could not be kept.
  bool Close();

 private:
  friend class UnpackFolder;
  std::intptr_t handle_ = -1;
};

// A folder that the unpacking engine writes into. It is held open where the
// system allows it, so that a folder entered below it cannot be swapped for
// a link; no link is followed into a folder or written through. Paths and
// names are UTF-8 with "/" between folders, as everywhere in the program.
class UnpackFolder {
 public:
  UnpackFolder() = default;
  ~UnpackFolder();
  UnpackFolder(const UnpackFolder&) = delete;
  UnpackFolder& operator=(const UnpackFolder&) = delete;

  // Opens the folder at path; false when it is none or cannot be opened.
  bool Open(const std::string& path);
  bool IsOpen() const { return handle_ != -1 || !path_.empty(); }

  // Opens (into) the subfolder name of this folder, made when missing;
  // false when it cannot be made or opened, or is a link.
  bool Enter(const std::string& name, UnpackFolder& into) const;

  // The permission bits of the plain file at name (a relative path), -1 for
  // none or where the system has no such bits. A link at the last part is
  // followed only with followLink.
  int FileMode(const std::string& name, bool followLink) const;

  // Creates a file of a fresh name of its own, with the permission bits
  // mode where the system has them, whatever the umask; false when it
  // cannot be made.
  bool CreateScratch(int mode, UnpackFile& file, std::string& name) const;

  // Renames the file from over the entry to (a link there is replaced,
  // not followed).
  bool Replace(const std::string& from, const std::string& to) const;
  void Remove(const std::string& name) const;

 private:
  std::intptr_t handle_ = -1;  // where folders can be held open
  std::string path_;           // where they cannot
};

// True when the file at path can be opened for reading.
bool FileReadable(const std::string& path);

}  // namespace sorvane
