#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sorvane {

// The terminal of a command line program. The program's own text is UTF-8
// (Text.h); the terminal may want other bytes, and the command line and the
// keyboard may deliver other bytes. On Linux all of these are UTF-8 already;
// a Windows console takes and gives UTF-16 through its wide calls, while a
// file or a pipe gets the OEM code page.
class Console {
 public:
  enum class Channel { Output, Error };

  virtual ~Console() = default;

  // Program text as the terminal, a file or a pipe is to receive it as
  // bytes. Characters the code page lacks become "?".
  virtual std::string ForTerminal(const std::string& text) = 0;

  // Writes program text to the channel when it is a console that takes text
  // rather than bytes (Windows, where every letter then shows whatever the
  // console's code page); false when the channel wants ForTerminal's bytes.
  virtual bool WriteText(Channel /*channel*/, const std::string& /*text*/) { return false; }

  // The command line as program text, the program's name first; argv is
  // what main received (Windows narrows it to the ANSI code page, so the
  // system's wide command line is read instead).
  virtual std::vector<std::string> Arguments(int argc, char** argv) = 0;

  // Whether the channel goes to a terminal that redraws a line on "\r" and
  // clears it with ESC "[K" (not to a file or a pipe).
  virtual bool IsTerminal(Channel channel) = 0;

  // Whether standard input is a terminal, so that someone can be asked.
  virtual bool CanAsk() = 0;

  // Shows prompt on standard error and reads one line from the terminal
  // without showing what is typed; the line as program text, without its
  // line end. Nothing when the input ended before the line was complete:
  // the user cancelled.
  virtual std::optional<std::string> ReadHidden(const std::string& prompt) = 0;
};

// Writes program text to standard output as the terminal is to receive it,
// for a program that has no console of its own: a Windows window program
// started from a console writes into that console, or into the file or pipe
// its output was sent to. The tools have theirs through Console.
void WriteProgramOutput(const std::string& text);

}  // namespace sorvane
