#include <iostream>

#include "OrvelregArguments.h"
#include "OrvelregCommands.h"
#include "common/ConsoleStreams.h"
#include "platform/LibrarySearch.h"
#include "platform/NativeServices.h"

// orvelreg: the registry of Sorvane on the command line, for values that are
// set from outside the program (such as "OnlyUpdate") and for looking in.
int main(int argc, char** argv) {
  sorvane::LimitLibrarySearch();
  const auto console = sorvane::NewConsole();
  sorvane::tools::ConsoleStreams streams(*console);
  const auto store = sorvane::OpenUserRegistryStore();
  const auto codePage = sorvane::NewCodePage();
  sorvane::orvelreg::OrvelregServices services{*store, *codePage, std::cout, std::cerr, streams.Raw()};
  const sorvane::tools::ConsoleArguments arguments(*console, argc, argv);
  const int status = sorvane::orvelreg::RunOrvelreg(arguments.Operands(), services);
  std::cout.flush();
  streams.Raw().flush();
  if (!std::cout || !streams.Raw()) {
    std::cerr << "orvelreg: Stream-Schreibfehler.\n";
    return status == 0 ? sorvane::orvelreg::kNotWritten : status;
  }
  return status;
}
