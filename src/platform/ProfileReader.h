#pragma once

#include <string>
#include <vector>

#include "platform/Text.h"

namespace sorvane {

// Reads profile ("INI") files as the Windows profile API does: section names
// in square brackets, one "key=value" line per entry. Section and key names
// are compared without regard to case, blanks around names and values are
// removed, a value wholly enclosed in double or single quotes loses them, and
// a value is cut after 2047 characters. The file is read anew on every call,
// so a file replaced on disk is seen at once. Names and values are bytes in
// the Windows ANSI code page; path is UTF-8.
class ProfileReader {
 public:
  virtual ~ProfileReader() = default;

  // The value of key in section; when the file, the section or the key is
  // missing or the key has no "=", defaultValue without trailing blanks.
  virtual AnsiString ReadString(const std::string& path, const AnsiString& section, const AnsiString& key,
                                const AnsiString& defaultValue) = 0;

  // The key names of section in file order; empty when the file or section
  // is missing. A section counts as present only when this is not empty.
  virtual std::vector<AnsiString> ReadSection(const std::string& path, const AnsiString& section) = 0;
};

// The longest value the profile reader hands out.
inline constexpr std::size_t kMaxProfileValue = 2047;

}  // namespace sorvane
