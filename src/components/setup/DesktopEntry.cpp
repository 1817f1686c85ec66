#include "components/setup/DesktopEntry.h"

namespace sorvane {
namespace {

// A string value of a key file: backslash and line breaks escaped, a leading
// blank kept as "\s" (readers strip blanks after "=").
std::string KeyFileValue(const std::string& text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      case ' ': out += i == 0 ? "\\s" : " "; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace

std::string DesktopEntryName(const std::string& title) {
  std::string name = "orvel-";
  for (const char c : title) {
    if (c >= 'A' && c <= 'Z') {
      name += static_cast<char>(c - 'A' + 'a');
    } else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) {
      name += c;
    } else {
      name += '-';
    }
  }
  return name;
}

std::string ExecArgument(const std::string& argument) {
  std::string out = "\"";
  for (const char c : argument) {
    if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
    out += c;
    if (c == '%') out += '%';
  }
  return out + "\"";
}

std::string DesktopEntryText(const std::string& name, const std::string& programPath, const std::string& iconPath,
                             const std::string& uninstallParam, const std::string& mimeType) {
  // The quoting applies inside the value; the key file's own escaping comes
  // on top of it (readers undo the key file's first).
  const std::string exec = ExecArgument(programPath);
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=" + KeyFileValue(name) + "\n"
         "Exec=" + KeyFileValue(exec + " %f") + "\n"
         "Icon=" + KeyFileValue(iconPath) + "\n"
         "Terminal=false\n"
         "Categories=Utility;Archiving;\n"
         "MimeType=" + KeyFileValue(mimeType) + ";\n"
         "Actions=Deinstallieren;\n"
         "\n"
         "[Desktop Action Deinstallieren]\n"
         "Name=Deinstallieren\n"
         "Exec=" + KeyFileValue(exec + " " + uninstallParam) + "\n";
}

}  // namespace sorvane
