#include "container/MemberName.h"

#include "platform/Errors.h"

namespace sorvane {
namespace {
constexpr char kUnsafeMemberName[] = "Die Datei \"%s\" hat keinen gültigen Dateinamen und wird nicht extrahiert.";
}

bool IsPlainFileName(const AnsiString& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of(std::string("/\\\0", 3)) == AnsiString::npos;
}

std::string UnsafeMemberNameMessage(const AnsiString& name, CodePage& codePage) {
  AnsiString shown = name;
  for (char& c : shown) {
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  }
  return FormatText(kUnsafeMemberName, codePage.AnsiToUtf8(shown));
}

}  // namespace sorvane
