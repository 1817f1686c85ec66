#include "platform/JpegDecoder.h"

// jpeglib.h needs size_t and FILE declared before it.
#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <new>
#include <string>

#include <jpeglib.h>

#include "platform/Errors.h"

namespace sorvane {

namespace {

// More than this many output bytes is refused before allocating: a header
// may claim 65500 × 65500 pixels in a file of a few hundred bytes.
constexpr std::uint64_t kMaxPictureBytes = std::uint64_t{1} << 30;

// libjpeg's default error handler ends the process; ours jumps back to the
// decoding function, which throws once libjpeg's frames are gone (an
// exception must not unwind through C code).
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf back;
  bool outOfMemory;  // set by us, not by libjpeg
};

[[noreturn]] void JumpBack(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->back, 1);
}

// Warnings (corrupt or missing data) are not failures; they must not print
// either, as libjpeg's default does on stderr.
void Quiet(j_common_ptr, int) {}

// Adobe writes CMYK inverted; libjpeg cannot turn CMYK into RGB itself.
void CmykRowToRgb(const JSAMPLE* cmyk, std::uint8_t* rgb, JDIMENSION width, bool inverted) {
  for (JDIMENSION x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
    const unsigned k = inverted ? cmyk[3] : 255u - cmyk[3];
    for (int c = 0; c < 3; ++c) {
      const unsigned ink = inverted ? cmyk[c] : 255u - cmyk[c];
      rgb[c] = static_cast<std::uint8_t>(ink * k / 255u);
    }
  }
}

// No object with a destructor lives in the frames a jump skips (libjpeg's
// own); result belongs to the caller and is left to it in the error branch.
void Decode(std::span<const std::uint8_t> bytes, Picture& result) {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = JumpBack;
  errors.base.emit_message = Quiet;
  if (setjmp(errors.back) != 0) {
    const int code = errors.base.msg_code;
    jpeg_destroy_decompress(&info);
    if (errors.outOfMemory) throw EOutOfMemory(texts::kOutOfMemory);
    std::string text = texts::kJpegError;
    text.replace(text.find("%d"), 2, std::to_string(code));
    throw Exception(text);
  }

  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : info.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_start_decompress(&info);

  const std::uint64_t size = std::uint64_t{info.output_width} * info.output_height * 3;
  try {
    if (size > kMaxPictureBytes) throw std::bad_alloc();
    result.Rgb.resize(size);
  } catch (const std::bad_alloc&) {
    errors.outOfMemory = true;
  }
  // Jumping out of a catch block would leave the exception half handled.
  if (errors.outOfMemory) JumpBack(reinterpret_cast<j_common_ptr>(&info));
  result.Width = static_cast<std::int32_t>(info.output_width);
  result.Height = static_cast<std::int32_t>(info.output_height);

  const JDIMENSION width = info.output_width;
  JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                            width * info.output_components, 1);
  while (info.output_scanline < info.output_height) {
    std::uint8_t* out = result.Rgb.data() + std::size_t{info.output_scanline} * width * 3;
    if (jpeg_read_scanlines(&info, row, 1) != 1) break;
    if (cmyk) {
      CmykRowToRgb(row[0], out, width, info.saw_Adobe_marker);
    } else if (info.output_components == 1) {
      for (JDIMENSION x = 0; x < width; ++x) out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = row[0][x];
    } else {
      std::copy(row[0], row[0] + width * 3, out);
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
}

}  // namespace

Picture DecodeJpegBytes(std::span<const std::uint8_t> bytes) {
  Picture result;
  Decode(bytes, result);
  return result;
}

}  // namespace sorvane
