#include "platform/posix/PosixProfileReader.h"

#include "platform/Errors.h"
#include "platform/posix/ProfileText.h"

namespace sorvane {

std::string PosixProfileReader::Load(const std::string& path) {
  std::string bytes;
  try {
    const std::unique_ptr<Stream> stream = files_.OpenRead(path);
    char buffer[16384];
    while (const std::size_t count = stream->Read(buffer, sizeof buffer)) bytes.append(buffer, count);
  } catch (const Exception&) {
    return {};
  }
  return bytes;
}

AnsiString PosixProfileReader::ReadString(const std::string& path, const AnsiString& section, const AnsiString& key,
                                          const AnsiString& defaultValue) {
  if (std::optional<AnsiString> value = ProfileText(Load(path)).Value(section, key)) return *value;
  // Windows hands out the default without its trailing blanks.
  AnsiString fallback = defaultValue.substr(0, kMaxProfileValue);
  while (!fallback.empty() && fallback.back() == ' ') fallback.pop_back();
  return fallback;
}

std::vector<AnsiString> PosixProfileReader::ReadSection(const std::string& path, const AnsiString& section) {
  return ProfileText(Load(path)).Keys(section);
}

}  // namespace sorvane
