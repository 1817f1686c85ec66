#pragma once

#include <cstdint>

namespace sorvane {

// What tells one state of a file from another: which file it is (its volume
// and its number there, so a file replaced under the same name differs),
// its size and its last modification as the system keeps it. Two equal
// stamps say the file has not been changed in between, as far as the
// system's clock can tell.
struct FileStamp {
  std::uint64_t volume = 0;
  std::uint64_t file = 0;
  std::int64_t size = 0;
  std::int64_t modified = 0;  // in the system's own units

  friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

}  // namespace sorvane
