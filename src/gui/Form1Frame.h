#pragma once

#include <wx/frame.h>

#include <functional>
#include <string>
#include <vector>

#include "app/Form1View.h"
#include "gui/WxReportList.h"
#include "platform/Dialogs.h"

class wxBitmapButton;
class wxButton;
class wxListCtrl;
class wxListEvent;
class wxPanel;
class wxRadioButton;
class wxSimplebook;
class wxStaticText;
class wxTextCtrl;

namespace sorvane {

class TForm1;

// The main window: a wizard of three pages in a notebook without tabs, a
// separator line and the buttons "&< Zurück", "Weiter &>", "Ab&brechen".
// It shows what TForm1 tells it and forwards the user's input to TForm1;
// nothing the program changes raises a handler. Failures of a handler go to
// the default error display. The pages are built in Form1Page*.cpp.
class Form1Frame : public wxFrame, public Form1View {
 public:
  explicit Form1Frame(Dialogs& dialogs);

  // Connects the handlers; events before this are ignored.
  void Attach(TForm1& form) { form_ = &form; }

  // Form1View.
  void SetCaption(const std::string& caption) override;
  void SetWindowEnabled(bool enabled) override;
  void BringApplicationToFront() override;
  void BringToFront() override;
  void Close() override;
  void ShowPage(int page) override;
  void SetEnabled(Form1Control control, bool enabled) override;
  void SetVisible(Form1Control control, bool visible) override;
  void SetText(Form1Control control, const std::string& text) override;
  bool IsChecked(Form1Radio radio) override;
  bool SetChecked(Form1Radio radio, bool checked) override;
  std::string EditText(Form1Edit edit) override;
  void SetEditText(Form1Edit edit, const std::string& text) override;
  void ClearProgPath() override;
  void AddProgPath(const std::string& caption, const std::string& size) override;
  int ProgPathSelection() override;
  void ShowFiles(Form1FileRows& rows) override;
  void RefreshFiles() override;
  int FilesSelection() override;

  // The controls, named as the window names them (read by the smoke tests).
  wxSimplebook* Notebook = nullptr;
  wxButton* Button_Back = nullptr;
  wxButton* Button_Next = nullptr;
  wxButton* Button_Cancel = nullptr;
  wxStaticText* Label_ProgPath = nullptr;
  wxListCtrl* ListView_ProgPath = nullptr;
  wxButton* SpeedButton_Open = nullptr;
  wxButton* SpeedButton_Exit = nullptr;
  wxBitmapButton* SpeedButton_Info = nullptr;
  wxRadioButton* RadioButton_Guest = nullptr;
  wxRadioButton* RadioButton_LogIn = nullptr;
  wxTextCtrl* Edit_UserName = nullptr;
  wxTextCtrl* Edit_Password = nullptr;
  wxStaticText* Label_Author = nullptr;
  wxStaticText* Label_Title = nullptr;
  VirtualCheckList* ListView_Files = nullptr;
  wxButton* Button_SelAll = nullptr;
  wxButton* Button_SelNothing = nullptr;
  wxButton* Button_Extract = nullptr;
  wxButton* Button_Execute = nullptr;
  wxButton* Button_Preview = nullptr;

 private:
  // One keyboard accelerator: Alt + key runs action while control is on the
  // shown page (or on the frame itself), visible and enabled.
  struct Accelerator {
    int key;
    wxWindow* control;
    std::function<void()> action;
  };

  void BuildPageChoose(wxPanel* page);
  void BuildPageLogin(wxPanel* page);
  void BuildPageFiles(wxPanel* page);
  wxWindow* ControlOf(Form1Control control);
  // The accelerator of a caption's "&" letter.
  void AddAccelerator(const std::string& caption, wxWindow* control, std::function<void()> action);

  // Runs a handler of TForm1 as the message loop would: only after Attach,
  // never while the window is going away, failures to the default error
  // display.
  void Forward(const std::function<void(TForm1&)>& handler);
  void ChooseRadio(wxRadioButton* chosen);
  void ToggleSelectedFile();
  // A tick the user made (click or Space), kept in the member list's rows.
  void SetFileTicked(int index, bool ticked);

  void OnCharHook(wxKeyEvent& event);
  void OnCloseWindow(wxCloseEvent& event);

  Dialogs& dialogs_;
  wxRadioButton* radioNone_ = nullptr;  // checked while neither choice is
  TForm1* form_ = nullptr;
  bool closing_ = false;
  // Set while the program itself changes a list, whose controls report some
  // of those changes as if the user had made them.
  bool programChange_ = false;
  std::vector<Accelerator> accelerators_;
};

}  // namespace sorvane
