#pragma once

#include <string>

namespace sorvane {

// Optional values of a request's header lines; an empty value leaves its
// line out. Authorization goes out only when both UserId and Password are
// set.
struct TRequestHeaders {
  std::string FromAddress;
  std::string UserAgent;
  std::string Cookie;
  std::string Referer;
  std::string UserId;
  std::string Password;
};

}  // namespace sorvane
