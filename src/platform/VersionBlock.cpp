#include "platform/VersionBlock.h"

#include <algorithm>
#include <vector>

namespace sorvane {
namespace {

struct Node {
  std::size_t valueAt = 0, valueSize = 0;
  std::size_t childrenAt = 0, end = 0;
  bool text = false;
  std::u16string key;
};

std::size_t Aligned(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

unsigned Word(std::string_view block, std::size_t at) {
  return static_cast<unsigned char>(block[at]) | (static_cast<unsigned char>(block[at + 1]) << 8);
}

char16_t Folded(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }

bool SameName(const std::u16string& a, const std::u16string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Folded(a[i]) != Folded(b[i])) return false;
  return true;
}

// The node at offset, which must lie within [offset, limit).
std::optional<Node> ReadNode(std::string_view block, std::size_t offset, std::size_t limit) {
  if (offset + 6 > limit) return std::nullopt;
  const std::size_t length = Word(block, offset);
  const std::size_t valueLength = Word(block, offset + 2);
  Node node;
  node.text = Word(block, offset + 4) == 1;
  node.end = offset + length;
  if (length < 6 || node.end > limit) return std::nullopt;
  std::size_t at = offset + 6;
  for (;; at += 2) {
    if (at + 2 > node.end) return std::nullopt;
    const auto c = static_cast<char16_t>(Word(block, at));
    if (c == 0) break;
    node.key += c;
  }
  node.valueAt = Aligned(at + 2);
  // A text's length counts characters, binary data's counts bytes.
  const std::size_t valueBytes = node.text ? 2 * valueLength : valueLength;
  if (node.valueAt > node.end) node.valueAt = node.end;
  node.valueSize = std::min(valueBytes, node.end - node.valueAt);
  node.childrenAt = Aligned(node.valueAt + node.valueSize);
  return node;
}

std::vector<std::u16string> Components(const std::u16string& path) {
  std::vector<std::u16string> parts;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find(u'\\', start);
    if (end == std::u16string::npos) end = path.size();
    if (end > start) parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

}  // namespace

std::optional<VersionBlockValue> FindVersionValue(std::string_view block, const std::u16string& path) {
  auto node = ReadNode(block, 0, block.size());
  if (!node) return std::nullopt;
  for (const std::u16string& name : Components(path)) {
    std::optional<Node> found;
    for (std::size_t at = node->childrenAt; at < node->end && !found;) {
      const auto child = ReadNode(block, at, node->end);
      if (!child) return std::nullopt;
      if (SameName(child->key, name)) found = child;
      at = Aligned(child->end);
    }
    if (!found) return std::nullopt;
    node = found;
  }
  return VersionBlockValue{node->text, std::string(block.substr(node->valueAt, node->valueSize))};
}

}  // namespace sorvane
