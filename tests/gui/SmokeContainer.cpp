#include "SmokeContainer.h"

#include <vector>

#include "SamplePictures.h"
#include "container/ContainerWriter.h"
#include "platform/posix/PosixFileSystem.h"

namespace sorvane::smoke {

SmokeMembers WriteSmokeContainer(const std::string& folder) {
  const std::string letter = "Sehr geehrte Damen und Herren,\r\nanbei die Unterlagen.\r\n";
  const std::string photo = sample::SunsetJpeg(160, 100);
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
