#include "gui/WxDialogs.h"

#include <wx/app.h>
#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/dialog.h>
#include <wx/filefn.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/generic/msgdlgg.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "gui/WxText.h"
#include "platform/FilePath.h"

namespace sorvane {

namespace {

long IconStyle(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return wxICON_INFORMATION;
    case MessageIcon::Warning: return wxICON_WARNING;
    case MessageIcon::Error: return wxICON_ERROR;
    case MessageIcon::Question: return wxICON_QUESTION;
    case MessageIcon::None: break;
  }
  return wxICON_NONE;
}

}  // namespace

wxWindow* DialogOwner() { return wxTheApp != nullptr ? wxTheApp->GetTopWindow() : nullptr; }

// The generic dialog rather than GTK's own, which drops the question icon.
void WxDialogs::ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) {
  wxGenericMessageDialog dialog(DialogOwner(), Wx(text), Wx(title), wxOK | wxCENTRE | IconStyle(icon));
  dialog.ShowModal();
}

// Built by hand: both GTK's message dialog and wx's generic one put "No"
// before "Yes" on GTK, and the program's questions are worded for "&Ja" on
// the left, as the first and default button.
DialogAnswer WxDialogs::AskYesNo(const std::string& text, const std::string& title, MessageIcon icon) {
  wxDialog dialog(DialogOwner(), wxID_ANY, Wx(title), wxDefaultPosition, wxDefaultSize, wxCAPTION);
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  if (icon != MessageIcon::None) {
    const wxArtID art = icon == MessageIcon::Error     ? wxART_ERROR
                        : icon == MessageIcon::Warning ? wxART_WARNING
                        : icon == MessageIcon::Question ? wxART_QUESTION
                                                        : wxART_INFORMATION;
    row->Add(new wxStaticBitmap(&dialog, wxID_ANY, wxArtProvider::GetBitmap(art, wxART_MESSAGE_BOX)), 0,
             wxRIGHT, 14);
  }
  row->Add(new wxStaticText(&dialog, wxID_ANY, Wx(text)), 1, wxALIGN_CENTER_VERTICAL);
  auto* yes = new wxButton(&dialog, wxID_YES, Wx("&Ja"));
  auto* no = new wxButton(&dialog, wxID_NO, Wx("&Nein"));
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->Add(yes, 0, wxRIGHT, 8);
  buttons->Add(no);
  auto* column = new wxBoxSizer(wxVERTICAL);
  column->Add(row, 0, wxALL, 14);
  column->Add(buttons, 0, wxALIGN_CENTER | wxLEFT | wxRIGHT | wxBOTTOM, 12);
  dialog.SetSizerAndFit(column);
  yes->Bind(wxEVT_BUTTON, [&dialog](wxCommandEvent&) { dialog.EndModal(wxID_YES); });
  no->Bind(wxEVT_BUTTON, [&dialog](wxCommandEvent&) { dialog.EndModal(wxID_NO); });
  // Esc answers "&Nein"; the frame has no close box to end it otherwise.
  dialog.SetEscapeId(wxID_NO);
  dialog.SetAffirmativeId(wxID_YES);
  yes->SetDefault();
  yes->SetFocus();
  dialog.CentreOnParent();
  switch (dialog.ShowModal()) {
    case wxID_YES: return DialogAnswer::Yes;
    case wxID_NO: return DialogAnswer::No;
    default: return DialogAnswer::Closed;
  }
}

// wx's text entry dialog takes its button texts from the stock labels, which
// stay English without a translation catalogue; the query needs "Abbrechen".
std::optional<std::string> WxDialogs::InputQuery(const std::string& title, const std::string& prompt,
                                                 const std::string& initial, int maxLength) {
  wxDialog dialog(DialogOwner(), wxID_ANY, Wx(title), wxDefaultPosition, wxDefaultSize, wxDEFAULT_DIALOG_STYLE);
  auto* field = new wxTextCtrl(&dialog, wxID_ANY, Wx(initial), wxDefaultPosition, wxSize(260, -1));
  if (maxLength > 0) field->SetMaxLength(static_cast<unsigned long>(maxLength));
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  auto* ok = new wxButton(&dialog, wxID_OK, Wx("OK"));
  buttons->Add(ok, 0, wxRIGHT, 8);
  buttons->Add(new wxButton(&dialog, wxID_CANCEL, Wx("Abbrechen")));
  auto* column = new wxBoxSizer(wxVERTICAL);
  column->Add(new wxStaticText(&dialog, wxID_ANY, Wx(prompt)), 0, wxALL, 10);
  column->Add(field, 0, wxEXPAND | wxLEFT | wxRIGHT, 10);
  column->Add(buttons, 0, wxALIGN_CENTER | wxALL, 10);
  dialog.SetSizerAndFit(column);
  ok->SetDefault();
  field->SetFocus();
  dialog.CentreOnParent();
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return Utf8(field->GetValue());
}

std::optional<std::string> WxDialogs::OpenFile(const OpenDialogOptions& options) {
  // The GTK chooser has no read-only check box to hide, is always
  // resizable and only offers paths that exist; the options that remain are
  // the filter, the default extension and whether the file must exist. wx's
  // own existence check would refuse a name typed without its extension
  // before it could be completed (and in English), so the check is made
  // here, on the completed name.
  wxFileDialog dialog(DialogOwner(), wxString(), Wx(options.InitialDir), wxString(), Wx(options.Filter), wxFD_OPEN);
  for (;;) {
    if (dialog.ShowModal() != wxID_OK) return std::nullopt;
    std::string path = Utf8(dialog.GetPath());
    // A name without extension gets the default one, as typed names do in
    // the Windows dialog; a file chosen from the list under exactly that
    // name stays as it is.
    if (!options.DefaultExt.empty() && ExtractFileExt(path).empty() && !ExtractFileName(path).empty()) {
      const std::string completed = path + "." + options.DefaultExt;
      if (wxFileExists(Wx(completed)) || !wxFileExists(Wx(path))) path = completed;
    }
    if (!options.FileMustExist || wxFileExists(Wx(path))) return path;
    ShowMessage(ExtractFileName(path) + "\nDatei nicht gefunden.\nÜberprüfen Sie den Dateinamen, und versuchen Sie "
                "es erneut.", "Öffnen", MessageIcon::Warning);
  }
}

void WxDialogs::MessageBeep(unsigned /*type*/) { wxBell(); }

}  // namespace sorvane
