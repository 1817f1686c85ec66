#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Text.h"

namespace sorvane::testing {

// Windows' answers recorded by tools/record-windows-text, as data/ holds
// them. Bytes outside "!".."~" (and the backslash, and "|" in the profile
// table) are written there as \xHH.

// One name of a word-order list, in Windows' order: equal to the name
// before it ('=') or after it ('<').
struct RecordedName {
  bool equalToPrevious;
  AnsiString name;
};

// The list data/word-order-<set>.txt.
std::vector<RecordedName> ReadWordOrderRecording(const std::string& set);

// One answer of Windows' profile reader: the file's text, the section and
// key asked for, and the value, nothing when the reader gave the default.
struct RecordedProfileAnswer {
  std::string line;  // as recorded, for messages
  std::string file;
  std::string section;
  std::string key;
  std::optional<std::string> value;
};

// The table data/profile-blanks.txt.
std::vector<RecordedProfileAnswer> ReadProfileRecording();

// A name written as the recordings write it.
std::string Escaped(const AnsiString& name);

}  // namespace sorvane::testing
