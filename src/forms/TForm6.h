#pragma once

#include <cstdint>

#include "forms/Form6View.h"

namespace sorvane {

// The wait window "Bitte warten...": a progress bar that a container load
// drives from 0 to the member count. It refuses the user's requests to close
// it until the position has reached the maximum; the load's own close
// (Hide) goes through whatever the position, also after a failed load.
class TForm6 {
 public:
  explicit TForm6(Form6View& view) : view_(view) {}

  // ProgressBar's range 0 to maximum (a negative maximum counts as 0); the
  // position is kept inside it.
  void SetProgressRange(std::int32_t maximum);
  void SetProgressPosition(std::int32_t position);
  std::int32_t Maximum() const { return maximum_; }
  std::int32_t Position() const { return position_; }

  void Show() { view_.Show(); }
  void Hide() { view_.Hide(); }

  // Whether a request to close the window is allowed: exactly when the
  // position equals the maximum (so for an empty container at 0 of 0 too).
  bool FormCloseQuery() const { return position_ == maximum_; }

 private:
  Form6View& view_;
  std::int32_t maximum_ = 100;  // as designed
  std::int32_t position_ = 0;
};

}  // namespace sorvane
