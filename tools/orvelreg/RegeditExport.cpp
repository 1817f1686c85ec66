#include <algorithm>
#include <cstdio>

#include "OrvelregArguments.h"
#include "OrvelregCommands.h"

namespace sorvane::orvelreg {
namespace {

constexpr char kLineEnd[] = "\r\n";
constexpr std::size_t kLineWidth = 80;

// A name or text between double quotes: backslash and quote are escaped as
// the format asks; line breaks, which it cannot hold, are written as \r and
// \n so that they cannot start a line of their own.
std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '\\' || c == '"') out += '\\', out += c;
    else if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else out += c;
  }
  return out + '"';
}

std::string KeyLine(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\r' ? std::string("\\r") : c == '\n' ? std::string("\\n") : std::string(1, c);
  return out;
}

// "hex:" or "hex(n):" followed by the bytes, wrapped with a trailing "\" so
// that no line is longer than the registry editor writes them.
std::string HexData(const std::string& prefix, const std::string& bytes, std::size_t column) {
  std::string out = prefix;
  column += prefix.size();
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned char>(bytes[i]));
    const bool last = i + 1 == bytes.size();
    if (column + 3 > kLineWidth - 2 && !last) {
      out += "\\";
      out += kLineEnd;
      out += "  ";
      column = 2;
    }
    out += hex;
    if (!last) out += ',';
    column += 3;
  }
  return out;
}

std::string ValueLine(const std::string& name, const RegistryValue& value) {
  std::string line = name.empty() ? "@" : Quoted(name);
  line += '=';
  switch (value.type) {
    case RegistryType::String:
      // A text holding a NUL or a line break is given as its bytes with the
      // terminating NUL, which the format reads back unchanged.
      if (value.data.find_first_of(std::string("\0\r\n", 3)) == std::string::npos)
        return line + Quoted(value.data);
      return line + HexData("hex(1):", value.data + '\0', line.size());
    case RegistryType::DWord:
      if (value.data.size() == 4) {
        unsigned number = 0;
        for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(value.data[i]);
        char text[16];
        std::snprintf(text, sizeof text, "dword:%08x", number);
        return line + text;
      }
      return line + HexData("hex(4):", value.data, line.size());
    case RegistryType::Binary:
      return line + HexData("hex:", value.data, line.size());
  }
  return line + HexData("hex(" + std::to_string(static_cast<unsigned>(value.type)) + "):", value.data, line.size());
}

// The path of key as the registry spells it, whatever case the user typed:
// each component as its key was created.
std::string StoredSpelling(RegistryStore& store, RegistryRoot root, const std::string& key) {
  std::string stored;
  std::size_t start = 0;
  while (start < key.size()) {
    const std::size_t end = std::min(key.find('\\', start), key.size());
    std::string component = key.substr(start, end - start);
    for (const std::string& sub : store.SubKeyNames(root, stored))
      if (Folded(sub) == Folded(component)) component = sub;
    stored += (stored.empty() ? "" : "\\") + component;
    start = end + 1;
  }
  return stored;
}

void ExportKey(RegistryStore& store, RegistryRoot root, const std::string& key, std::ostream& out) {
  out << '[' << RootName(root) << (key.empty() ? "" : "\\") << KeyLine(key) << ']' << kLineEnd;
  for (const std::string& name : store.ValueNames(root, key))
    if (const auto value = store.ReadValue(root, key, name)) out << ValueLine(name, *value) << kLineEnd;
  out << kLineEnd;
  for (const std::string& sub : store.SubKeyNames(root, key))
    ExportKey(store, root, key.empty() ? sub : key + "\\" + sub, out);
}

}  // namespace

void ExportRegedit4(RegistryStore& store, const std::optional<RegistryRoot>& root, const std::string& key,
                    std::ostream& out) {
  out << "REGEDIT4" << kLineEnd << kLineEnd;
  if (root) {
    ExportKey(store, *root, StoredSpelling(store, *root, key), out);
    return;
  }
  ExportKey(store, RegistryRoot::LocalMachine, "", out);
  ExportKey(store, RegistryRoot::CurrentUser, "", out);
}

}  // namespace sorvane::orvelreg
