#pragma once

#include <string>

#include "forms/Form5View.h"
#include "platform/PictureDecoder.h"

namespace sorvane {

// The preview window "Bildervorschau": shows one picture, fitted into its
// client area. It is created hidden and lives until the program ends;
// closing only hides it. What it shows is decided by the main window's
// selection handlers (TForm1::ListView_FilesSelectItem), which write the
// member to a temporary copy and hand its path to LoadPictureFromFile.
class TForm5 {
 public:
  TForm5(Form5View& view, PictureDecoder& decoder) : view_(view), decoder_(decoder) {}

  // Switches on double-buffered drawing, so that resizing does not flicker.
  void FormCreate();

  bool Visible() { return view_.IsVisible(); }
  void Show() { view_.Show(); }
  // Hides the window; the picture stays.
  void Close() { view_.Hide(); }

  // Empties Image.
  void ClearPicture();

  // Decodes the file (decoder by its extension, LoadPicture) and shows it.
  // On failure throws and Image keeps what it showed.
  void LoadPictureFromFile(const std::string& path);

  // The picture Image holds.
  const Picture& Image() const { return image_; }

 private:
  Form5View& view_;
  PictureDecoder& decoder_;
  Picture image_;
};

}  // namespace sorvane
