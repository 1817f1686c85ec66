#pragma once

#include <string>

namespace sorvane {

// Whether host (optionally followed by ":port") names the loopback
// interface: "localhost", a name ending in ".localhost", 127.x.x.x.
bool IsLoopbackHost(const std::string& host);

}  // namespace sorvane
