#pragma once

#include <wx/bitmap.h>
#include <wx/frame.h>
#include <wx/image.h>

#include "forms/Form5View.h"

namespace sorvane {

// The preview window "Bildervorschau": a stay-on-top tool window whose whole
// client area is Image, the picture fitted into it with its shape kept.
// Closing it only hides it. It belongs to the main window, which takes it
// along when the program ends.
class Form5Frame : public wxFrame {
 public:
  explicit Form5Frame(wxWindow* mainWindow);

  Form5View& View() { return view_; }

  // The picture as drawn now: its rectangle in the client area (empty when
  // there is no picture). For the smoke tests.
  wxRect PictureRect() const;

 private:
  // TForm5's view of this window. Kept apart from wxFrame, whose Show and
  // Hide mean something else.
  class Adapter final : public Form5View {
   public:
    explicit Adapter(Form5Frame& frame) : frame_(frame) {}
    void SetDoubleBuffered(bool on) override;
    bool IsVisible() override { return frame_.IsShown(); }
    void Show() override;
    void Hide() override { frame_.wxFrame::Show(false); }
    void SetPicture(const Picture& picture) override;

   private:
    Form5Frame& frame_;
  };

  void OnPaint(wxPaintEvent& event);

  Adapter view_{*this};
  wxImage picture_;
  // The picture scaled to the last drawn size, so that repaints without a
  // resize do not scale again.
  wxBitmap scaled_;
};

}  // namespace sorvane
