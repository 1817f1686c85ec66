#pragma once

#include <optional>
#include <string_view>

#include "platform/TcpSocket.h"

namespace sorvane {

// The address written as four decimal numbers from 0 to 255 separated by
// dots ("127.0.0.1"); nothing for any other text, which is then a host name
// to look up.
std::optional<Ipv4Address> ParseDottedAddress(std::string_view text);

}  // namespace sorvane
