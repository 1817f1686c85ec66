#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Resources.h"

namespace sorvane {

// Program resources of type "ZIPFILE" from a map: by default the two engines
// as short texts that no real engine file matches.
class MapResources : public ProgramResources {
 public:
  std::map<std::string, std::string> byName = {{"ZIPENGINE", "zip engine bytes"}, {"UNZIPENGINE", "unzip engine"}};
  std::optional<std::string_view> Find(const std::string& name, const std::string& type) override {
    const auto found = byName.find(name);
    if (type != "ZIPFILE" || found == byName.end()) return std::nullopt;
    return std::string_view(found->second);
  }
};

}  // namespace sorvane
