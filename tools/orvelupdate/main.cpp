#include <iostream>

#include "OrvelUpdate.h"
#include "common/ConsoleStreams.h"
#include "platform/LibrarySearch.h"
#include "platform/NativeServices.h"

// orvelupdate: checks what an update brings before it is published.
int main(int argc, char** argv) {
  sorvane::LimitLibrarySearch();
  const auto console = sorvane::NewConsole();
  sorvane::tools::ConsoleStreams streams(*console);
  sorvane::orvelupdate::Services services{std::cout, std::cerr, streams.Raw()};
  const sorvane::tools::ConsoleArguments arguments(*console, argc, argv);
  int status = sorvane::orvelupdate::RunOrvelUpdate(arguments.Count(), arguments.Values(), services);
  std::cout.flush();
  streams.Raw().flush();
  // Output that could not be written must not pass for success.
  if (!std::cout || !streams.Raw()) {
    std::cerr << "orvelupdate: Stream-Schreibfehler." << '\n';
    return status == 0 ? sorvane::orvelupdate::kRefused : status;
  }
  return status;
}
