#include "platform/posix/ProgramImage.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

namespace sorvane {
namespace {

constexpr unsigned kExecutable = 2, kSharedObject = 3;  // e_type
constexpr std::uint32_t kInterpreter = 3;               // PT_INTERP
constexpr std::uint32_t kNoBits = 8;                    // SHT_NOBITS
constexpr unsigned kExtendedIndex = 0xFFFF;              // SHN_XINDEX

// Reads numbers of the file's byte order at absolute offsets; any short read
// makes the reader fail for good.
class ImageReader {
 public:
  explicit ImageReader(const std::string& path) : fd_(open(path.c_str(), O_RDONLY | O_CLOEXEC)) {}
  ~ImageReader() {
    if (fd_ >= 0) close(fd_);
  }
  ImageReader(const ImageReader&) = delete;
  ImageReader& operator=(const ImageReader&) = delete;

  bool Ok() const { return fd_ >= 0 && ok_; }
  void SetBigEndian(bool big) { big_ = big; }

  bool Bytes(std::uint64_t at, void* out, std::size_t size) {
    if (!Ok() || pread(fd_, out, size, static_cast<off_t>(at)) != static_cast<ssize_t>(size)) ok_ = false;
    return ok_;
  }
  std::uint64_t Number(std::uint64_t at, int size) {
    unsigned char bytes[8] = {};
    if (!Bytes(at, bytes, static_cast<std::size_t>(size))) return 0;
    std::uint64_t value = 0;
    for (int i = 0; i < size; ++i) value = (value << 8) | bytes[big_ ? i : size - 1 - i];
    return value;
  }

 private:
  int fd_;
  bool ok_ = true;
  bool big_ = false;
};

// The parts of an ELF header the lookups need, for either class.
struct ElfLayout {
  bool wide = false;  // 64 bits
  unsigned type = 0;
  std::uint64_t programHeaders = 0, sectionHeaders = 0;
  unsigned programSize = 0, programCount = 0, sectionSize = 0, sectionCount = 0, namesIndex = 0;

  int Address() const { return wide ? 8 : 4; }
};

std::optional<ElfLayout> ReadElfHeader(ImageReader& in) {
  unsigned char ident[16];
  if (!in.Bytes(0, ident, sizeof ident) || std::memcmp(ident, "\x7F" "ELF", 4) != 0) return std::nullopt;
  if ((ident[4] != 1 && ident[4] != 2) || (ident[5] != 1 && ident[5] != 2)) return std::nullopt;
  ElfLayout elf;
  elf.wide = ident[4] == 2;
  in.SetBigEndian(ident[5] == 2);
  const int a = elf.Address();
  elf.type = static_cast<unsigned>(in.Number(16, 2));
  elf.programHeaders = in.Number(24 + a, a);
  elf.sectionHeaders = in.Number(24 + 2 * a, a);
  const std::uint64_t sizes = 24 + 3 * a + 4 + 2;  // after e_flags and e_ehsize
  elf.programSize = static_cast<unsigned>(in.Number(sizes, 2));
  elf.programCount = static_cast<unsigned>(in.Number(sizes + 2, 2));
  elf.sectionSize = static_cast<unsigned>(in.Number(sizes + 4, 2));
  elf.sectionCount = static_cast<unsigned>(in.Number(sizes + 6, 2));
  elf.namesIndex = static_cast<unsigned>(in.Number(sizes + 8, 2));
  if (!in.Ok()) return std::nullopt;
  // Many sections: the counts then live in the first section header.
  if (elf.sectionHeaders != 0 && (elf.sectionCount == 0 || elf.namesIndex == kExtendedIndex)) {
    if (elf.sectionCount == 0) elf.sectionCount = static_cast<unsigned>(in.Number(elf.sectionHeaders + 4 + 4 + 3 * a, a));
    if (elf.namesIndex == kExtendedIndex)
      elf.namesIndex = static_cast<unsigned>(in.Number(elf.sectionHeaders + 4 + 4 + 4 * a, 4));
  }
  return in.Ok() ? std::optional(elf) : std::nullopt;
}

struct Section {
  std::uint32_t name = 0, type = 0;
  FileSpan span;
};

Section ReadSection(ImageReader& in, const ElfLayout& elf, unsigned index) {
  const int a = elf.Address();
  const std::uint64_t at = elf.sectionHeaders + std::uint64_t{index} * elf.sectionSize;
  Section section;
  section.name = static_cast<std::uint32_t>(in.Number(at, 4));
  section.type = static_cast<std::uint32_t>(in.Number(at + 4, 4));
  section.span.offset = in.Number(at + 8 + 2 * a, a);  // after sh_flags and sh_addr
  section.span.size = in.Number(at + 8 + 3 * a, a);
  return section;
}

// The offset of the PE header ("PE\0\0"), when the file is a PE image.
std::optional<std::uint64_t> PeHeader(ImageReader& in) {
  char mz[2];
  if (!in.Bytes(0, mz, 2) || std::memcmp(mz, "MZ", 2) != 0) return std::nullopt;
  const std::uint64_t header = in.Number(0x3C, 4);
  char signature[4];
  if (!in.Bytes(header, signature, 4) || std::memcmp(signature, "PE\0\0", 4) != 0) return std::nullopt;
  return header;
}

bool IsPeExecutable(ImageReader& in) {
  const auto header = PeHeader(in);
  if (!header) return false;
  const auto characteristics = in.Number(*header + 4 + 18, 2);  // IMAGE_FILE_HEADER.Characteristics
  return in.Ok() && (characteristics & 0x0002) != 0;            // IMAGE_FILE_EXECUTABLE_IMAGE
}

// Resource directories hold few entries; more means a damaged file.
constexpr unsigned kMostEntries = 4096;

// The entry of a resource directory with the number id (any entry when id is
// 0): its offset field, relative to the resource section's start.
std::optional<std::uint32_t> ResourceEntry(ImageReader& in, std::uint64_t directory, unsigned id) {
  const auto named = in.Number(directory + 12, 2), numbered = in.Number(directory + 14, 2);
  if (!in.Ok() || named + numbered > kMostEntries) return std::nullopt;
  std::optional<std::uint32_t> first;
  for (unsigned i = 0; i < named + numbered; ++i) {
    const std::uint64_t entry = directory + 16 + 8 * std::uint64_t{i};
    const auto name = static_cast<std::uint32_t>(in.Number(entry, 4));
    const auto offset = static_cast<std::uint32_t>(in.Number(entry + 4, 4));
    if (!in.Ok()) return std::nullopt;
    if (!first) first = offset;
    if (id != 0 && (name & 0x80000000u) == 0 && name == id) return offset;
  }
  return id == 0 ? first : std::nullopt;
}

}  // namespace

std::optional<FileSpan> FindElfSection(const std::string& path, std::string_view name) {
  ImageReader in(path);
  const auto elf = ReadElfHeader(in);
  if (!elf || elf->sectionHeaders == 0 || elf->namesIndex >= elf->sectionCount) return std::nullopt;
  const Section names = ReadSection(in, *elf, elf->namesIndex);
  std::string candidate(name.size() + 1, '\0');
  for (unsigned i = 0; i < elf->sectionCount && in.Ok(); ++i) {
    const Section section = ReadSection(in, *elf, i);
    if (section.type == kNoBits || section.name >= names.span.size) continue;
    // Compare the name with its terminating NUL, so that a longer name with
    // the same beginning does not match.
    const std::size_t length = std::min<std::uint64_t>(candidate.size(), names.span.size - section.name);
    if (!in.Bytes(names.span.offset + section.name, candidate.data(), length)) break;
    if (length == candidate.size() && std::string_view(candidate).substr(0, name.size()) == name &&
        candidate.back() == '\0')
      return section.span;
  }
  return std::nullopt;
}

std::optional<FileSpan> FindPeVersionResource(const std::string& path) {
  ImageReader in(path);
  const auto header = PeHeader(in);
  if (!header) return std::nullopt;
  const std::uint64_t optional = *header + 24;
  const auto sections = in.Number(*header + 6, 2);
  const auto optionalSize = in.Number(*header + 20, 2);
  const bool wide = in.Number(optional, 2) == 0x20B;  // PE32+
  const std::uint64_t directories = optional + (wide ? 112 : 96);
  if (in.Number(optional + (wide ? 108 : 92), 4) <= 2) return std::nullopt;  // no resource directory
  const auto resourceRva = in.Number(directories + 2 * 8, 4);
  if (!in.Ok() || resourceRva == 0) return std::nullopt;

  // Addresses in the image to offsets in the file, through the section table.
  auto fileOffset = [&](std::uint64_t rva) -> std::optional<std::uint64_t> {
    for (unsigned i = 0; i < sections && in.Ok(); ++i) {
      const std::uint64_t section = optional + optionalSize + 40 * std::uint64_t{i};
      const auto size = std::max(in.Number(section + 8, 4), in.Number(section + 16, 4));
      const auto address = in.Number(section + 12, 4);
      if (rva >= address && rva < address + size) return in.Number(section + 20, 4) + (rva - address);
    }
    return std::nullopt;
  };
  const auto base = fileOffset(resourceRva);
  if (!base) return std::nullopt;
  // Type RT_VERSION, then the resource named 1 (or else the first), then its
  // first language; each step but the last leads to a subdirectory.
  constexpr std::uint32_t kSubdirectory = 0x80000000u;
  std::uint64_t directory = *base;
  for (const unsigned id : {16u, 1u, 0u}) {
    auto entry = ResourceEntry(in, directory, id);
    if (!entry && id == 1) entry = ResourceEntry(in, directory, 0);
    if (!entry || ((*entry & kSubdirectory) != 0) == (id == 0)) return std::nullopt;
    directory = *base + (*entry & ~kSubdirectory);
  }
  const auto data = fileOffset(in.Number(directory, 4));  // IMAGE_RESOURCE_DATA_ENTRY
  const auto size = in.Number(directory + 4, 4);
  if (!data || !in.Ok()) return std::nullopt;
  return FileSpan{*data, size};
}

bool IsStartableProgram(const std::string& path) {
  ImageReader in(path);
  if (const auto elf = ReadElfHeader(in)) {
    if (elf->type == kExecutable) return true;
    if (elf->type != kSharedObject) return false;
    for (unsigned i = 0; i < elf->programCount && in.Ok(); ++i)
      if (in.Number(elf->programHeaders + std::uint64_t{i} * elf->programSize, 4) == kInterpreter) return true;
    return false;
  }
  return IsPeExecutable(in);
}

}  // namespace sorvane
