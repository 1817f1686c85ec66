#include "SmokeContainer.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

#include "container/ContainerWriter.h"
#include "platform/posix/PosixFileSystem.h"

namespace sorvane::smoke {

std::string SmokeJpeg(int width, int height) {
  std::vector<std::uint8_t> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      pixels.push_back(static_cast<std::uint8_t>(255 * x / width));
      pixels.push_back(static_cast<std::uint8_t>(255 * y / height));
      pixels.push_back(y < height / 2 ? 200 : 40);
    }
  }
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = pixels.data() + info.next_scanline * width * 3;
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  std::string bytes(reinterpret_cast<char*>(buffer), size);
  std::free(buffer);
  return bytes;
}

SmokeMembers WriteSmokeContainer(const std::string& folder) {
  const std::string letter = "Sehr geehrte Damen und Herren,\r\nanbei die Unterlagen.\r\n";
  const std::string photo = SmokeJpeg(160, 100);
  const std::string secret = "Nur f\xFCr Leser.\r\n";  // Windows-1252, as stored
  const std::string overview(70000, 'x');

  PosixFileSystem files;
  auto out = files.Create(folder + "/Probe.zvq");
  ContainerWriter writer(*out, 2);
  writer.AddMember("Brief.txt", {1, 0}, letter);
  writer.AddMember("Foto.JPG", {1, 1}, photo);
  writer.AddMember("Leer.txt", {1, 0}, "");
  writer.AddMember("Geheim.txt", {0, 1}, secret);
  writer.AddMember("\xDC" "bersicht.txt", {0, 1}, overview);
  writer.Finish({{"", "gast", 0}, {"leser", "geheim", 1}}, "Beispiel f\xFCr den Test", "M\xFCller & S\xF6hne");

  SmokeMembers members;
  members.guest = {{"Brief.txt", letter}, {"Foto.JPG", photo}, {"Leer.txt", ""}};
  members.user = {{"Foto.JPG", photo}, {"Geheim.txt", secret}, {"Übersicht.txt", overview}};
  return members;
}

}  // namespace sorvane::smoke
