#include "platform/posix/PosixConsole.h"

#include <signal.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <iterator>

namespace sorvane {
namespace {

// The terminal's settings from before the prompt. A signal handler must be
// able to put them back, so they live at file level: Ctrl+C or a kill while
// the echo is off must not leave the user's terminal blind.
struct termios g_saved;
volatile sig_atomic_t g_echoOff = 0;
constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGTSTP};

extern "C" void RestoreAndRaise(int signal) {
  if (g_echoOff) tcsetattr(STDIN_FILENO, TCSANOW, &g_saved);
  g_echoOff = 0;
  ::signal(signal, SIG_DFL);
  raise(signal);
}

// Switches the echo off for its lifetime.
class EchoOff {
 public:
  EchoOff() {
    if (tcgetattr(STDIN_FILENO, &g_saved) != 0) return;
    struct sigaction action {};
    action.sa_handler = RestoreAndRaise;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &action, &previous_[i]);
    struct termios quiet = g_saved;
    quiet.c_lflag &= static_cast<tcflag_t>(~(ECHO | ECHOE | ECHOK | ECHONL));
    quiet.c_lflag |= ICANON;
    g_echoOff = tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet) == 0;
    active_ = true;
  }
  ~EchoOff() {
    if (!active_) return;
    if (g_echoOff) tcsetattr(STDIN_FILENO, TCSANOW, &g_saved);
    g_echoOff = 0;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) sigaction(kSignals[i], &previous_[i], nullptr);
  }
  EchoOff(const EchoOff&) = delete;
  EchoOff& operator=(const EchoOff&) = delete;

 private:
  bool active_ = false;
  struct sigaction previous_[std::size(kSignals)] {};
};

}  // namespace

bool PosixConsole::IsTerminal(Channel channel) {
  return isatty(channel == Channel::Output ? STDOUT_FILENO : STDERR_FILENO) == 1;
}

bool PosixConsole::CanAsk() { return isatty(STDIN_FILENO) == 1; }

std::optional<std::string> PosixConsole::ReadHidden(const std::string& prompt) {
  std::string line;
  bool complete = false;
  {
    // The echo goes off before the prompt appears: whatever is typed once
    // the prompt shows is neither echoed nor thrown away with the typeahead.
    EchoOff quiet;
    std::fputs(prompt.c_str(), stderr);
    std::fflush(stderr);
    // Byte by byte from the descriptor: nothing typed after the line may be
    // swallowed by a buffer.
    char c;
    for (;;) {
      const ssize_t n = read(STDIN_FILENO, &c, 1);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      if (c == '\n') {
        complete = true;
        break;
      }
      line += c;
    }
  }
  // The Enter key was not echoed; end the prompt's line ourselves.
  std::fputc('\n', stderr);
  if (!complete) return std::nullopt;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

void WriteProgramOutput(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  std::fflush(stdout);
}

}  // namespace sorvane
