#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <variant>
#include <vector>

#include "platform/RegistryStore.h"

namespace sorvane::orvelreg {

// Exit statuses, for scripts.
enum ExitStatus : int {
  kDone = 0,
  kMissing = 1,      // the key or value does not exist
  kUsage = 2,        // wrong usage
  kNotWritten = 3,   // the registry could not be written
};

enum class Command { Query, Add, Delete, Export };

// A key as given on the command line: "HKLM\SOFTWARE\Orvel", in the
// registry's code page. Without a root (export of everything) root is unset.
struct KeyName {
  std::optional<RegistryRoot> root;
  std::string path;  // below the root, without leading or trailing "\"
};

struct OrvelregOptions {
  Command command = Command::Query;
  KeyName key;
  std::optional<std::string> value;  // /v NAME, or "" for /ve
  RegistryType type = RegistryType::String;
  std::string data;                  // /d, as typed (UTF-8)
};

// The result: options to run, or an exit status when there is nothing to run
// (help and version shown, or a usage error reported on err).
std::variant<OrvelregOptions, int> ParseArguments(const std::vector<std::string>& arguments, std::ostream& out,
                                                  std::ostream& err);

// "HKEY_LOCAL_MACHINE" or "HKEY_CURRENT_USER".
const char* RootName(RegistryRoot root);

}  // namespace sorvane::orvelreg
