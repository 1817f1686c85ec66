#pragma once

#include <string>

namespace sorvane {

// Where one pass of a request goes.
struct RequestTarget {
  std::string address;  // the request address, "/" appended when it had no path
  std::string path;     // what the request line asks for, at most 256 characters
  std::string host;     // the address's host part, or the previous host
  int port = 0;
};

// Splits a request address the way the component always has:
// - the path is the text from the third "/" on when the address holds "//",
//   else from the first "/" on, else empty (then "/");
// - a scheme before the first ":" sets the port: gopher 70, ftp 21, anything
//   else 80; https is refused;
// - the host part is the text between the second and third "/" (with "//"),
//   else the text before the first "/" (none when the address starts with
//   "/"); a ":" and a number after it set the port; an empty host part keeps
//   host;
// - a port of 0 becomes 80 before anything else.
// Throws Exception "Empty URL", "HTTP Secure Socket is not supported", or
// "Invalid port number" when the text after the host's ":" is not a port.
RequestTarget SplitRequestAddress(const std::string& address, const std::string& host, int port);

}  // namespace sorvane
