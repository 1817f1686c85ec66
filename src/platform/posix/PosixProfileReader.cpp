#include "platform/posix/PosixProfileReader.h"

#include "platform/Errors.h"
#include "platform/ProfileText.h"

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
  return ProfileText(Load(path)).String(section, key, defaultValue);
}

std::vector<AnsiString> PosixProfileReader::ReadSection(const std::string& path, const AnsiString& section) {
  return ProfileText(Load(path)).Keys(section);
}

}  // namespace sorvane
