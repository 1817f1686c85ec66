#pragma once

#include <string>
#include <string_view>

namespace sorvane {

// Standard Base64 (RFC 2045 alphabet, "=" padding, no line breaks), as the
// Basic authorization header wants it.
std::string EncodeBase64(std::string_view bytes);

}  // namespace sorvane
