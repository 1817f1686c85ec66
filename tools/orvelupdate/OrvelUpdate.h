#pragma once

#include <CLI/CLI.hpp>

#include <ostream>
#include <string>

namespace sorvane::orvelupdate {

// Exit statuses, for the publisher's scripts.
enum ExitStatus : int {
  kDone = 0,
  kRefused = 1,  // the program would refuse the input (a template, an update list)
  kUsage = 2,    // wrong usage
};

struct Services {
  std::ostream& out;
  std::ostream& err;
  // Standard output for bytes that must pass unchanged (a script).
  std::ostream& bytesOut;
};

// The whole program: reads the command line and runs the command. Returns
// the exit status.
int RunOrvelUpdate(int argc, const char* const* argv, Services& services);

// Writes "orvelupdate: " and text, with the full stop the program's error
// display adds, to standard error.
void Report(Services& services, const std::string& text);

// Each command adds its subcommand to app; when it is chosen, its callback
// runs it and leaves the exit status in status.
void AddTemplateCommand(CLI::App& app, Services& services, int& status);
void AddListCommand(CLI::App& app, Services& services, int& status);

// A subcommand with the program's German labels and help flag.
CLI::App* AddCommand(CLI::App& app, const char* name, const char* description);

}  // namespace sorvane::orvelupdate
