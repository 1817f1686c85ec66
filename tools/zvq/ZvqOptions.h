#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sorvane::zvq {

enum class Command { Info, List, Extract };

// What the command line asked for. Texts are as typed (UTF-8 on a UTF-8
// terminal); they are converted to the container's code page where they are
// compared with its names.
struct ZvqOptions {
  Command command = Command::Info;
  std::string container;
  std::optional<std::string> user;          // absent: guest login
  std::optional<std::string> passwordFile;  // absent: ask on the terminal
  std::string directory = ".";
  bool overwrite = false;
  std::vector<std::string> members;  // empty: every visible member
};

}  // namespace sorvane::zvq
