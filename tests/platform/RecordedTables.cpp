#include "RecordedTables.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace sorvane::testing {
namespace {

std::ifstream OpenRecording(const std::string& name) {
  std::ifstream in(std::string(RECORDED_TABLES_DIR) + "/" + name, std::ios::binary);
  if (!in) throw std::runtime_error("missing recording " + name);
  return in;
}

// Decodes \xHH from at on; at moves past what was used.
char Unescaped(const std::string& line, std::size_t& at) {
  if (line[at] != '\\') return line[at];
  const char byte = static_cast<char>(std::stoi(line.substr(at + 2, 2), nullptr, 16));
  at += 3;
  return byte;
}

}  // namespace

std::vector<RecordedName> ReadWordOrderRecording(const std::string& set) {
  std::ifstream in = OpenRecording("word-order-" + set + ".txt");
  std::vector<RecordedName> names;
  for (std::string line; std::getline(in, line);) {
    RecordedName entry{line.at(0) == '=', {}};
    for (std::size_t i = 1; i < line.size(); ++i) entry.name += Unescaped(line, i);
    names.push_back(std::move(entry));
  }
  return names;
}

std::vector<RecordedProfileAnswer> ReadProfileRecording() {
  std::ifstream in = OpenRecording("profile-blanks.txt");
  std::vector<RecordedProfileAnswer> answers;
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] == '|') {
        fields.emplace_back();
      } else {
        fields.back() += Unescaped(line, i);
      }
    }
    if (fields.size() != 4) throw std::runtime_error("not four fields: " + line);
    answers.push_back({line, fields[0], fields[1], fields[2],
                       fields[3] == "-" ? std::nullopt : std::optional<std::string>(fields[3])});
  }
  return answers;
}

std::string Escaped(const AnsiString& name) {
  std::string text;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte > ' ' && byte < 0x7F && c != '\\') {
      text += c;
    } else {
      char hex[5];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      text += hex;
    }
  }
  return text;
}

}  // namespace sorvane::testing
