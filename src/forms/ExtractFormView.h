#pragma once

#include <cstdint>
#include <string>

namespace sorvane {

// The extraction's progress window as TExtractForm sees it: a window of the
// wait window's kind (no close box, on top, centred over the main window)
// with the member being written, the counts, a progress bar of 0 to 1000 and
// the button "Abbrechen". A request of the user to close it is put to
// TExtractForm::FormCloseQuery by the view; Hide() asks nothing.
class ExtractFormView {
 public:
  virtual ~ExtractFormView() = default;

  virtual void SetFileText(const std::string& text) = 0;
  virtual void SetCountText(const std::string& text) = 0;
  virtual void SetProgressPosition(std::int32_t perMille) = 0;
  virtual void SetCancelEnabled(bool enabled) = 0;

  virtual void Show() = 0;
  virtual void Hide() = 0;
};

}  // namespace sorvane
