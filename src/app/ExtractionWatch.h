#pragma once

#include <cstdint>
#include <string>

namespace sorvane {

// Thrown out of a member's writing when the user has stopped the
// extraction. Not an error: nothing is reported, the page stays.
struct ExtractionStopped {};

// What ExtractMember tells whoever watches a long extraction, so that the
// windows stay alive while it writes.
class ExtractionWatch {
 public:
  virtual ~ExtractionWatch() = default;
  // A question (the folder browser, the overwrite question) comes next.
  virtual void Asking() = 0;
  // The member's target is about to be created; name is UTF-8, size the
  // size the member list shows.
  virtual void MemberStarts(const std::string& name, std::int64_t size) = 0;
  // A block of the member's data has been written. Throws ExtractionStopped
  // when the user has stopped the extraction meanwhile and the member is
  // not written in full.
  virtual void BytesWritten(std::int64_t bytes) = 0;
};

}  // namespace sorvane
