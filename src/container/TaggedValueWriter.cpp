#include "container/TaggedValueWriter.h"

#include "container/LittleEndian.h"
#include "container/TaggedValueReader.h"

namespace sorvane {

void TaggedValueWriter::ListStart() { bytes_ += static_cast<char>(tag::kList); }

void TaggedValueWriter::ListEnd() { bytes_ += static_cast<char>(tag::kEnd); }

void TaggedValueWriter::Text(const AnsiString& text) {
  if (text.size() <= 255) {
    bytes_ += static_cast<char>(tag::kString);
    bytes_ += static_cast<char>(text.size());
  } else {
    bytes_ += static_cast<char>(tag::kLongString);
    AppendInt32(bytes_, static_cast<std::int32_t>(text.size()));
  }
  bytes_ += text;
}

void TaggedValueWriter::Integer(std::int32_t value) {
  if (value >= INT8_MIN && value <= INT8_MAX) {
    bytes_ += static_cast<char>(tag::kInt8);
    bytes_ += static_cast<char>(value & 0xFF);
  } else if (value >= INT16_MIN && value <= INT16_MAX) {
    bytes_ += static_cast<char>(tag::kInt16);
    bytes_ += static_cast<char>(value & 0xFF);
    bytes_ += static_cast<char>((value >> 8) & 0xFF);
  } else {
    bytes_ += static_cast<char>(tag::kInt32);
    AppendInt32(bytes_, value);
  }
}

void TaggedValueWriter::Flag(bool value) { bytes_ += static_cast<char>(value ? tag::kTrue : tag::kFalse); }

void TaggedValueWriter::Raw(std::string_view encoded) { bytes_ += encoded; }

}  // namespace sorvane
