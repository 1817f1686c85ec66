#pragma once

#include "platform/Console.h"

namespace sorvane {

// The terminal on Linux: UTF-8 in and out, so the texts pass unchanged; the
// hidden line is read with the terminal's echo switched off.
class PosixConsole : public Console {
 public:
  std::string ForTerminal(const std::string& text) override { return text; }
  std::vector<std::string> Arguments(int argc, char** argv) override { return {argv, argv + argc}; }
  bool IsTerminal(Channel channel) override;
  bool CanAsk() override;
  std::optional<std::string> ReadHidden(const std::string& prompt) override;
};

}  // namespace sorvane
