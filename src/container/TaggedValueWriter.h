#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Text.h"

namespace sorvane {

// Encodes tagged values (see TaggedValueReader.h) into a byte string, in the
// forms a container trailer is written with: byte strings as short strings
// up to 255 bytes and long strings beyond, integers in the smallest form
// that holds them.
class TaggedValueWriter {
 public:
  void ListStart();
  void ListEnd();
  void Text(const AnsiString& text);
  void Integer(std::int32_t value);
  void Flag(bool value);
  // Appends bytes that already are one or more encoded values.
  void Raw(std::string_view encoded);

  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

}  // namespace sorvane
