#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvane {

// Data the program carries inside its own file, found by name and type.
class ProgramResources {
 public:
  virtual ~ProgramResources() = default;

  // The resource's bytes, unchanged; nothing when the program has none of
  // that name and type. Names and types compare without regard to ASCII case.
  virtual std::optional<std::string_view> Find(const std::string& name, const std::string& type) = 0;
};

}  // namespace sorvane
