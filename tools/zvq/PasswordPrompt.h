#pragma once

#include <optional>
#include <string>

#include "platform/Console.h"

namespace sorvane::zvq {

// Asks the person at the terminal for a password.
class PasswordPrompt {
 public:
  virtual ~PasswordPrompt() = default;

  // Whether anyone can be asked: standard input is a terminal.
  virtual bool Available() = 0;

  // Shows prompt and reads one line without echoing it. Nothing when the
  // input ended before a line was complete (Ctrl+D): the user cancelled.
  virtual std::optional<std::string> Ask(const std::string& prompt) = 0;
};

// The real terminal: standard input without echo, the prompt on standard
// error so that standard output stays clean for the listing.
class TerminalPasswordPrompt : public PasswordPrompt {
 public:
  explicit TerminalPasswordPrompt(Console& console) : console_(console) {}
  bool Available() override { return console_.CanAsk(); }
  std::optional<std::string> Ask(const std::string& prompt) override { return console_.ReadHidden(prompt); }

 private:
  Console& console_;
};

}  // namespace sorvane::zvq
