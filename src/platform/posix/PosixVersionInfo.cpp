#include "platform/posix/PosixVersionInfo.h"

#include <fstream>
#include <limits>

#include "platform/VersionBlock.h"
#include "platform/posix/ProgramImage.h"

namespace sorvane {
namespace {

// A version block is addressed by 16-bit lengths; anything far beyond that
// is no version block, and is not worth reading.
constexpr std::uint64_t kLargestBlock = 1 << 20;

// Our programs carry the block in an ELF section; Windows programs in their
// resources.
std::optional<FileSpan> VersionBlockSpan(const std::string& path) {
  auto span = FindElfSection(path, kVersionSectionName);
  if (!span) span = FindPeVersionResource(path);
  if (!span || span->size == 0 || span->size > kLargestBlock) return std::nullopt;
  return span;
}

}  // namespace

bool PosixVersionInfo::IsExecutable(const std::string& path) { return IsStartableProgram(path); }

std::uint32_t PosixVersionInfo::GetFileVersionInfoSize(const std::string& path) {
  const auto span = VersionBlockSpan(path);
  return span ? static_cast<std::uint32_t>(span->size) : 0;
}

bool PosixVersionInfo::GetFileVersionInfo(const std::string& path, std::uint32_t size, void* data) {
  const auto span = VersionBlockSpan(path);
  if (!span) return false;
  std::ifstream in(path, std::ios::binary);
  in.seekg(static_cast<std::streamoff>(span->offset));
  const auto count = static_cast<std::streamsize>(std::min<std::uint64_t>(size, span->size));
  return in.read(static_cast<char*>(data), count).gcount() == count;
}

std::optional<std::string> PosixVersionInfo::VerQueryValue(const void* block, std::uint32_t size,
                                                           const std::string& subBlock) {
  const std::string_view bytes(static_cast<const char*>(block), size);
  const auto value = FindVersionValue(bytes, codePage_.Utf8ToWide(codePage_.AnsiToUtf8(subBlock)));
  if (!value) return std::nullopt;
  if (!value->text) return value->bytes;
  std::u16string text;
  for (std::size_t i = 0; i + 1 < value->bytes.size(); i += 2)
    text += static_cast<char16_t>(static_cast<unsigned char>(value->bytes[i]) |
                                  (static_cast<unsigned char>(value->bytes[i + 1]) << 8));
  return codePage_.WideToAnsi(text);
}

}  // namespace sorvane
