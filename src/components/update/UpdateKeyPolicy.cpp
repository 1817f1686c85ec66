#include "components/update/UpdateKeyPolicy.h"

#include "platform/Errors.h"
#include "platform/LoopbackHost.h"

namespace sorvane {

std::string ExampleUpdateKey() { return SORVANE_EXAMPLE_UPDATE_KEY; }

std::string RefuseUpdateHost(const std::string& publicKey, const std::string& host) {
  if (publicKey != ExampleUpdateKey() || IsLoopbackHost(host)) return {};
  return FormatText(texts::kExampleKeyRemoteHost, host);
}

}  // namespace sorvane
