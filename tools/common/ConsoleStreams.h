#pragma once

#include <memory>
#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include "platform/Console.h"

namespace sorvane::tools {

// A stream buffer that hands program text (UTF-8) to target as the console
// wants it. A character cut between two writes waits for its remaining
// bytes, so that it is converted whole.
class ConsoleBuffer : public std::streambuf {
 public:
  ConsoleBuffer(Console& console, Console::Channel channel, std::streambuf& target)
      : console_(console), channel_(channel), target_(target) {}
  ~ConsoleBuffer() override { sync(); }

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char* text, std::streamsize count) override;
  // Passes on what is complete; -1 when the target took less.
  int sync() override;

 private:
  Console& console_;
  Console::Channel channel_;
  std::streambuf& target_;
  std::string pending_;
};

// Standard output and standard error converted for the console while the
// object lives; the original buffers come back at its end. Bytes that must
// pass unchanged (a registry export, a script) go to Raw().
class ConsoleStreams {
 public:
  explicit ConsoleStreams(Console& console);
  ~ConsoleStreams();
  ConsoleStreams(const ConsoleStreams&) = delete;
  ConsoleStreams& operator=(const ConsoleStreams&) = delete;

  // Standard output without conversion; what was written through std::cout
  // before is passed on first.
  std::ostream& Raw();

 private:
  std::streambuf* coutTarget_;
  std::streambuf* cerrTarget_;
  ConsoleBuffer out_;
  ConsoleBuffer err_;
  std::ostream raw_;
};

// The command line as program text, the program's name first.
class ConsoleArguments {
 public:
  ConsoleArguments(Console& console, int argc, char** argv);

  int Count() const { return static_cast<int>(pointers_.size()); }
  const char* const* Values() const { return pointers_.data(); }
  // Without the program's name.
  std::vector<std::string> Operands() const;

 private:
  std::vector<std::string> texts_;
  std::vector<const char*> pointers_;
};

}  // namespace sorvane::tools
