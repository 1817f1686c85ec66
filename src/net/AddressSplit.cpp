#include "net/AddressSplit.h"

#include <cctype>

#include "net/NetTexts.h"
#include "platform/Errors.h"

namespace sorvane {
namespace {

constexpr std::size_t kMaxPath = 256;

// Position of the n-th "/" (counting from 1), or npos.
std::size_t NthSlash(const std::string& text, int n) {
  std::size_t at = std::string::npos;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '/' && --n == 0) {
      at = i;
      break;
    }
  }
  return at;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

int ParsePort(const std::string& text) {
  if (text.empty() || text.size() > 5) throw Exception(net_texts::kInvalidPort);
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') throw Exception(net_texts::kInvalidPort);
    value = value * 10 + (c - '0');
  }
  if (value < 1 || value > 65535) throw Exception(net_texts::kInvalidPort);
  return value;
}

}  // namespace

RequestTarget SplitRequestAddress(const std::string& address, const std::string& host, int port) {
  if (address.empty()) throw Exception(net_texts::kEmptyUrl);
  RequestTarget target{address, {}, host, port == 0 ? 80 : port};
  const bool hasDoubleSlash = address.find("//") != std::string::npos;

  std::size_t pathStart = std::string::npos;
  if (hasDoubleSlash)
    pathStart = NthSlash(address, 3);
  else
    pathStart = address.find('/');
  if (pathStart != std::string::npos) target.path = address.substr(pathStart, kMaxPath);

  const std::size_t colon = address.find(':');
  if (colon != std::string::npos) {
    const std::string scheme = Lower(address.substr(0, colon));
    if (scheme == "https") throw Exception(net_texts::kHttpsNotSupported);
    target.port = scheme == "gopher" ? 70 : scheme == "ftp" ? 21 : 80;
  }

  std::string hostPart;
  if (hasDoubleSlash) {
    const std::size_t second = NthSlash(address, 2);
    const std::size_t third = NthSlash(address, 3);
    hostPart = address.substr(second + 1, third == std::string::npos ? std::string::npos
                                                                     : third - second - 1);
  } else if (address.front() != '/') {
    hostPart = address.substr(0, address.find('/'));
  }
  const std::size_t portColon = hostPart.find(':');
  if (portColon != std::string::npos) {
    target.port = ParsePort(hostPart.substr(portColon + 1));
    hostPart.resize(portColon);
  }
  if (!hostPart.empty()) target.host = hostPart;

  if (target.path.empty()) {
    target.path.assign(1, '/');
    target.address.push_back('/');
  }
  return target;
}

}  // namespace sorvane
