#include "platform/PathExpansion.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace sorvane {

std::string ExpandPath(const std::string& folder, const std::string& path) {
  if (path.empty()) return path;
  const std::string full = path.front() == '/' ? path : folder + "/" + path;
  std::vector<std::string_view> parts;
  const std::string_view text = full;
  for (std::size_t at = 0; at <= text.size();) {
    const std::size_t next = std::min(text.find('/', at), text.size());
    const std::string_view part = text.substr(at, next - at);
    if (part == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!part.empty() && part != ".") {
      parts.push_back(part);
    }
    at = next + 1;
  }
  std::string result;
  for (const std::string_view part : parts) (result += '/') += part;
  if (result.empty() || full.back() == '/') result += '/';
  return result;
}

}  // namespace sorvane
