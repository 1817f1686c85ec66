#include "platform/LoopbackHost.h"

#include <cctype>

namespace sorvane {
namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// Four dot-separated decimal numbers up to 255, the first being 127.
bool IsLoopbackAddress(const std::string& host) {
  int parts = 0;
  int first = -1;
  std::size_t at = 0;
  while (true) {
    int value = 0;
    std::size_t digits = 0;
    while (at < host.size() && std::isdigit(static_cast<unsigned char>(host[at])) && digits < 4) {
      value = value * 10 + (host[at++] - '0');
      ++digits;
    }
    if (digits == 0 || digits > 3 || value > 255) return false;
    if (++parts == 1) first = value;
    if (at == host.size()) break;
    if (host[at++] != '.' || parts == 4) return false;
  }
  return parts == 4 && first == 127;
}

}  // namespace

bool IsLoopbackHost(const std::string& host) {
  std::string name = host.substr(0, host.find(':'));
  for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (!name.empty() && name.back() == '.') name.pop_back();
  return name == "localhost" || EndsWith(name, ".localhost") || IsLoopbackAddress(name);
}

}  // namespace sorvane
