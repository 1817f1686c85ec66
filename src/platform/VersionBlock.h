#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvane {

// One value of a version block.
struct VersionBlockValue {
  bool text = false;  // a text (UTF-16) rather than binary data
  // As stored: the bytes of binary data, or the text's UTF-16 code units in
  // little-endian order (usually ending with a NUL).
  std::string bytes;
};

// Finds a value in a VS_VERSIONINFO block as Windows resources store it: each
// node is a length, a value length, a type, a UTF-16 key, the value and the
// child nodes, each part aligned to four bytes from the block's start. path
// names nodes from the root by key, separated by "\" and compared without
// regard to ASCII case; "\" alone is the root's value (the fixed file
// information). nullopt when a node is missing or the block is malformed.
std::optional<VersionBlockValue> FindVersionValue(std::string_view block, const std::u16string& path);

}  // namespace sorvane
