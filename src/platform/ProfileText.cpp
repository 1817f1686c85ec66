#include "platform/ProfileText.h"


namespace sorvane {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f' || c == '\x1A';
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// Lower case of one code page 1252 byte.
unsigned char Fold(unsigned char c) {
  if (c >= 'A' && c <= 'Z') return c + 32;
  if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
  switch (c) {
    case 0x8A: return 0x9A;  // S caron
    case 0x8C: return 0x9C;  // OE ligature
    case 0x8E: return 0x9E;  // Z caron
    case 0x9F: return 0xFF;  // Y diaeresis
    default: return c;
  }
}

AnsiString Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  if (const std::size_t zero = value.find('\0'); zero != std::string_view::npos) value = value.substr(0, zero);
  if (value.size() > kMaxProfileValue) value = value.substr(0, kMaxProfileValue);
  return AnsiString(value);
}

}  // namespace

bool ProfileNamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Fold(static_cast<unsigned char>(a[i])) != Fold(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

ProfileText::ProfileText(std::string_view bytes) {
  if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
  Section* current = nullptr;
  std::size_t at = 0;
  while (at < bytes.size()) {
    const std::size_t end = bytes.find_first_of("\r\n", at);
    const std::string_view line = Trim(bytes.substr(at, end == std::string_view::npos ? bytes.npos : end - at));
    at = end == std::string_view::npos ? bytes.size() : end + 1;
    if (line.empty() || line.front() == ';') continue;

    if (line.front() == '[') {
      const std::size_t close = line.rfind(']');
      if (close != std::string_view::npos) {
        sections_.push_back({AnsiString(Trim(line.substr(1, close - 1))), {}});
        current = &sections_.back();
        continue;
      }
    }
    if (current == nullptr) continue;
    const std::size_t equals = line.find('=');
    Entry entry;
    entry.key = Trim(line.substr(0, equals));
    if (entry.key.empty()) continue;
    if (equals != std::string_view::npos) entry.value = Unquote(Trim(line.substr(equals + 1)));
    current->entries.push_back(std::move(entry));
  }
}

const ProfileText::Section* ProfileText::Find(std::string_view section) const {
  section = Trim(section);
  for (const Section& s : sections_) {
    if (ProfileNamesEqual(s.name, section)) return &s;
  }
  return nullptr;
}

std::optional<AnsiString> ProfileText::Value(std::string_view section, std::string_view key) const {
  const Section* found = Find(section);
  if (found == nullptr) return std::nullopt;
  key = Trim(key);
  for (const Entry& entry : found->entries) {
    if (ProfileNamesEqual(entry.key, key)) return entry.value;
  }
  return std::nullopt;
}

AnsiString ProfileText::String(std::string_view section, std::string_view key,
                                const AnsiString& defaultValue) const {
  if (std::optional<AnsiString> value = Value(section, key)) return *value;
  // Windows hands out the default without its trailing blanks.
  AnsiString fallback = defaultValue.substr(0, kMaxProfileValue);
  while (!fallback.empty() && fallback.back() == ' ') fallback.pop_back();
  return fallback;
}

std::vector<AnsiString> ProfileText::Keys(std::string_view section) const {
  std::vector<AnsiString> keys;
  const Section* found = Find(section);
  if (found == nullptr) return keys;
  for (const Entry& entry : found->entries) keys.push_back(entry.key);
  return keys;
}

}  // namespace sorvane
