// Writes the starting corpus of the fuzz targets: the worked example and
// containers made by the writer with every feature the format has, plus
// tagged value scripts over the same trailers.
//
//   container_fuzz_seeds OUTPUT_FOLDER
// creates OUTPUT_FOLDER/catalogue/ and OUTPUT_FOLDER/tagged_values/.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "container/ContainerWriter.h"
#include "container/TaggedValueWriter.h"
#include "platform/MemoryStream.h"

namespace {

using namespace sorvane;

std::string Make(int variant) {
  MemoryStream out;
  switch (variant) {
    case 0: {
      ContainerWriter writer(out, 1);
      writer.AddMember("a.txt", {1}, "hi");
      writer.Finish({{"abc", "", 0}}, "T", "A");
      break;
    }
    case 1: {
      ContainerWriter writer(out, 0);
      writer.Finish({}, "", "");
      break;
    }
    case 2: {
      ContainerWriter writer(out, 3);
      writer.AddMember("Bild.jpg", {1, 0, 256}, std::string(40, 'j'));
      writer.AddMember("leer", {0, 1, 0x101}, "", 1000);
      writer.AddMember("Bild.jpg", {1, 1, 1}, "zwei");
      TaggedValueWriter extra;
      extra.ListStart();
      extra.Integer(70000);
      extra.Raw(std::string("\x0E\x02\x01\x01\x01\x61\x01\x09\x00\x00\x00\x0B\x01\x61\x00", 15));
      extra.ListEnd();
      writer.Finish({{"Gast", "", 0}, {"Max", "geheim", 1}, {std::string(300, 'u'), "", 2}}, "Titel \xE4",
                    "Autor", extra.Bytes());
      break;
    }
    default: {
      ContainerWriter writer(out, 2);
      for (int i = 0; i < 20; ++i) writer.AddMember("m" + std::to_string(i), {i % 2, 1}, std::string(i, 'd'));
      writer.Finish({{"g", "pw", 0}, {"u", "", 1}}, std::string(260, 't'), "A");
    }
  }
  return out.Bytes();
}

// The container's trailer: what follows the last member record.
std::string TrailerOf(const std::string& container) {
  auto int32At = [&](std::size_t at) {
    std::uint32_t v = 0;
    for (int k = 3; k >= 0; --k) v = v << 8 | static_cast<unsigned char>(container[at + k]);
    return static_cast<std::size_t>(v);
  };
  const std::size_t members = int32At(0), accounts = int32At(4);
  std::size_t at = 8;
  for (std::size_t i = 0; i < members; ++i) {
    const std::size_t nameLength = int32At(at);
    at += 4 + nameLength + 4 * accounts + 4;
    at += 4 + int32At(at);
  }
  return container.substr(at);
}

void Save(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream(file, std::ios::binary) << bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path root = argv[1];
  std::filesystem::create_directories(root / "catalogue");
  std::filesystem::create_directories(root / "tagged_values");
  // Scripts for the tagged value target: buffer size, eight operations, data.
  const std::vector<std::string> scripts = {
      std::string("\x06\x00\x05\x02\x02\x04\x05\x02\x01", 9),  // trailer order, 2048-byte buffer
      std::string("\x00\x05\x05\x05\x05\x05\x05\x05\x05", 9),  // skip everything, 1-byte buffer
      std::string("\x03\x07\x02\x06\x03\x12\x09\x00\x01", 9),
  };
  for (int variant = 0; variant < 4; ++variant) {
    const std::string container = Make(variant);
    Save(root / "catalogue" / ("writer-" + std::to_string(variant)), container);
    const std::string trailer = TrailerOf(container);
    for (std::size_t s = 0; s < scripts.size(); ++s) {
      Save(root / "tagged_values" / ("trailer-" + std::to_string(variant) + "-" + std::to_string(s)),
           scripts[s] + trailer);
    }
  }
  return 0;
}
