#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/gauge.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/simplebook.h>
#include <wx/spinctrl.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>

#include "components/update/StatusFormTexts.h"
#include "gui/StatusFormDialog.h"
#include "gui/WxText.h"

namespace sorvane {

namespace {
constexpr int kWidth = 417;

wxString Lines(const char* text) {
  std::string lf;
  for (const char* c = text; *c != '\0'; ++c) {
    if (*c != '\r') lf += *c;
  }
  return Wx(lf);
}

wxStaticText* Text(wxWindow* page, const char* text, int x, int y, int width, int height) {
  auto* label = new wxStaticText(page, wxID_ANY, Lines(text), wxPoint(x, y), wxSize(width, height));
  label->Wrap(width);
  return label;
}

wxStaticBitmap* InfoIcon(wxWindow* page) {
  return new wxStaticBitmap(page, wxID_ANY, wxArtProvider::GetBitmap(wxART_INFORMATION, wxART_MESSAGE_BOX),
                            wxPoint(0, 0));
}
}  // namespace

wxPanel* StatusFormDialog::AddPage() {
  auto* page = new wxPanel(Pages);
  page->SetBackgroundColour(*wxWHITE);
  return page;
}

void StatusFormDialog::BuildPages() {
  // 0 "Bestätigung1": welcome.
  wxPanel* page = AddPage();
  InfoIcon(page);
  Text(page, texts::kWelcome, 48, 0, kWidth - 48, 240);
  Pages->AddPage(page, Wx("Bestätigung1"));

  // 1 "Prüfen".
  page = AddPage();
  Text(page, texts::kCheckPage, 0, 0, kWidth, 60);
  Button_Check = new wxButton(page, wxID_ANY, Wx(texts::kCheckButton), wxPoint(0, 72), wxSize(240, 27));
  Pages->AddPage(page, Wx("Prüfen"));

  // 2 "Bestätigung2": the check's result.
  page = AddPage();
  Label_CheckResult = new wxStaticText(page, wxID_ANY, wxEmptyString, wxPoint(0, 0), wxSize(kWidth, 245));
  Pages->AddPage(page, Wx("Bestätigung2"));

  // 3 "Download".
  page = AddPage();
  InfoIcon(page);
  Label_Download = Text(page, texts::kDownloadPage, 48, 0, kWidth - 48, 100);
  Status = new wxGauge(page, wxID_ANY, 100, wxPoint(0, 110), wxSize(kWidth, 18), wxGA_HORIZONTAL | wxGA_SMOOTH);
  PerCent = new wxStaticText(page, wxID_ANY, wxEmptyString, wxPoint(0, 132), wxSize(kWidth, 16),
                             wxALIGN_CENTRE_HORIZONTAL | wxST_NO_AUTORESIZE);
  PerCent->SetFont(PerCent->GetFont().Bold());
  StatusLabel = new wxStaticText(page, wxID_ANY, wxEmptyString, wxPoint(0, 154), wxSize(kWidth, 16));
  TimeLeft = new wxStaticText(page, wxID_ANY, wxEmptyString, wxPoint(0, 174), wxSize(kWidth, 16));
  CancelDownload = new wxButton(page, wxID_ANY, Wx(texts::kCancelDownload), wxPoint(kWidth - 150, 210),
                                wxSize(150, 27));
  Pages->AddPage(page, "Download");

  // 4 "Einrichten": install.
  page = AddPage();
  Image_Icon2 = InfoIcon(page);
  Label3 = Text(page, texts::kInstallPage, 48, 0, kWidth - 48, 150);
  CheckBox_Restart = new wxCheckBox(page, wxID_ANY, Wx(texts::kRestartBox), wxPoint(48, 170));
  CheckBox_Restart->SetValue(true);
  Pages->AddPage(page, "Einrichten");

  // 5 "Bestätigung3": finish.
  page = AddPage();
  InfoIcon(page);
  Text(page, texts::kFinishPage, 48, 0, kWidth - 48, 240);
  Pages->AddPage(page, Wx("Bestätigung3"));

  // 6 "Einstellungen".
  page = AddPage();
  new wxStaticBox(page, wxID_ANY, Wx(texts::kSettingsGroup), wxPoint(0, 0), wxSize(kWidth, 245));
  RadioButton_NoAutoUpdt = new wxRadioButton(page, wxID_ANY, Wx(texts::kNoAutoUpdate), wxPoint(10, 24),
                                             wxDefaultSize, wxRB_GROUP);
  Text(page, texts::kNoAutoUpdateNote, 28, 46, kWidth - 40, 60);
  RadioButton_AutoUpdt = new wxRadioButton(page, wxID_ANY, Wx(texts::kAutoUpdate), wxPoint(10, 112));
  RadioButton_AutoUpdt->SetValue(true);
  Text(page, texts::kAutoUpdateNote, 28, 134, kWidth - 40, 60);
  Label_Every = new wxStaticText(page, wxID_ANY, Wx(texts::kEvery), wxPoint(28, 206));
  SpinEdit_AutoUpdt = new wxSpinCtrl(page, wxID_ANY, "7", wxPoint(64, 198), wxSize(120, -1), wxSP_ARROW_KEYS, 1, 365, 7);
  Label_Days = new wxStaticText(page, wxID_ANY, Wx(texts::kDays), wxPoint(192, 206));
  Pages->AddPage(page, Wx(texts::kSettings));
}

}  // namespace sorvane
