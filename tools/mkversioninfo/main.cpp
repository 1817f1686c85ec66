// Build step: writes a C++ source file that puts the program's version block
// (a VS_VERSIONINFO structure, as a Windows resource holds it) into the ELF
// section that the version information service reads.
//
//   mkversioninfo AUSGABE.cpp VERSION NAME DATEINAME [BESCHREIBUNG]

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "platform/Cp1252CodePage.h"
#include "platform/posix/PosixVersionInfo.h"

namespace {

// Code page 1252 in the German language: the string block "040704E4".
constexpr std::uint16_t kLanguage = 0x0407, kCodePage = 0x04E4;

struct Node {
  std::string key;
  bool text = true;
  std::string value;          // binary bytes, or the text in UTF-8
  std::vector<Node> children;
};

void Put16(std::string& out, std::uint32_t value) {
  out += static_cast<char>(value & 0xFF);
  out += static_cast<char>((value >> 8) & 0xFF);
}
void Put32(std::string& out, std::uint32_t value) {
  Put16(out, value & 0xFFFF);
  Put16(out, value >> 16);
}
void Align(std::string& out) {
  while (out.size() % 4 != 0) out += '\0';
}

std::string Wide(const std::string& utf8) {
  std::string out;
  for (char16_t c : sorvane::Cp1252CodePage().Utf8ToWide(utf8)) Put16(out, c);
  Put16(out, 0);
  return out;
}

// Each node starts on a four-byte boundary of the block, so aligning within
// the node aligns within the block.
std::string Serialize(const Node& node) {
  std::string out;
  const std::string value = node.text && !node.value.empty() ? Wide(node.value) : node.value;
  Put16(out, 0);  // length, filled in below
  Put16(out, static_cast<std::uint32_t>(node.text ? value.size() / 2 : value.size()));
  Put16(out, node.text ? 1 : 0);
  out += Wide(node.key);
  Align(out);
  out += value;
  for (const Node& child : node.children) {
    Align(out);
    out += Serialize(child);
  }
  out[0] = static_cast<char>(out.size() & 0xFF);
  out[1] = static_cast<char>((out.size() >> 8) & 0xFF);
  return out;
}

// "1.0.0" -> {1, 0, 0, 0}
std::vector<std::uint32_t> VersionNumbers(const std::string& text) {
  std::vector<std::uint32_t> numbers;
  std::size_t at = 0;
  while (numbers.size() < 4 && at <= text.size()) {
    numbers.push_back(static_cast<std::uint32_t>(std::stoul(text.substr(at))));
    const auto dot = text.find('.', at);
    if (dot == std::string::npos) break;
    at = dot + 1;
  }
  numbers.resize(4, 0);
  return numbers;
}

std::string FixedFileInfo(const std::vector<std::uint32_t>& v) {
  std::string out;
  Put32(out, 0xFEEF04BD);  // signature
  Put32(out, 0x00010000);  // structure version
  for (int twice = 0; twice < 2; ++twice) {  // file version, product version
    Put32(out, (v[0] << 16) | v[1]);
    Put32(out, (v[2] << 16) | v[3]);
  }
  Put32(out, 0x3F);        // flags mask
  Put32(out, 0);           // flags
  Put32(out, 0x00000004);  // VOS__WINDOWS32
  Put32(out, 0x00000001);  // VFT_APP
  Put32(out, 0);           // subtype
  Put32(out, 0);           // date, high
  Put32(out, 0);           // date, low
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5 || argc > 6) {
    std::cerr << "Aufruf: mkversioninfo AUSGABE.cpp VERSION NAME DATEINAME [BESCHREIBUNG]\n";
    return 2;
  }
  const std::string output = argv[1], name = argv[3], fileName = argv[4];
  const std::vector<std::uint32_t> numbers = VersionNumbers(argv[2]);
  std::string version;
  for (std::uint32_t n : numbers) version += (version.empty() ? "" : ".") + std::to_string(n);

  char blockName[9];
  std::snprintf(blockName, sizeof blockName, "%04X%04X", kLanguage, kCodePage);
  Node strings{blockName, true, "", {}};
  for (const auto& [key, text] : std::vector<std::pair<std::string, std::string>>{
           {"CompanyName", "Orvel-Software"},
           {"FileDescription", argc == 6 ? argv[5] : name},
           {"FileVersion", version},
           {"InternalName", name},
           {"OriginalFilename", fileName},
           {"ProductName", name},
           {"ProductVersion", version}})
    strings.children.push_back({key, true, text, {}});
  std::string translation;
  Put16(translation, kLanguage);
  Put16(translation, kCodePage);
  const Node root{"VS_VERSION_INFO", false, FixedFileInfo(numbers),
                  {{"StringFileInfo", true, "", {strings}},
                   {"VarFileInfo", true, "", {{"Translation", false, translation, {}}}}}};
  const std::string block = Serialize(root);

  std::ofstream out(output, std::ios::trunc);
  out << "// Written at build time by mkversioninfo: the version block of " << fileName << ".\n"
      << "[[gnu::used, gnu::retain, gnu::section(\"" << sorvane::kVersionSectionName << "\"), gnu::aligned(4)]]\n"
      << "static const unsigned char kVersionBlock[] = {";
  for (std::size_t i = 0; i < block.size(); ++i)
    out << (i % 16 == 0 ? "\n    " : " ") << static_cast<unsigned>(static_cast<unsigned char>(block[i])) << ",";
  out << "\n};\n";
  return out ? 0 : 1;
}
