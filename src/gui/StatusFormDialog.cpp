#include "gui/StatusFormDialog.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/dcbuffer.h>
#include <wx/display.h>
#include <wx/gauge.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/simplebook.h>
#include <wx/spinctrl.h>
#include <wx/statbmp.h>
#include <wx/statline.h>
#include <wx/stattext.h>

#include <algorithm>
#include <climits>

#include "components/update/StatusFormTexts.h"
#include "gui/WxText.h"

namespace sorvane {

namespace {
// The program's texts break lines with CR LF; the toolkit wants LF alone.
wxString Lines(const std::string& text) {
  std::string lf;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    lf += text[i];
  }
  return Wx(lf);
}

wxColour ToWx(Color color) {
  return wxColour(static_cast<unsigned char>(RedOf(color)), static_cast<unsigned char>(GreenOf(color)),
                  static_cast<unsigned char>(BlueOf(color)));
}

// Draws on the side panel's paint context.
class DcCanvas final : public SidePanelCanvas {
 public:
  DcCanvas(wxDC& dc, wxFont plain) : dc_(dc), plain_(plain) {}
  void VerticalLine(int x, int height, Color color) override {
    dc_.SetPen(wxPen(ToWx(color)));
    dc_.DrawLine(x, 0, x, height);
  }
  void Text(int x, int y, const std::string& text, bool boldItalic) override {
    dc_.SetFont(boldItalic ? plain_.Bold().Italic() : plain_);
    dc_.DrawText(Wx(text), x, y);
  }

 private:
  wxDC& dc_;
  wxFont plain_;
};
}  // namespace

StatusFormDialog::StatusFormDialog(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, Wx(texts::kStatusCaption), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX) {
  SetFont(wxFont(wxFontInfo(8).FaceName("Verdana")));
  SetBackgroundColour(*wxWHITE);
  SetClientSize(658, 353);

  PaintBox_Process = new wxWindow(this, wxID_ANY, wxPoint(0, 0), wxSize(225, 353));
  PaintBox_Process->SetBackgroundStyle(wxBG_STYLE_PAINT);
  PaintBox_Process->Bind(wxEVT_PAINT, [this](wxPaintEvent&) { PaintSidePanel(); });

  auto* titlePanel = new wxPanel(this, wxID_ANY, wxPoint(232, 8), wxSize(417, 41));
  titlePanel->SetBackgroundColour(wxColour(49, 106, 197));
  Panel_Title = new wxStaticText(titlePanel, wxID_ANY, Wx(texts::kStepTitles[0]), wxPoint(10, 8), wxSize(400, 26));
  Panel_Title->SetForegroundColour(*wxWHITE);
  Panel_Title->SetFont(wxFont(wxFontInfo(14).FaceName("Verdana").Bold()));

  Pages = new wxSimplebook(this, wxID_ANY, wxPoint(232, 56), wxSize(417, 249));
  BuildPages();
  new wxStaticLine(this, wxID_ANY, wxPoint(232, 310), wxSize(417, 2));

  Button_Settings = new wxButton(this, wxID_ANY, Wx(texts::kSettings), wxPoint(240, 320), wxSize(110, 25));
  Notebook_StdButtons = new wxSimplebook(this, wxID_ANY, wxPoint(449, 318), wxSize(200, 29));
  auto* standard = new wxPanel(Notebook_StdButtons);
  Button_Cancel = new wxButton(standard, wxID_ANY, Wx(texts::kCancel), wxPoint(0, 2), wxSize(95, 25));
  Button_Next = new wxButton(standard, wxID_ANY, Wx(texts::kNext), wxPoint(102, 2), wxSize(95, 25));
  Notebook_StdButtons->AddPage(standard, "Standard");
  auto* settings = new wxPanel(Notebook_StdButtons);
  Button_SettingsCancel = new wxButton(settings, wxID_ANY, Wx(texts::kCancel), wxPoint(0, 2), wxSize(95, 25));
  Button_SettingsSave = new wxButton(settings, wxID_ANY, Wx(texts::kSave), wxPoint(102, 2), wxSize(95, 25));
  Notebook_StdButtons->AddPage(settings, Wx(texts::kSettings));
  for (wxWindow* page : {static_cast<wxWindow*>(standard), static_cast<wxWindow*>(settings)}) {
    page->SetBackgroundColour(*wxWHITE);
  }

  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
    if (form_ == nullptr) {
      event.Skip();
      return;
    }
    if (event.CanVeto() && !form_->FormCloseQuery()) {
      event.Veto();
      return;
    }
    if (IsModal()) EndModal(wxID_CANCEL);
    wxDialog::Show(false);
    form_->FormClose();
  });
  // Esc and Enter mean what the wizard's page makes of them. A focused
  // button takes Enter itself, as in any dialog.
  SetEscapeId(wxID_NONE);
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    const int key = event.GetKeyCode();
    const bool enter = key == WXK_RETURN || key == WXK_NUMPAD_ENTER;
    const bool forwarded = form_ != nullptr && event.GetModifiers() == wxMOD_NONE &&
                           (key == WXK_ESCAPE || (enter && dynamic_cast<wxButton*>(FindFocus()) == nullptr));
    if (!forwarded || !form_->FormKeyDown(enter ? StatusKey::Enter : StatusKey::Escape)) event.Skip();
  });
  auto on = [this](wxWindow* control, auto handler) {
    control->Bind(wxEVT_BUTTON, [this, handler](wxCommandEvent&) {
      if (form_ != nullptr) handler();
    });
  };
  on(Button_Next, [this] { form_->Button_NextClick(); });
  on(Button_Cancel, [this] { form_->Button_CancelClick(); });
  on(Button_Check, [this] { form_->Button_CheckClick(); });
  on(CancelDownload, [this] { form_->CancelDownloadClick(); });
  on(Button_Settings, [this] { form_->Button_SettingsClick(); });
  on(Button_SettingsSave, [this] { form_->Button_SettingsSaveClick(); });
  on(Button_SettingsCancel, [this] { form_->Button_SettingsCancelClick(); });
  for (wxRadioButton* radio : {RadioButton_NoAutoUpdt, RadioButton_AutoUpdt}) {
    radio->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) {
      if (form_ != nullptr) form_->RadioButton_UpdtClick();
    });
  }
  SetDoubleBuffered(true);
}

void StatusFormDialog::Attach(TStatusForm& form) {
  form_ = &form;
  form_->FormCreate();
}

void StatusFormDialog::ShowModal(const UpdateWizardValues& values) {
  form_->SetValues(values);
  form_->FormShow();
  Button_Next->SetDefault();
  wxDialog::ShowModal();
}

void StatusFormDialog::PaintSidePanel() {
  wxAutoBufferedPaintDC dc(PaintBox_Process);
  DcCanvas canvas(dc, wxFont(wxFontInfo(10).FaceName("Verdana")));
  dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
  const wxSize size = PaintBox_Process->GetClientSize();
  if (form_ != nullptr) form_->PaintBox_ProcessPaint(canvas, size.x, size.y);
}

void StatusFormDialog::ShowPage(int index) {
  Pages->ChangeSelection(static_cast<std::size_t>(index));
  // A control that left the view (the "Einstellungen" button, a control of
  // the page before) keeps the focus under GTK, and keys then reach no
  // window: the new page takes it, on its first control that wants it (the
  // chosen one of a radio group).
  const wxWindow* focus = FindFocus();
  if (IsShown() && (focus == nullptr || !focus->IsShownOnScreen())) Pages->GetCurrentPage()->SetFocus();
}

void StatusFormDialog::ShowButtonPage(StatusButtonPage page) {
  Notebook_StdButtons->ChangeSelection(page == StatusButtonPage::Standard ? 0 : 1);
}

wxWindow* StatusFormDialog::Control(StatusControl control) {
  switch (control) {
    case StatusControl::Button_Next: return Button_Next;
    case StatusControl::Button_Cancel: return Button_Cancel;
    case StatusControl::Button_Settings: return Button_Settings;
    case StatusControl::Button_Check: return Button_Check;
    case StatusControl::CancelDownload: return CancelDownload;
    case StatusControl::Panel_Title: return Panel_Title;
    case StatusControl::Label_CheckResult: return Label_CheckResult;
    case StatusControl::Label_Download: return Label_Download;
    case StatusControl::Label3: return Label3;
    case StatusControl::PerCent: return PerCent;
    case StatusControl::StatusLabel: return StatusLabel;
    case StatusControl::TimeLeft: return TimeLeft;
    case StatusControl::Label_Every: return Label_Every;
    case StatusControl::SpinEdit_AutoUpdt: return SpinEdit_AutoUpdt;
    case StatusControl::Label_Days: return Label_Days;
  }
  return nullptr;
}

void StatusFormDialog::SetText(StatusControl control, const std::string& text) {
  wxWindow* window = Control(control);
  const wxString label = Lines(text);
  if (window->GetLabel() == label) return;
  window->SetLabel(label);
  // Long texts break at the label's width, as on the designed pages.
  if (control == StatusControl::Label_CheckResult || control == StatusControl::Label_Download ||
      control == StatusControl::Label3) {
    static_cast<wxStaticText*>(window)->Wrap(Pages->GetClientSize().x - window->GetPosition().x);
  }
}

void StatusFormDialog::SetEnabled(StatusControl control, bool enabled) { Control(control)->Enable(enabled); }

void StatusFormDialog::SetVisible(StatusControl control, bool visible) { Control(control)->Show(visible); }

void StatusFormDialog::SetProgress(std::int64_t maximum, std::int64_t position) {
  // The gauge counts in int; large totals are shown in thousandths.
  int range = 1, value = 0;
  if (maximum > 0 && maximum <= INT_MAX) {
    range = static_cast<int>(maximum);
    value = static_cast<int>(std::clamp<std::int64_t>(position, 0, maximum));
  } else if (maximum > INT_MAX) {
    range = 1000;
    value = static_cast<int>(std::clamp<std::int64_t>(position, 0, maximum) * 1000 / maximum);
  }
  if (Status->GetRange() != range) Status->SetRange(range);
  Status->SetValue(value);
}

void StatusFormDialog::SetErrorIcon2(bool error) {
  Image_Icon2->SetBitmap(wxArtProvider::GetBitmap(error ? wxART_ERROR : wxART_INFORMATION, wxART_MESSAGE_BOX));
}

void StatusFormDialog::RepaintSidePanel() { PaintBox_Process->Refresh(); }

bool StatusFormDialog::IsChecked(StatusRadio radio) {
  return (radio == StatusRadio::RadioButton_NoAutoUpdt ? RadioButton_NoAutoUpdt : RadioButton_AutoUpdt)->GetValue();
}

void StatusFormDialog::SetChecked(StatusRadio radio, bool checked) {
  // A native pair always has one chosen: clearing one chooses the other.
  const bool never = (radio == StatusRadio::RadioButton_NoAutoUpdt) == checked;
  (never ? RadioButton_NoAutoUpdt : RadioButton_AutoUpdt)->SetValue(true);
}

int StatusFormDialog::SpinValue() { return SpinEdit_AutoUpdt->GetValue(); }

void StatusFormDialog::SetSpinValue(int value) { SpinEdit_AutoUpdt->SetValue(std::clamp(value, 1, 365)); }

bool StatusFormDialog::RestartChecked() { return CheckBox_Restart->GetValue(); }

void StatusFormDialog::Centre() { CentreOnScreen(); }

void StatusFormDialog::Close() {
  if (IsModal()) EndModal(wxID_OK);
  wxDialog::Show(false);
}

}  // namespace sorvane
