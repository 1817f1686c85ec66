#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>

#include "platform/FileStamp.h"
#include "platform/FileViews.h"

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

  // Views of the bytes in place (see FileViews), for a reader that walks a
  // large file once; valid while the stream is. nullptr where there are
  // none, as for memory: the reader then reads.
  virtual std::unique_ptr<FileViews> Views() { return nullptr; }

  // The file's stamp now, for a reader that kept where things lie in it and
  // may use that only while the file is unchanged. Nothing for streams that
  // are no file, and where the system cannot say.
  virtual std::optional<FileStamp> Stamp() { return std::nullopt; }

  // Reads exactly count bytes or throws EReadError "Stream-Lesefehler".
  void ReadBuffer(void* buffer, std::size_t count);

  // Writes exactly count bytes or throws EWriteError "Stream-Schreibfehler".
  void WriteBuffer(const void* buffer, std::size_t count);

  // Moves up to count bytes from source's position to this stream's
  // position, advancing both, and returns how many; 0 means the source has
  // no more. buffer (count bytes at least) is scratch space: the default
  // reads into it and writes it out. Streams that can move bytes without
  // passing them through memory (two files, by the system) override it.
  // Throws as Read does for the source, and EWriteError
  // "Stream-Schreibfehler" when this stream takes fewer bytes than it got.
  virtual std::size_t CopyFrom(Stream& source, void* buffer, std::size_t count);
};

}  // namespace sorvane
