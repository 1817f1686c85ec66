#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "net/HttpCommand.h"
#include "net/RequestHeaders.h"

namespace sorvane {

// Everything a request's text depends on.
struct RequestParts {
  HttpCommand command = HttpCommand::Get;
  std::string path;     // asked for on the request line
  std::string address;  // asked for instead when a proxy is set
  std::string host;
  std::string proxy;    // empty: direct connection
  TRequestHeaders headers;
  std::string extra;    // destination (Copy, Move) or link value (Link, Unlink)
  std::int64_t bodySize = 0;  // for the commands that send a body
};

// The request's lines without their line ends, in the order they are sent:
// request line, proxy lines, one Host line, the two Accept lines, the
// optional header lines, Content-type (for every command), the command's
// own line, Content-Length.
std::vector<std::string> BuildRequestLines(const RequestParts& parts);

// The bytes on the wire: each line followed by CR LF, then one more CR LF.
std::string RequestText(const std::vector<std::string>& lines);

}  // namespace sorvane
