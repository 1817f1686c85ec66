#pragma once

#include <cstdint>

namespace sorvane {

// The wait window as TForm6 sees it: "Bitte warten..." without close box or
// system menu, on top and centred over the main window, holding ProgressBar.
// A request of the user to close it (e.g. Alt+F4) is put to
// TForm6::FormCloseQuery by the view; Hide() is the program's own close and
// asks nothing.
class Form6View {
 public:
  virtual ~Form6View() = default;

  // ProgressBar: range 0 to maximum, position within it.
  virtual void SetProgressRange(std::int32_t maximum) = 0;
  virtual void SetProgressPosition(std::int32_t position) = 0;

  virtual void Show() = 0;
  virtual void Hide() = 0;
};

}  // namespace sorvane
