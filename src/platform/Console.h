#pragma once

#include <optional>
#include <string>

namespace sorvane {

// The terminal of a command line program. The program's own text is UTF-8
// (Text.h); the terminal may want other bytes, and the command line and the
// keyboard may deliver other bytes. On Linux all of these are UTF-8 already;
// a Windows console speaks its OEM code page and hands the arguments over in
// the ANSI code page.
class Console {
 public:
  enum class Channel { Output, Error };

  virtual ~Console() = default;

  // Program text as the terminal is to receive it. Characters the terminal
  // cannot show become "?".
  virtual std::string ForTerminal(const std::string& text) = 0;

  // A command line argument as program text.
  virtual std::string FromArgument(const std::string& argument) = 0;

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
