#pragma once

#include <cstdint>
#include <span>

#include "platform/PictureDecoder.h"

namespace sorvane {

namespace texts {
inline constexpr char kJpegError[] = "JPEG-Fehler #%d";
}  // namespace texts

// Decodes a JPEG file's bytes with libjpeg. A file libjpeg refuses throws an
// Exception "JPEG-Fehler #n" with libjpeg's own message number n. Damage that
// libjpeg only warns about (data cut off after the headers, for example)
// still gives a picture, the missing part filled in by libjpeg, as a viewer
// shows it. A picture too large to hold in memory throws EOutOfMemory.
Picture DecodeJpegBytes(std::span<const std::uint8_t> bytes);

}  // namespace sorvane
