#include <exception>
#include <iostream>

#include "ExitStatus.h"
#include "ZvqCommands.h"
#include "common/ConsoleStreams.h"
#include "platform/LibrarySearch.h"
#include "platform/NativeServices.h"

// zvq: the container extractor on the command line, for servers and scripts.
int main(int argc, char** argv) {
  sorvane::LimitLibrarySearch();
  const auto console = sorvane::NewConsole();
  sorvane::tools::ConsoleStreams streams(*console);
  const auto files = sorvane::NewFileSystem();
  const auto codePage = sorvane::NewCodePage();
  const auto locale = sorvane::NewLocale();
  const auto clock = sorvane::NewClock();
  sorvane::zvq::TerminalPasswordPrompt prompt(*console);
  sorvane::zvq::ZvqServices services{*files, *codePage, *locale, prompt, std::cout, std::cerr};
  if (console->IsTerminal(sorvane::Console::Channel::Error)) services.progressClock = clock.get();
  const sorvane::tools::ConsoleArguments arguments(*console, argc, argv);
  int status = 0;
  try {
    status = sorvane::zvq::RunZvq(arguments.Count(), arguments.Values(), services);
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
