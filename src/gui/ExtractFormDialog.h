#pragma once

#include <functional>

#include "forms/ExtractFormView.h"
#include "gui/BusyDialog.h"

class wxButton;
class wxGauge;
class wxStaticText;

namespace sorvane {

// The extraction's progress window "Dateien extrahieren", of the wait
// window's kind: the member being written, the counts, a progress bar and
// "Abbrechen". The button goes to cancel (TExtractForm::Button_CancelClick),
// the user's requests to close the window to the close query
// (TExtractForm::FormCloseQuery).
class ExtractFormDialog : public BusyDialog {
 public:
  explicit ExtractFormDialog(wxWindow* mainWindow);

  void SetCancel(std::function<void()> cancel) { cancel_ = std::move(cancel); }
  ExtractFormView& View() { return view_; }

  wxStaticText* Label_File = nullptr;
  wxStaticText* Label_Count = nullptr;
  wxGauge* ProgressBar = nullptr;
  wxButton* Button_Cancel = nullptr;

 private:
  class Adapter final : public ExtractFormView {
   public:
    explicit Adapter(ExtractFormDialog& dialog) : dialog_(dialog) {}
    void SetFileText(const std::string& text) override;
    void SetCountText(const std::string& text) override;
    void SetProgressPosition(std::int32_t perMille) override;
    void SetCancelEnabled(bool enabled) override;
    void Show() override;
    void Hide() override;

   private:
    ExtractFormDialog& dialog_;
  };

  Adapter view_{*this};
  std::function<void()> cancel_;
};

}  // namespace sorvane
