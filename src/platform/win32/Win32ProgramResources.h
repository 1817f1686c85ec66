#pragma once

#include "platform/Resources.h"

namespace sorvane {

// The resources of the running program's own file (FindResourceA on the
// module the process was started from).
class Win32ProgramResources : public ProgramResources {
 public:
  std::optional<std::string_view> Find(const std::string& name, const std::string& type) override;
};

}  // namespace sorvane
