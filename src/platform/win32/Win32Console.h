#pragma once

#include <string>

#include "platform/Console.h"

namespace sorvane {

// The Windows console as a console program of the ANSI kind speaks to it:
// output in the console's OEM code page (CharToOemA) with CR LF line ends,
// arguments in the ANSI code page, typed lines in the OEM code page
// (OemToCharA). Standard output and error are switched to binary, so that
// bytes that must pass unchanged (Console.h) do; the line ends of text are
// the conversion's. The line redraw
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
  std::string FromArgument(const std::string& argument) override;
  bool IsTerminal(Channel channel) override;
  bool CanAsk() override;
  std::optional<std::string> ReadHidden(const std::string& prompt) override;

 private:
  unsigned long savedModes_[2] = {};
  bool changed_[2] = {};
};

// Program text as the console shows it: the OEM code page, CR LF line ends.
std::string OemConsoleText(const std::string& text);

// Bytes typed at the console (OEM code page) as program text.
std::string OemToProgramText(const std::string& oem);

}  // namespace sorvane
