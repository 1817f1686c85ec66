#include <unistd.h>

#include <exception>
#include <iostream>

#include "ExitStatus.h"
#include "ZvqCommands.h"
#include "platform/posix/Cp1252CodePage.h"
#include "platform/posix/PosixFileSystem.h"
#include "platform/posix/PosixLocale.h"
#include "platform/posix/SteadyClock.h"

// zvq: the container extractor on the command line, for servers and scripts.
int main(int argc, char** argv) {
  sorvane::PosixFileSystem files;
  sorvane::Cp1252CodePage codePage;
  sorvane::PosixLocale locale;
  sorvane::zvq::TerminalPasswordPrompt prompt;
  sorvane::SteadyClock clock;
  sorvane::zvq::ZvqServices services{files, codePage, locale, prompt, std::cout, std::cerr};
  if (::isatty(STDERR_FILENO) == 1) services.progressClock = &clock;
  int status = 0;
  try {
    status = sorvane::zvq::RunZvq(argc, argv, services);
  } catch (const std::exception& e) {
    // The commands catch the failures they expect; anything else still ends
    // with a message rather than an abort. Only reading the container can
    // raise something unforeseen, so it counts as an unreadable container.
    sorvane::zvq::Report(services, e.what());
    status = sorvane::zvq::kUnreadable;
  }
  std::cout.flush();
  // Output that could not be written (a full disk, a closed pipe) must not
  // pass for success.
  if (!std::cout) {
    std::cerr << "zvq: " << "Stream-Schreibfehler." << '\n';
    return status == 0 ? 4 : status;
  }
  return status;
}
