#include "net/RequestBuilder.h"

#include "net/Base64.h"

namespace sorvane {

std::string_view RequestWord(HttpCommand command) {
  switch (command) {
    case HttpCommand::Get: return "GET ";
    case HttpCommand::Options: return "OPTIONS ";
    case HttpCommand::Head: return "HEAD ";
    case HttpCommand::Post: return "POST ";
    case HttpCommand::Put: return "PUT ";
    case HttpCommand::Patch: return "PATCH ";
    case HttpCommand::Copy: return "COPY ";
    case HttpCommand::Move: return "MOVE ";
    case HttpCommand::Delete: return "DELETE ";
    case HttpCommand::Link: return "LINK ";
    case HttpCommand::Unlink: return "UNLINK ";
    case HttpCommand::Trace: return "TRACE ";
  }
  return "GET ";
}

bool HasContentLength(HttpCommand command) {
  switch (command) {
    case HttpCommand::Post:
    case HttpCommand::Put:
    case HttpCommand::Patch:
    case HttpCommand::Link:
    case HttpCommand::Unlink:
    case HttpCommand::Trace:
      return true;
    default:
      return false;
  }
}

std::vector<std::string> BuildRequestLines(const RequestParts& parts) {
  std::vector<std::string> lines;
  const bool viaProxy = !parts.proxy.empty();
  lines.push_back(std::string(RequestWord(parts.command)) + (viaProxy ? parts.address : parts.path) +
                  " HTTP/1.0");
  if (viaProxy) lines.push_back("Proxy-Connection: Keep-Alive");
  // Exactly one Host line, wherever the first one stands.
  lines.push_back("Host: " + parts.host);
  lines.push_back("Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff");
  lines.push_back("Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript");

  const TRequestHeaders& h = parts.headers;
  if (!h.UserAgent.empty()) lines.push_back("User-Agent: " + h.UserAgent);
  if (!h.FromAddress.empty()) lines.push_back("From: " + h.FromAddress);
  if (!h.Cookie.empty()) lines.push_back("Cookie: " + h.Cookie);
  if (!h.Referer.empty()) lines.push_back("Referer: " + h.Referer);
  if (!h.UserId.empty() && !h.Password.empty())
    lines.push_back("Authorization: Basic " + EncodeBase64(h.UserId + ":" + h.Password));

  lines.push_back("Content-type: application/x-www-form-urlencoded");
  if (parts.command == HttpCommand::Copy || parts.command == HttpCommand::Move)
    lines.push_back("URI-header: " + parts.extra);
  if (parts.command == HttpCommand::Link || parts.command == HttpCommand::Unlink)
    lines.push_back("Link: " + parts.extra);
  if (HasContentLength(parts.command))
    lines.push_back("Content-Length: " + std::to_string(parts.bodySize));
  return lines;
}

std::string RequestText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) {
    text += line;
    text += "\r\n";
  }
  text += "\r\n";
  return text;
}

}  // namespace sorvane
