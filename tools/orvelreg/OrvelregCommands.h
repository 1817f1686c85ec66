#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/CodePage.h"
#include "platform/RegistryStore.h"

namespace sorvane::orvelreg {

struct OrvelregServices {
  RegistryStore& store;
  CodePage& codePage;
  std::ostream& out;
  std::ostream& err;
  // Standard output for the export's Windows-1252 bytes, which must reach
  // the file unchanged.
  std::ostream& bytesOut;
};

// A name folded as the registry compares names (ASCII case).
std::string Folded(std::string text);

// Runs the command line (without the program name); gives the exit status.
int RunOrvelreg(const std::vector<std::string>& arguments, OrvelregServices& services);

// Writes the tree below key of root (with key itself, its path spelt as
// the registry holds it), or both roots entirely when root is unset, in the registry editor's text format
// "REGEDIT4": Windows-1252 bytes, CR LF line ends.
void ExportRegedit4(RegistryStore& store, const std::optional<RegistryRoot>& root, const std::string& key,
                    std::ostream& out);

}  // namespace sorvane::orvelreg
