#pragma once

#include <cstdint>
#include <string>

#include "forms/BlendColor.h"
#include "forms/LogoStrip.h"

namespace sorvane {

enum class InfoLabel { InfoLbl, EMailLbl, URLLbl };

// The About box's window as TInfo sees it. Texts are UTF-8.
class InfoView {
 public:
  virtual ~InfoView() = default;

  virtual void SetCaption(const std::string& caption) = 0;
  // Shows the box modally; returns when it is closed.
  virtual void RunModal() = 0;
  // Labels keep their right edge when their text changes.
  virtual void SetLabelText(InfoLabel label, const std::string& text) = 0;
  virtual void SetLabelUnderlined(InfoLabel label, bool underlined) = 0;
  virtual void SetLabelColor(InfoLabel label, Color color) = 0;
};

// The paint box of the logo strip while it is painted.
class LogoCanvas {
 public:
  virtual ~LogoCanvas() = default;

  virtual std::int32_t Width() = 0;
  virtual std::int32_t Height() = 0;
  // The box's colour, in which the icon's frame is drawn.
  virtual Color BoxColor() = 0;
  // Height of text in the box's font, bold or regular.
  virtual std::int32_t TextHeight(const std::string& text, bool bold) = 0;
  // Puts the painted strip at the box's top left corner.
  virtual void DrawPixels(const PixelBuffer& pixels) = 0;
  // Writes text at x, y (its top left) without background.
  virtual void DrawText(std::int32_t x, std::int32_t y, const std::string& text, bool bold) = 0;
};

// The application's windows that exist at a moment, in the order of the
// application's window list, for the message font.
class ApplicationWindows {
 public:
  virtual ~ApplicationWindows() = default;

  // The face name of the system's message font (on GTK the desktop's
  // default font for controls).
  virtual std::string MessageFontFace() = 0;
  virtual int Count() = 0;
  virtual int FontPointSize(int window) = 0;
  // Changes only the face of the window's font.
  virtual void SetFontFace(int window, const std::string& face) = 0;
};

}  // namespace sorvane
