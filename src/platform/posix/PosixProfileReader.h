#pragma once

#include "platform/FileSystem.h"
#include "platform/ProfileReader.h"

namespace sorvane {

// The profile reader on Linux: reads the whole file through the file
// services on every call and applies the Windows rules (platform/ProfileText.h). A
// file that cannot be read counts as empty, as the Windows reader treats a
// missing file.
class PosixProfileReader : public ProfileReader {
 public:
  explicit PosixProfileReader(FileSystem& files) : files_(files) {}

  AnsiString ReadString(const std::string& path, const AnsiString& section, const AnsiString& key,
                        const AnsiString& defaultValue) override;
  std::vector<AnsiString> ReadSection(const std::string& path, const AnsiString& section) override;

 private:
  std::string Load(const std::string& path);

  FileSystem& files_;
};

}  // namespace sorvane
