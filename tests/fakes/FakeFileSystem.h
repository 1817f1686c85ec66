#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "platform/FileSystem.h"

namespace sorvane {

// An in-memory FileSystem for tests: files are byte strings, folders are
// names, and the "file-system order" in which FindFiles lists entries is the
// order in which they were added. An entry is hidden when added so or when
// its name starts with ".", as on Linux. Paths are absolute after ExpandFileName
// against the current folder ("/" unless set); the root folder always exists.
//
// It keeps the contract of the real one: Create refuses (EFCreateError) a
// file that is open through OpenRead, OpenRead of a folder or missing file
// fails with EFOpenError, searches compare names without regard to case.
//
// Streams read and write the file's bytes directly, so a test sees what was
// written without closing. Replacing a file with AddFile gives it new
// contents; streams opened before keep the old ones, as with a file replaced
// on disk. ChangeFile changes a file in place, as another program writing
// into it does: streams open on it see the new bytes. A file's stamp is its
// number, its size and a modification count that every write moves on.
//
// Faults, for failure paths that a real disk rarely produces on demand:
// FailOpen makes OpenRead and Create of a path fail; LimitWrites makes a file
// created at a path take only so many bytes in all (a full disk); FailReadsAfter
// makes reads of a file fail with EReadError once so many bytes lie before
// the position (a failing device); FailDelete makes DeleteFile refuse.
class FakeFileSystem : public FileSystem {
 public:
  FakeFileSystem();
  ~FakeFileSystem() override;

  // Adds or replaces a file; missing folders on the way are added.
  void AddFile(const std::string& path, std::string bytes, bool hidden = false);
  void AddFolder(const std::string& path, bool hidden = false);
  // keepTime leaves the modification as it was: a change within the
  // clock's granularity, or by a program that sets the time back.
  void ChangeFile(const std::string& path, std::string bytes, bool keepTime = false);
  void SetCurrentFolder(const std::string& path) { currentFolder_ = path; }

  bool HasFile(const std::string& path) const;
  // The file's bytes; throws std::out_of_range when there is no such file.
  const std::string& FileBytes(const std::string& path) const;
  // Streams open on the file now, through OpenRead and Create together.
  int OpenCount(const std::string& path) const;
  // Bytes read from the file so far, through all its streams.
  std::size_t BytesRead(const std::string& path) const;

  void FailOpen(const std::string& path);
  void LimitWrites(const std::string& path, std::size_t capacity);
  void FailReadsAfter(const std::string& path, std::size_t bytes);
  void FailDelete(const std::string& path);

  std::unique_ptr<Stream> OpenRead(const std::string& path) override;
  std::unique_ptr<Stream> Create(const std::string& path) override;
  bool FileExists(const std::string& path) override;
  bool DirectoryExists(const std::string& path) override;
  std::vector<FileEntry> FindFiles(const std::string& folder, const std::string& pattern) override;
  std::optional<FileEntry> FindEntry(const std::string& path) override;
  std::string ExpandFileName(const std::string& path) override;
  bool DeleteFile(const std::string& path) override;
  bool RenameFile(const std::string& from, const std::string& to) override;

  // What open streams share with the file system; see the .cpp.
  struct Contents;

 private:
  struct Node {
    bool directory = false;
    bool hidden = false;
    std::size_t order = 0;
    std::shared_ptr<Contents> contents;  // files only
  };
  struct Faults {
    bool failOpen = false;
    bool failDelete = false;
    std::optional<std::size_t> writeCapacity;
    std::optional<std::size_t> readLimit;
  };

  const Node* Find(const std::string& path) const;
  Node& Add(const std::string& fullPath, bool directory, bool hidden);
  std::string Full(const std::string& path) const;
  Faults FaultsOf(const std::string& fullPath) const;

  std::string currentFolder_ = "/";
  std::map<std::string, Node> nodes_;  // by full path
  std::map<std::string, Faults> faults_;
  std::size_t nextOrder_ = 0;
  std::uint64_t filesMade_ = 0;
};

}  // namespace sorvane
