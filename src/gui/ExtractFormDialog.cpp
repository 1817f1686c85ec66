#include "gui/ExtractFormDialog.h"

#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/sizer.h>
#include <wx/stattext.h>

#include "gui/WxText.h"

namespace sorvane {

namespace {
constexpr int kWidth = 359;  // the wait window's bar
}  // namespace

ExtractFormDialog::ExtractFormDialog(wxWindow* mainWindow)
    : BusyDialog(mainWindow, Wx("Dateien extrahieren")) {
  // Member names may be long: the labels keep their width and cut the text
  // at its end instead of growing the window.
  Label_File = new wxStaticText(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(kWidth, -1),
                                wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
  Label_Count = new wxStaticText(this, wxID_ANY, wxString(), wxDefaultPosition, wxSize(kWidth, -1),
                                 wxST_NO_AUTORESIZE | wxST_ELLIPSIZE_END);
  ProgressBar = new wxGauge(this, wxID_ANY, 1000, wxDefaultPosition, wxSize(kWidth, 16),
                            wxGA_HORIZONTAL | wxGA_SMOOTH);
  Button_Cancel = new wxButton(this, wxID_ANY, Wx("Abbrechen"));
  auto* column = new wxBoxSizer(wxVERTICAL);
  column->Add(Label_File, 0, wxLEFT | wxRIGHT | wxTOP, 10);
  column->Add(ProgressBar, 0, wxFIXED_MINSIZE | wxALL, 10);
  column->Add(Label_Count, 0, wxLEFT | wxRIGHT, 10);
  column->Add(Button_Cancel, 0, wxALIGN_RIGHT | wxALL, 10);
  SetSizerAndFit(column);
  Button_Cancel->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
    if (cancel_) cancel_();
  });
}

void ExtractFormDialog::Adapter::SetFileText(const std::string& text) {
  // A name holding "&" is shown as it is, not as a mnemonic.
  dialog_.Label_File->SetLabelText(Wx(text));
}

void ExtractFormDialog::Adapter::SetCountText(const std::string& text) { dialog_.Label_Count->SetLabelText(Wx(text)); }

void ExtractFormDialog::Adapter::SetProgressPosition(std::int32_t perMille) { dialog_.ProgressBar->SetValue(perMille); }

void ExtractFormDialog::Adapter::SetCancelEnabled(bool enabled) { dialog_.Button_Cancel->Enable(enabled); }

void ExtractFormDialog::Adapter::Show() { dialog_.ShowWanted(); }

void ExtractFormDialog::Adapter::Hide() { dialog_.HideWanted(); }

}  // namespace sorvane
