#include "gui/Form5Frame.h"

#include <wx/dcbuffer.h>

#include <cstring>

#include "forms/PictureFit.h"
#include "gui/WxText.h"

namespace sorvane {

namespace {

constexpr long kStyle =
    wxCAPTION | wxCLOSE_BOX | wxRESIZE_BORDER | wxFRAME_TOOL_WINDOW | wxSTAY_ON_TOP | wxCLIP_CHILDREN;

}  // namespace

Form5Frame::Form5Frame(wxWindow* mainWindow)
    : wxFrame(mainWindow, wxID_ANY, Wx("Bildervorschau"), wxDefaultPosition, wxDefaultSize, kStyle) {
  SetClientSize(320, 240);
  // Everything is painted here: no background erase between the frames.
  SetBackgroundStyle(wxBG_STYLE_PAINT);
  Bind(wxEVT_PAINT, &Form5Frame::OnPaint, this);
  // The fit depends on the client area: a resize redraws all of it.
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    Refresh(false);
    event.Skip();
  });
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
    if (event.CanVeto()) {
      event.Veto();
      wxFrame::Show(false);
    } else {
      event.Skip();
    }
  });
}

void Form5Frame::Adapter::SetDoubleBuffered(bool on) { frame_.wxFrame::SetDoubleBuffered(on); }

void Form5Frame::Adapter::Show() {
  frame_.wxFrame::Show(true);
  frame_.Raise();
}

void Form5Frame::Adapter::SetPicture(const Picture& picture) {
  if (picture.Empty()) {
    frame_.picture_ = wxImage();
  } else {
    wxImage image(picture.Width, picture.Height, false);
    std::memcpy(image.GetData(), picture.Rgb.data(), picture.Rgb.size());
    frame_.picture_ = image;
  }
  frame_.scaled_ = wxBitmap();
  frame_.Refresh(false);
}

wxRect Form5Frame::PictureRect() const {
  if (!picture_.IsOk()) return {};
  const wxSize client = GetClientSize();
  const auto fit = FitPicture(picture_.GetWidth(), picture_.GetHeight(), client.x, client.y);
  return {fit.Left, fit.Top, fit.Width, fit.Height};
}

void Form5Frame::OnPaint(wxPaintEvent&) {
  wxAutoBufferedPaintDC dc(this);
  dc.SetBackground(wxBrush(GetBackgroundColour()));
  dc.Clear();
  const wxRect where = PictureRect();
  if (where.IsEmpty()) return;
  if (!scaled_.IsOk() || scaled_.GetSize() != where.GetSize()) {
    scaled_ = wxBitmap(picture_.Scale(where.width, where.height, wxIMAGE_QUALITY_BILINEAR));
  }
  dc.DrawBitmap(scaled_, where.GetPosition());
}

}  // namespace sorvane
