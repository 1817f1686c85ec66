#include "OrvelregCommands.h"

#include <cctype>
#include <cstdio>
#include <limits>

#include "OrvelregArguments.h"
#include "platform/Registry.h"

namespace sorvane::orvelreg {
namespace {

// The key and value names as the registry holds them (Windows-1252); the
// command line gives UTF-8.
struct Target {
  RegistryRoot root;
  std::string key;
  std::optional<std::string> value;
  std::string display;  // the key as the user wrote it, for messages
};

int Report(OrvelregServices& services, int status, const std::string& text) {
  services.err << "orvelreg: " << text << ".\n";
  return status;
}

std::string TypeName(RegistryType type) {
  switch (type) {
    case RegistryType::String: return "REG_SZ";
    case RegistryType::DWord: return "REG_DWORD";
    case RegistryType::Binary: return "REG_BINARY";
  }
  return "REG_TYP_" + std::to_string(static_cast<unsigned>(type));
}

std::string Hex(const std::string& bytes) {
  std::string out;
  char digits[3];
  for (unsigned char byte : bytes) {
    std::snprintf(digits, sizeof digits, "%02X", byte);
    out += digits;
  }
  return out;
}

// A name or text with the characters that would break a line of the query
// output apart escaped: "\\", "\t", "\r", "\n". Within a key path the
// backslash is only ever the separator and stays as it is.
std::string Escaped(const std::string& text, bool keyPath = false) {
  std::string out;
  for (char c : text) {
    if (c == '\\' && !keyPath) out += "\\\\";
    else if (c == '\t') out += "\\t";
    else if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else out += c;
  }
  return out;
}

// Name<TAB>type<TAB>data, names and texts escaped; texts up to their first
// NUL, as a reader of the value gets them.
std::string QueryLine(CodePage& codePage, const std::string& name, const RegistryValue& value) {
  std::string line =
      (name.empty() ? std::string("(Standard)") : Escaped(codePage.AnsiToUtf8(name))) + '\t' + TypeName(value.type) + '\t';
  if (value.type == RegistryType::String)
    return line + Escaped(codePage.AnsiToUtf8(value.data.substr(0, value.data.find('\0'))));
  if (value.type == RegistryType::DWord && value.data.size() == 4) {
    unsigned long number = 0;
    for (int i = 3; i >= 0; --i) number = (number << 8) | static_cast<unsigned char>(value.data[i]);
    return line + std::to_string(number);
  }
  return line + Hex(value.data);
}

std::optional<std::string> DWordData(const std::string& text) {
  const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  const std::string digits = hex ? text.substr(2) : text;
  if (digits.empty() || digits.size() > 10) return std::nullopt;
  unsigned long long number = 0;
  for (char c : digits) {
    if (!(hex ? std::isxdigit(static_cast<unsigned char>(c)) : std::isdigit(static_cast<unsigned char>(c))))
      return std::nullopt;
    number = number * (hex ? 16 : 10) + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                                                              : std::tolower(static_cast<unsigned char>(c)) - 'a' + 10);
  }
  if (number > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
  std::string data(4, '\0');
  for (int i = 0; i < 4; ++i) data[i] = static_cast<char>((number >> (8 * i)) & 0xFF);
  return data;
}

std::optional<std::string> BinaryData(const std::string& text) {
  if (text.size() % 2 != 0) return std::nullopt;
  std::string data;
  for (std::size_t i = 0; i < text.size(); i += 2) {
    if (!std::isxdigit(static_cast<unsigned char>(text[i])) || !std::isxdigit(static_cast<unsigned char>(text[i + 1])))
      return std::nullopt;
    data += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
  }
  return data;
}

int Query(const Target& target, OrvelregServices& services) {
  RegistryStore& store = services.store;
  if (!store.KeyExists(target.root, target.key)) return Report(services, kMissing, "Der Schlüssel " + target.display + " fehlt");
  if (target.value) {
    const auto value = store.ReadValue(target.root, target.key, *target.value);
    if (!value) return Report(services, kMissing, "Der Wert '" + services.codePage.AnsiToUtf8(*target.value) + "' fehlt");
    // The name as the registry spells it, not as it was asked for.
    std::string name = *target.value;
    for (const std::string& stored : store.ValueNames(target.root, target.key))
      if (Folded(stored) == Folded(name)) name = stored;
    services.out << QueryLine(services.codePage, name, *value) << '\n';
    return kDone;
  }
  for (const std::string& name : store.ValueNames(target.root, target.key))
    if (const auto value = store.ReadValue(target.root, target.key, name))
      services.out << QueryLine(services.codePage, name, *value) << '\n';
  const std::string prefix = std::string(RootName(target.root)) + '\\' + (target.key.empty() ? "" : target.key + '\\');
  for (const std::string& sub : store.SubKeyNames(target.root, target.key))
    services.out << Escaped(services.codePage.AnsiToUtf8(prefix + sub), true) << '\n';
  return kDone;
}

int Add(const Target& target, const OrvelregOptions& options, OrvelregServices& services) {
  RegistryValue value{options.type, {}};
  if (options.type == RegistryType::String) {
    value.data = services.codePage.Utf8ToAnsi(options.data);
  } else {
    const auto data = options.type == RegistryType::DWord ? DWordData(options.data) : BinaryData(options.data);
    if (!data)
      return Report(services, kUsage,
                    "Ungültige Daten für " + TypeName(options.type) + ": '" + options.data + "'.\nMehr dazu zeigt \"orvelreg --help\"");
    value.data = *data;
  }
  services.store.CreateKey(target.root, target.key);
  if (target.value && !services.store.WriteValue(target.root, target.key, *target.value, value))
    return Report(services, kNotWritten, "Der Schlüssel " + target.display + " ist beim Schreiben verschwunden");
  return kDone;
}

int Delete(const Target& target, OrvelregServices& services) {
  RegistryStore& store = services.store;
  if (!store.KeyExists(target.root, target.key)) return Report(services, kMissing, "Der Schlüssel " + target.display + " fehlt");
  if (!target.value) {
    store.DeleteKey(target.root, target.key);
    return kDone;
  }
  if (!store.DeleteValue(target.root, target.key, *target.value))
    return Report(services, kMissing, "Der Wert '" + services.codePage.AnsiToUtf8(*target.value) + "' fehlt");
  return kDone;
}

}  // namespace

std::string Folded(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

int RunOrvelreg(const std::vector<std::string>& arguments, OrvelregServices& services) {
  auto parsed = ParseArguments(arguments, services.out, services.err);
  if (const int* status = std::get_if<int>(&parsed)) return *status;
  const OrvelregOptions& options = std::get<OrvelregOptions>(parsed);
  CodePage& codePage = services.codePage;
  const std::string key = codePage.Utf8ToAnsi(options.key.path);
  try {
    if (options.command == Command::Export) {
      if (options.key.root && !services.store.KeyExists(*options.key.root, key))
        return Report(services, kMissing, "Der Schlüssel " + arguments.at(1) + " fehlt");
      ExportRegedit4(services.store, options.key.root, key, services.bytesOut);
      return kDone;
    }
    std::optional<std::string> value;
    if (options.value) value = codePage.Utf8ToAnsi(*options.value);
    const Target target{*options.key.root, key, value, std::string(RootName(*options.key.root)) +
                                                           (options.key.path.empty() ? "" : "\\" + options.key.path)};
    switch (options.command) {
      case Command::Query: return Query(target, services);
      case Command::Add: return Add(target, options, services);
      case Command::Delete: return Delete(target, services);
      case Command::Export: break;
    }
  } catch (const ERegistryException& e) {
    return Report(services, kNotWritten, e.what());
  }
  return kUsage;
}

}  // namespace sorvane::orvelreg
