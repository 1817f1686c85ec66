#include <iostream>

#include "OrvelregArguments.h"
#include "OrvelregCommands.h"
#include "platform/posix/Cp1252CodePage.h"
#include "platform/posix/UserRegistry.h"

// orvelreg: the registry of Sorvane on the command line, for values that are
// set from outside the program (such as "OnlyUpdate") and for looking in.
int main(int argc, char** argv) {
  const auto store = sorvane::OpenUserRegistryStore();
  sorvane::Cp1252CodePage codePage;
  sorvane::orvelreg::OrvelregServices services{*store, codePage, std::cout, std::cerr};
  const int status = sorvane::orvelreg::RunOrvelreg(std::vector<std::string>(argv + 1, argv + argc), services);
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "orvelreg: Stream-Schreibfehler.\n";
    return status == 0 ? sorvane::orvelreg::kNotWritten : status;
  }
  return status;
}
