#pragma once

#include <wx/dialog.h>


#include "components/update/StatusFormView.h"
#include "components/update/TStatusForm.h"
#include "components/update/UpdateWizard.h"

class wxButton;
class wxCheckBox;
class wxGauge;
class wxPanel;
class wxRadioButton;
class wxSimplebook;
class wxSpinCtrl;
class wxStaticBitmap;
class wxStaticText;

namespace sorvane {

// The update wizard window "Updates installieren": side panel, title panel,
// a book of seven pages and two button pages, at fixed places in a client
// area of 658 x 353. It shows what TStatusForm tells it and forwards the
// user's input; ShowModal (the update component's call) hands the values on
// and runs the window modally. Made once, hidden, for the program's life.
// TStatusForm lives beside it and outlives it: its teardown runs when the
// program ends, after the windows have gone.
class StatusFormDialog : public wxDialog, public StatusFormView, public UpdateWizard {
 public:
  explicit StatusFormDialog(wxWindow* parent);

  // Connects the handlers and runs the creation handler; events before
  // this are ignored.
  void Attach(TStatusForm& form);

  // UpdateWizard.
  void ShowModal(const UpdateWizardValues& values) override;

  // StatusFormView.
  void ShowPage(int index) override;
  void ShowButtonPage(StatusButtonPage page) override;
  void SetText(StatusControl control, const std::string& text) override;
  void SetEnabled(StatusControl control, bool enabled) override;
  void SetVisible(StatusControl control, bool visible) override;
  void SetProgress(std::int64_t maximum, std::int64_t position) override;
  void SetErrorIcon2(bool error) override;
  void RepaintSidePanel() override;
  bool IsChecked(StatusRadio radio) override;
  void SetChecked(StatusRadio radio, bool checked) override;
  int SpinValue() override;
  void SetSpinValue(int value) override;
  bool RestartChecked() override;
  void Centre() override;
  void Close() override;

  // The controls, named as the window names them (read by the window tests).
  wxWindow* PaintBox_Process = nullptr;
  wxStaticText* Panel_Title = nullptr;
  wxSimplebook* Pages = nullptr;
  wxSimplebook* Notebook_StdButtons = nullptr;
  wxButton* Button_Settings = nullptr;
  wxButton* Button_Cancel = nullptr;
  wxButton* Button_Next = nullptr;
  wxButton* Button_SettingsCancel = nullptr;
  wxButton* Button_SettingsSave = nullptr;
  wxButton* Button_Check = nullptr;
  wxStaticText* Label_CheckResult = nullptr;
  wxStaticText* Label_Download = nullptr;
  wxGauge* Status = nullptr;
  wxStaticText* PerCent = nullptr;
  wxStaticText* StatusLabel = nullptr;
  wxStaticText* TimeLeft = nullptr;
  wxButton* CancelDownload = nullptr;
  wxStaticBitmap* Image_Icon2 = nullptr;
  wxStaticText* Label3 = nullptr;
  wxCheckBox* CheckBox_Restart = nullptr;
  wxRadioButton* RadioButton_NoAutoUpdt = nullptr;
  wxRadioButton* RadioButton_AutoUpdt = nullptr;
  wxStaticText* Label_Every = nullptr;
  wxSpinCtrl* SpinEdit_AutoUpdt = nullptr;
  wxStaticText* Label_Days = nullptr;

 private:
  void BuildPages();
  wxPanel* AddPage();
  wxWindow* Control(StatusControl control);
  void PaintSidePanel();

  TStatusForm* form_ = nullptr;
};

}  // namespace sorvane
