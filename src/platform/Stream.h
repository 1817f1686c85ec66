#pragma once

#include <cstddef>
#include <cstdint>

namespace sorvane {

enum class SeekOrigin { Begin, Current, End };

// A byte stream with a position, after the runtime's stream class. Files and
// memory blocks implement it; the container code reads and writes only
// through it.
class Stream {
 public:
  virtual ~Stream() = default;

  // Reads up to count bytes into buffer and returns how many were read; 0
  // means the end of the data. Throws EReadError when the device fails.
  virtual std::size_t Read(void* buffer, std::size_t count) = 0;

  // Writes up to count bytes and returns how many were taken; fewer than
  // count means the device is full. Throws EWriteError when it fails.
  virtual std::size_t Write(const void* buffer, std::size_t count) = 0;

  // Moves the position and returns the new one. Positions past the end are
  // allowed (reading there gives 0 bytes); a negative result is refused with
  // EReadError.
  virtual std::int64_t Seek(std::int64_t offset, SeekOrigin origin) = 0;

  // Size of the data in bytes. The default asks Seek and restores the
  // position.
  virtual std::int64_t Size();

  std::int64_t Position() { return Seek(0, SeekOrigin::Current); }

  // Reads exactly count bytes or throws EReadError "Stream-Lesefehler".
  void ReadBuffer(void* buffer, std::size_t count);

  // Writes exactly count bytes or throws EWriteError "Stream-Schreibfehler".
  void WriteBuffer(const void* buffer, std::size_t count);
};

}  // namespace sorvane
