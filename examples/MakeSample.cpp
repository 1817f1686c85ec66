// Writes the sample container Beispiel.zvq at build time, for trying the
// program without a container of one's own. Usage: make_sample OUTPUT
//
// Accounts: the guest (account 0, no password, column 0) and "Jürgen" with
// the password "Sonnenblume" (column 1). Each sees the welcome text and both
// pictures; the guest book is the guest's only, the notes are Jürgen's only.
#include <exception>
#include <iostream>
#include <string>

#include "SamplePictures.h"
#include "SampleTexts.h"
#include "container/ContainerWriter.h"
#include "platform/Cp1252CodePage.h"
#include "platform/posix/PosixFileSystem.h"

namespace {

// Windows-1252 with carriage return and line feed.
sorvane::AnsiString WindowsText(sorvane::CodePage& codePage, const std::string& utf8) {
  std::string crlf;
  for (const char c : utf8) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  return codePage.Utf8ToAnsi(crlf);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "Aufruf: make_sample AUSGABEDATEI\n";
    return 2;
  }
  try {
    sorvane::Cp1252CodePage codePage;
    auto ansi = [&](const std::string& utf8) { return codePage.Utf8ToAnsi(utf8); };
    sorvane::PosixFileSystem files;
    const auto out = files.Create(argv[1]);
    sorvane::ContainerWriter writer(*out, 2);
    //                                     guest  Jürgen
    writer.AddMember(ansi("Willkommen.txt"), {1, 1}, WindowsText(codePage, sorvane::sample::kWelcomeText));
    writer.AddMember(ansi("Sonnenuntergang.JPG"), {1, 1}, sorvane::sample::SunsetJpeg(320, 200));
    writer.AddMember(ansi("Schachbrett.BMP"), {1, 1}, sorvane::sample::ChessboardBmp(96, 72));
    writer.AddMember(ansi("Gästebuch.txt"), {1, 0}, WindowsText(codePage, sorvane::sample::kGuestBookText));
    writer.AddMember(ansi("Notizen für Jürgen.txt"), {0, 1}, WindowsText(codePage, sorvane::sample::kJuergenText));
    writer.Finish({{ansi("Gast"), "", 0}, {ansi("Jürgen"), ansi("Sonnenblume"), 1}},
                  ansi("Beispielcontainer für Sorvane"), ansi("Jürgen Müller"));
  } catch (const std::exception& e) {
    std::cerr << "make_sample: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
