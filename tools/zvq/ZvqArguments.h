#pragma once

#include <ostream>
#include <variant>

#include "ZvqOptions.h"

namespace sorvane::zvq {

// Reads the command line. Gives the options of a command to run, or the exit
// status when the program is already done: 0 after --help or --version
// (printed on out), 2 after wrong usage (explained on err).
std::variant<ZvqOptions, int> ParseArguments(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace sorvane::zvq
