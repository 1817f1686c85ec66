#include "components/update/UpdateHost.h"

#include <cstdlib>

namespace sorvane {

std::string UpdateHost() {
  const char* host = std::getenv("ORVEL_UPDATE_HOST");
  return host != nullptr && *host != '\0' ? std::string(host) : std::string(kDefaultUpdateHost);
}

}  // namespace sorvane
