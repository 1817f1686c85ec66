#pragma once

#include "platform/PictureDecoder.h"

namespace sorvane {

// The preview window as TForm5 sees it: a stay-on-top tool window
// "Bildervorschau" whose one control, Image, fills the client area and draws
// the picture it was given by the fit rule (FitPicture), recomputed on every
// resize and paint.
class Form5View {
 public:
  virtual ~Form5View() = default;

  virtual void SetDoubleBuffered(bool on) = 0;

  // Whether the window is shown; the user may hide it with its close box at
  // any time, so the view answers this, not TForm5.
  virtual bool IsVisible() = 0;

  // Shows the window without making it modal.
  virtual void Show() = 0;

  // Hides the window; the picture stays in it.
  virtual void Hide() = 0;

  // Replaces the shown picture; an empty picture shows nothing. The view
  // keeps its own copy.
  virtual void SetPicture(const Picture& picture) = 0;
};

}  // namespace sorvane
