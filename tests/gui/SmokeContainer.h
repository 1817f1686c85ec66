#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace sorvane::smoke {

// The container the smoke test works on, written into folder as
// Probe.zvq: a guest with the password "gast" and the user "leser" with
// "geheim", each seeing three members, one of them a JPEG photo that both
// see. Returns the members by their name on disk (UTF-8) with their bytes.
struct SmokeMembers {
  std::map<std::string, std::string> guest;
  std::map<std::string, std::string> user;
};
SmokeMembers WriteSmokeContainer(const std::string& folder);

}  // namespace sorvane::smoke
