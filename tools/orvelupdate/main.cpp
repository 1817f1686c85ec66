#include <iostream>

#include "OrvelUpdate.h"

// orvelupdate: checks what an update brings before it is published.
int main(int argc, char** argv) {
  sorvane::orvelupdate::Services services{std::cout, std::cerr};
  int status = sorvane::orvelupdate::RunOrvelUpdate(argc, argv, services);
  std::cout.flush();
  // Output that could not be written must not pass for success.
  if (!std::cout) {
    std::cerr << "orvelupdate: Stream-Schreibfehler." << '\n';
    return status == 0 ? sorvane::orvelupdate::kRefused : status;
  }
  return status;
}
