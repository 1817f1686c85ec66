#include <cstddef>

#include "platform/NativeServices.h"
#include "platform/win32/AnsiText.h"
#include "platform/win32/WindowsApi.h"

namespace sorvane {

// The non-client metrics in their first form, 340 bytes, without the padded
// border width that later versions appended: every version of Windows takes
// that size, and the older ones refuse a larger one.
static_assert(offsetof(NONCLIENTMETRICSA, lfMessageFont) + sizeof(LOGFONTA) == 340);

std::string SystemMessageFontFace() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = offsetof(NONCLIENTMETRICSA, lfMessageFont) + sizeof(LOGFONTA);
  if (!::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0)) return {};
  metrics.lfMessageFont.lfFaceName[LF_FACESIZE - 1] = '\0';
  return NarrowText(WidenText(metrics.lfMessageFont.lfFaceName, CP_ACP), CP_UTF8);
}

}  // namespace sorvane
