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

#include <initializer_list>

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

namespace {

// A question with its buttons from left to right, the first the default;
// the chosen button's answer, Closed when the dialog ended otherwise. Built
// by hand: both GTK's message dialog and wx's generic one put "No" before
// "Yes" on GTK, and the program's questions are worded for "&Ja" on the
// left, as the first and default button.
struct QuestionButton {
  const char* label;
  DialogAnswer answer;
};

DialogAnswer AskQuestion(const std::string& text, const std::string& title, MessageIcon icon,
                         std::initializer_list<QuestionButton> choices) {
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
  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  // The answers go through the buttons' ids: wxID_YES and wxID_NO keep
  // Enter and Esc on "&Ja" and "&Nein", the others count from wxID_HIGHEST.
  const auto idOf = [](DialogAnswer answer) {
    return answer == DialogAnswer::Yes ? wxID_YES
           : answer == DialogAnswer::No ? wxID_NO
                                        : wxID_HIGHEST + 1 + static_cast<int>(answer);
  };
  wxButton* first = nullptr;
  for (const QuestionButton& choice : choices) {
    auto* button = new wxButton(&dialog, idOf(choice.answer), Wx(choice.label));
    button->Bind(wxEVT_BUTTON, [&dialog, id = button->GetId()](wxCommandEvent&) { dialog.EndModal(id); });
    buttons->Add(button, 0, first == nullptr ? 0 : wxLEFT, 8);
    if (first == nullptr) first = button;
  }
  auto* column = new wxBoxSizer(wxVERTICAL);
  column->Add(row, 0, wxALL, 14);
  column->Add(buttons, 0, wxALIGN_CENTER | wxLEFT | wxRIGHT | wxBOTTOM, 12);
  dialog.SetSizerAndFit(column);
  // Esc answers "&Nein"; the frame has no close box to end it otherwise.
  dialog.SetEscapeId(wxID_NO);
  dialog.SetAffirmativeId(wxID_YES);
  first->SetDefault();
  first->SetFocus();
  dialog.CentreOnParent();
  const int chosen = dialog.ShowModal();
  for (const QuestionButton& choice : choices) {
    if (idOf(choice.answer) == chosen) return choice.answer;
  }
  return DialogAnswer::Closed;
}

}  // namespace

DialogAnswer WxDialogs::AskYesNo(const std::string& text, const std::string& title, MessageIcon icon) {
  return AskQuestion(text, title, icon, {{"&Ja", DialogAnswer::Yes}, {"&Nein", DialogAnswer::No}});
}

DialogAnswer WxDialogs::AskYesNoAll(const std::string& text, const std::string& title, MessageIcon icon) {
  return AskQuestion(text, title, icon,
                     {{"&Ja", DialogAnswer::Yes},
                      {"Ja, alle", DialogAnswer::YesToAll},
                      {"&Nein", DialogAnswer::No},
                      {"Nein, alle", DialogAnswer::NoToAll}});
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
