#include "common/ConsoleStreams.h"

#include <iostream>

namespace sorvane::tools {
namespace {

// Where text may be cut without splitting a UTF-8 sequence: before a
// sequence at the end that still lacks bytes. Bytes that cannot start or
// continue a sequence are left to the conversion.
std::size_t CompleteLength(const std::string& text) {
  const std::size_t size = text.size();
  for (std::size_t back = 1; back <= 3 && back <= size; ++back) {
    const auto byte = static_cast<unsigned char>(text[size - back]);
    if ((byte & 0xC0) == 0x80) continue;  // a continuation byte: look further back
    const std::size_t length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
    return length > back ? size - back : size;
  }
  return size;
}

// Text waits until this much has gathered or the stream is flushed.
constexpr std::size_t kBatch = 4096;

}  // namespace

ConsoleBuffer::int_type ConsoleBuffer::overflow(int_type c) {
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  pending_ += traits_type::to_char_type(c);
  if (pending_.size() >= kBatch && sync() != 0) return traits_type::eof();
  return c;
}

std::streamsize ConsoleBuffer::xsputn(const char* text, std::streamsize count) {
  pending_.append(text, static_cast<std::size_t>(count));
  if (pending_.size() >= kBatch && sync() != 0) return 0;
  return count;
}

int ConsoleBuffer::sync() {
  const std::size_t complete = CompleteLength(pending_);
  const std::string text = pending_.substr(0, complete);
  pending_.erase(0, complete);
  // Bytes written around the conversion (Raw) go first.
  if (!text.empty() && target_.pubsync() == 0 && console_.WriteText(channel_, text)) return 0;
  const std::string converted = console_.ForTerminal(text);
  const auto size = static_cast<std::streamsize>(converted.size());
  if (target_.sputn(converted.data(), size) != size) return -1;
  return target_.pubsync();
}

ConsoleStreams::ConsoleStreams(Console& console)
    : coutTarget_(std::cout.rdbuf()),
      cerrTarget_(std::cerr.rdbuf()),
      out_(console, Console::Channel::Output, *coutTarget_),
      err_(console, Console::Channel::Error, *cerrTarget_),
      raw_(coutTarget_) {
  std::cout.rdbuf(&out_);
  std::cerr.rdbuf(&err_);
}

ConsoleStreams::~ConsoleStreams() {
  std::cout.flush();
  std::cerr.flush();
  std::cout.rdbuf(coutTarget_);
  std::cerr.rdbuf(cerrTarget_);
}

std::ostream& ConsoleStreams::Raw() {
  std::cout.flush();
  return raw_;
}

ConsoleArguments::ConsoleArguments(Console& console, int argc, char** argv) {
  texts_ = console.Arguments(argc, argv);
  for (const std::string& text : texts_) pointers_.push_back(text.c_str());
}

std::vector<std::string> ConsoleArguments::Operands() const {
  return texts_.empty() ? texts_ : std::vector<std::string>(texts_.begin() + 1, texts_.end());
}

}  // namespace sorvane::tools
