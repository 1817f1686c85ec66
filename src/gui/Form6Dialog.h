#pragma once

#include <chrono>

#include "forms/Form6View.h"
#include "gui/BusyDialog.h"

class wxGauge;

namespace sorvane {

// The wait window "Bitte warten...": a progress bar in a window without
// close box or system menu, on top and centred over the main window while a
// container loads. The user's requests to close it are put to
// closeQuery (TForm6::FormCloseQuery); the program's own Hide asks nothing.
class Form6Dialog : public BusyDialog {
 public:
  explicit Form6Dialog(wxWindow* mainWindow);

  Form6View& View() { return view_; }
  wxGauge* ProgressBar = nullptr;

 private:
  class Adapter final : public Form6View {
   public:
    explicit Adapter(Form6Dialog& dialog) : dialog_(dialog) {}
    void SetProgressRange(std::int32_t maximum) override;
    void SetProgressPosition(std::int32_t position) override;
    void Show() override;
    void Hide() override;

   private:
    Form6Dialog& dialog_;
  };

  Adapter view_{*this};
  std::int32_t range_ = 100;  // as designed: 0 to 100
  std::chrono::steady_clock::time_point shownAt_{};  // when the bar last took a position
};

}  // namespace sorvane
