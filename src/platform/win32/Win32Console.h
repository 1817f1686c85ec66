#pragma once

#include <string>

#include "platform/Console.h"

namespace sorvane {

// The Windows console through its wide calls: text written to a console
// goes as UTF-16 (WriteConsoleW), so every path and every letter of a
// member name shows; a typed line comes as UTF-16 (ReadConsoleW); the
// arguments are the wide command line's. Into a file or a pipe the text goes
// in the OEM code page (CharToOemA), as console programs have always
// written it, with CR LF line ends. Standard output and error are switched
// to binary, so that bytes that must pass unchanged (Console.h) do; the line
// ends of text are the conversion's. The line redraw
// sequences are switched on for the program's lifetime where the console
// knows them; a console that does not know them counts as no terminal for
// the progress display.
class Win32Console : public Console {
 public:
  Win32Console();
  ~Win32Console() override;
  Win32Console(const Win32Console&) = delete;
  Win32Console& operator=(const Win32Console&) = delete;

  std::string ForTerminal(const std::string& text) override;
  bool WriteText(Channel channel, const std::string& text) override;
  std::vector<std::string> Arguments(int argc, char** argv) override;
  bool IsTerminal(Channel channel) override;
  bool CanAsk() override;
  std::optional<std::string> ReadHidden(const std::string& prompt) override;

 private:
  unsigned long savedModes_[2] = {};
  bool changed_[2] = {};
};

// Program text as the console shows it: the OEM code page, CR LF line ends.
std::string OemConsoleText(const std::string& text);

// Program text as the console's wide calls take it: UTF-16, CR LF line ends.
std::wstring WideConsoleText(const std::string& text);

}  // namespace sorvane
