#pragma once

#include <cstddef>
#include <cstdint>

namespace sorvane {

// Views of a file's bytes where they lie in the system's file cache, for a
// reader that walks a large file once: it reads them in place instead of
// having them copied into a buffer of its own. One view at a time; making
// the next gives the previous one up.
//
// Another program may cut the file short while it is viewed. The bytes that
// are gone then read as zero instead of ending the program, and Cut() says
// so from then on: whatever was read from a view may be zeros, and the
// reader must not trust it.
class FileViews {
 public:
  virtual ~FileViews() = default;

  // The bytes [offset, offset + bytes) of the file, which must lie within
  // the size the file had when the views were made; valid until the next
  // View or the end of the views. nullptr when no view can be made: the
  // reader then reads as it would without views.
  virtual const unsigned char* View(std::int64_t offset, std::size_t bytes) = 0;

  // Whether bytes of a view were gone when read (the file was cut short).
  virtual bool Cut() const = 0;
};

}  // namespace sorvane
