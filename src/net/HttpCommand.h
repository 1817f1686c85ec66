#pragma once

#include <string_view>

namespace sorvane {

// The request kinds, numbered as the success and failure events report
// them.
enum class HttpCommand : int {
  Get = 0,
  Options = 1,
  Head = 2,
  Post = 3,
  Put = 4,
  Patch = 5,
  Copy = 6,
  Move = 7,
  Delete = 8,
  Link = 9,
  Unlink = 10,
  Trace = 11,
};

// The word that begins the request line, blank included ("GET ").
std::string_view RequestWord(HttpCommand command);

// Whether the request announces a body with a Content-Length line.
bool HasContentLength(HttpCommand command);

}  // namespace sorvane
