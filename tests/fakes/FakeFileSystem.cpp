#include "fakes/FakeFileSystem.h"

#include <algorithm>
#include <stdexcept>

#include "platform/Errors.h"
#include "platform/FileNamePattern.h"
#include "platform/PathExpansion.h"

namespace sorvane {

struct FakeFileSystem::Contents {
  std::string bytes;
  std::uint64_t number = 0;    // which file it is, for its stamp
  std::int64_t modified = 0;   // moves on with every change
  std::size_t read = 0;        // bytes read through all streams
  int readers = 0;  // streams from OpenRead
  int open = 0;     // all streams
};

namespace {

std::string ParentOf(const std::string& full) {
  const std::size_t slash = full.rfind('/');
  return slash == 0 ? "/" : full.substr(0, slash);
}

std::string NameOf(const std::string& full) { return full.substr(full.rfind('/') + 1); }

class FakeFileStream : public Stream {
 public:
  FakeFileStream(std::shared_ptr<FakeFileSystem::Contents> contents, bool reader,
                 std::optional<std::size_t> writeCapacity, std::optional<std::size_t> readLimit)
      : contents_(std::move(contents)), reader_(reader), writeCapacity_(writeCapacity), readLimit_(readLimit) {
    ++contents_->open;
    if (reader_) ++contents_->readers;
  }
  ~FakeFileStream() override {
    --contents_->open;
    if (reader_) --contents_->readers;
  }

  std::size_t Read(void* buffer, std::size_t count) override {
    const std::string& bytes = contents_->bytes;
    std::size_t end = bytes.size();
    if (readLimit_) {
      if (position_ >= *readLimit_ && position_ < end) throw EReadError(texts::kReadError);
      end = std::min(end, *readLimit_);
    }
    if (position_ >= end) return 0;
    const std::size_t n = std::min(count, end - position_);
    std::copy_n(bytes.data() + position_, n, static_cast<char*>(buffer));
    position_ += n;
    contents_->read += n;
    return n;
  }

  std::size_t Write(const void* buffer, std::size_t count) override {
    std::string& bytes = contents_->bytes;
    if (writeCapacity_) count = position_ >= *writeCapacity_ ? 0 : std::min(count, *writeCapacity_ - position_);
    if (count == 0) return 0;
    if (position_ + count > bytes.size()) bytes.resize(position_ + count, '\0');
    std::copy_n(static_cast<const char*>(buffer), count, bytes.data() + position_);
    position_ += count;
    ++contents_->modified;
    return count;
  }

  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override {
    const std::int64_t base = origin == SeekOrigin::Begin     ? 0
                              : origin == SeekOrigin::Current ? static_cast<std::int64_t>(position_)
                                                              : static_cast<std::int64_t>(contents_->bytes.size());
    if (offset < 0 ? base + offset < 0 : offset > INT64_MAX / 2 - base) throw EReadError(texts::kReadError);
    position_ = static_cast<std::size_t>(base + offset);
    return base + offset;
  }

  std::int64_t Size() override { return static_cast<std::int64_t>(contents_->bytes.size()); }

  std::optional<FileStamp> Stamp() override {
    return FileStamp{0, contents_->number, Size(), contents_->modified};
  }

 private:
  std::shared_ptr<FakeFileSystem::Contents> contents_;
  bool reader_;
  std::optional<std::size_t> writeCapacity_;
  std::optional<std::size_t> readLimit_;
  std::size_t position_ = 0;
};

}  // namespace

FakeFileSystem::FakeFileSystem() { nodes_["/"].directory = true; }

FakeFileSystem::~FakeFileSystem() = default;

std::string FakeFileSystem::Full(const std::string& path) const { return ExpandPath(currentFolder_, path); }

const FakeFileSystem::Node* FakeFileSystem::Find(const std::string& path) const {
  std::string full = Full(path);
  if (full.size() > 1 && full.back() == '/') full.pop_back();
  const auto it = nodes_.find(full);
  return it == nodes_.end() ? nullptr : &it->second;
}

FakeFileSystem::Node& FakeFileSystem::Add(const std::string& fullPath, bool directory, bool hidden) {
  if (fullPath != "/") {
    const std::string parent = ParentOf(fullPath);
    if (nodes_.count(parent) == 0) Add(parent, true, false);
  }
  auto [it, added] = nodes_.try_emplace(fullPath);
  if (added) it->second.order = nextOrder_++;
  it->second.directory = directory;
  it->second.hidden = hidden;
  return it->second;
}

FakeFileSystem::Faults FakeFileSystem::FaultsOf(const std::string& fullPath) const {
  const auto it = faults_.find(fullPath);
  return it == faults_.end() ? Faults{} : it->second;
}

void FakeFileSystem::AddFile(const std::string& path, std::string bytes, bool hidden) {
  Node& node = Add(Full(path), false, hidden);
  node.contents = std::make_shared<Contents>();
  node.contents->bytes = std::move(bytes);
  node.contents->number = ++filesMade_;
}

void FakeFileSystem::ChangeFile(const std::string& path, std::string bytes, bool keepTime) {
  const Node* node = Find(path);
  if (node == nullptr || node->directory) throw std::out_of_range("no such file: " + path);
  node->contents->bytes = std::move(bytes);
  if (!keepTime) ++node->contents->modified;
}

void FakeFileSystem::AddFolder(const std::string& path, bool hidden) {
  Node& node = Add(Full(path), true, hidden);
  node.contents.reset();
}

bool FakeFileSystem::HasFile(const std::string& path) const {
  const Node* node = Find(path);
  return node != nullptr && !node->directory;
}

const std::string& FakeFileSystem::FileBytes(const std::string& path) const {
  const Node* node = Find(path);
  if (node == nullptr || node->directory) throw std::out_of_range("no such file: " + path);
  return node->contents->bytes;
}

int FakeFileSystem::OpenCount(const std::string& path) const {
  const Node* node = Find(path);
  return node != nullptr && node->contents ? node->contents->open : 0;
}

std::size_t FakeFileSystem::BytesRead(const std::string& path) const {
  const Node* node = Find(path);
  return node != nullptr && node->contents ? node->contents->read : 0;
}

void FakeFileSystem::FailOpen(const std::string& path) { faults_[Full(path)].failOpen = true; }
void FakeFileSystem::LimitWrites(const std::string& path, std::size_t capacity) {
  faults_[Full(path)].writeCapacity = capacity;
}
void FakeFileSystem::FailReadsAfter(const std::string& path, std::size_t bytes) {
  faults_[Full(path)].readLimit = bytes;
}
void FakeFileSystem::FailDelete(const std::string& path) { faults_[Full(path)].failDelete = true; }

std::unique_ptr<Stream> FakeFileSystem::OpenRead(const std::string& path) {
  const Node* node = Find(path);
  const Faults faults = FaultsOf(Full(path));
  if (node == nullptr || node->directory || faults.failOpen) throw EFOpenError(FormatText(texts::kFOpenError, path));
  return std::make_unique<FakeFileStream>(node->contents, true, std::nullopt, faults.readLimit);
}

std::unique_ptr<Stream> FakeFileSystem::Create(const std::string& path) {
  const std::string full = Full(path);
  const Node* node = Find(path);
  const Node* parent = Find(ParentOf(full));
  const Faults faults = FaultsOf(full);
  if (faults.failOpen || full.empty() || full.back() == '/' || parent == nullptr || !parent->directory ||
      (node != nullptr && (node->directory || node->contents->readers > 0))) {
    throw EFCreateError(FormatText(texts::kFCreateError, path));
  }
  if (node == nullptr) AddFile(full, std::string());
  Node& file = nodes_.at(full);
  file.contents->bytes.clear();
  ++file.contents->modified;
  return std::make_unique<FakeFileStream>(file.contents, false, faults.writeCapacity, std::nullopt);
}

bool FakeFileSystem::FileExists(const std::string& path) { return HasFile(path); }

bool FakeFileSystem::DirectoryExists(const std::string& path) {
  const Node* node = Find(path);
  return node != nullptr && node->directory;
}

std::vector<FileEntry> FakeFileSystem::FindFiles(const std::string& folder, const std::string& pattern) {
  std::string parent = Full(folder.empty() ? "." : folder);
  if (parent.size() > 1 && parent.back() == '/') parent.pop_back();
  std::vector<std::pair<std::size_t, FileEntry>> found;
  for (const auto& [full, node] : nodes_) {
    if (full == "/" || ParentOf(full) != parent) continue;
    const std::string name = NameOf(full);
    if (!MatchFileNamePattern(pattern, name)) continue;
    const std::int64_t size = node.directory ? 0 : static_cast<std::int64_t>(node.contents->bytes.size());
    found.push_back({node.order, FileEntry{name, size, node.directory, node.hidden || name[0] == '.'}});
  }
  std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<FileEntry> entries;
  for (auto& [order, entry] : found) entries.push_back(std::move(entry));
  return entries;
}

std::optional<FileEntry> FakeFileSystem::FindEntry(const std::string& path) {
  const std::string full = Full(path);
  if (full.empty() || full.back() == '/') return std::nullopt;
  const std::string name = NameOf(full);
  if (name.find_first_of("*?") == std::string::npos) {
    if (const Node* node = Find(full)) {
      const std::int64_t size = node->directory ? 0 : static_cast<std::int64_t>(node->contents->bytes.size());
      return FileEntry{name, size, node->directory, node->hidden || name[0] == '.'};
    }
  }
  std::vector<FileEntry> found = FindFiles(ParentOf(full), name);
  if (found.empty()) return std::nullopt;
  return std::move(found.front());
}

std::string FakeFileSystem::ExpandFileName(const std::string& path) { return Full(path); }

bool FakeFileSystem::RenameFile(const std::string& from, const std::string& to) {
  const Node* source = Find(from);
  const Node* target = Find(to);
  if (source == nullptr || source->directory || (target != nullptr && target->directory)) return false;
  Node moved = *source;
  nodes_.erase(Full(from));
  Add(Full(to), false, moved.hidden).contents = moved.contents;
  return true;
}

bool FakeFileSystem::DeleteFile(const std::string& path) {
  const Node* node = Find(path);
  if (node == nullptr || node->directory || FaultsOf(Full(path)).failDelete) return false;
  std::string full = Full(path);
  nodes_.erase(full);
  return true;
}

}  // namespace sorvane
