// Page 1 "Anmeldung": guest or user login, and what the container says of
// itself.
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include "app/TForm1.h"
#include "gui/Form1Frame.h"
#include "gui/WxPictures.h"
#include "gui/WxText.h"

namespace sorvane {

void Form1Frame::BuildPageLogin(wxPanel* page) {
  auto* intro = new wxStaticText(page, wxID_ANY,
                                 Wx("Melden Sie sich jetzt mit den Benutzerdaten an, die Sie vom Ersteller der "
                                    "ausgewählten Datei erhalten haben, oder melden Sie sich als Gast an."));
  intro->Wrap(530);
  // The login page starts with neither choice made, which GTK cannot show
  // for a group of two: a third, hidden member of the group is checked
  // instead.
  RadioButton_Guest = new wxRadioButton(page, wxID_ANY, Wx("Als &Gast anmelden"), wxDefaultPosition,
                                        wxDefaultSize, wxRB_GROUP);
  RadioButton_LogIn = new wxRadioButton(page, wxID_ANY, Wx("Mit folgenden Benutzer&daten anmelden:"));
  Edit_UserName = new wxTextCtrl(page, wxID_ANY, wxString(), wxDefaultPosition, wxSize(220, -1));
  Edit_Password = new wxTextCtrl(page, wxID_ANY, wxString(), wxDefaultPosition, wxSize(220, -1), wxTE_PASSWORD);
  radioNone_ = new wxRadioButton(page, wxID_ANY, wxString());
  radioNone_->Hide();
  radioNone_->SetValue(true);
  auto* userLabel = new wxStaticText(page, wxID_ANY, Wx("Benutzer&name"));
  auto* passwordLabel = new wxStaticText(page, wxID_ANY, Wx("Pass&wort:"));

  auto* fields = new wxFlexGridSizer(2, 6, 8);
  fields->Add(userLabel, 0, wxALIGN_CENTER_VERTICAL);
  fields->Add(Edit_UserName);
  fields->Add(passwordLabel, 0, wxALIGN_CENTER_VERTICAL);
  fields->Add(Edit_Password);

  auto* guest = new wxBoxSizer(wxHORIZONTAL);
  guest->Add(new wxStaticBitmap(page, wxID_ANY, GuestPicture(32)), 0, wxRIGHT, 10);
  guest->Add(RadioButton_Guest, 0, wxALIGN_CENTER_VERTICAL);
  auto* userChoice = new wxBoxSizer(wxVERTICAL);
  userChoice->Add(RadioButton_LogIn, 0, wxTOP, 8);
  userChoice->Add(fields, 0, wxTOP | wxLEFT, 8);
  auto* user = new wxBoxSizer(wxHORIZONTAL);
  user->Add(new wxStaticBitmap(page, wxID_ANY, UserPicture(32)), 0, wxRIGHT, 10);
  user->Add(userChoice);

  auto* info = new wxStaticBoxSizer(wxVERTICAL, page, Wx("Datei&informationen"));
  wxWindow* box = info->GetStaticBox();
  Label_Author = new wxStaticText(box, wxID_ANY, wxString());
  Label_Title = new wxStaticText(box, wxID_ANY, wxString());
  Label_Author->SetFont(Label_Author->GetFont().Bold());
  Label_Title->SetFont(Label_Title->GetFont().Bold());
  auto* infoGrid = new wxFlexGridSizer(2, 4, 8);
  infoGrid->AddGrowableCol(1);
  infoGrid->Add(new wxStaticText(box, wxID_ANY, Wx("Autor:")), 0, wxALIGN_RIGHT);
  infoGrid->Add(Label_Author, 1, wxEXPAND);
  infoGrid->Add(new wxStaticText(box, wxID_ANY, Wx("Titel:")), 0, wxALIGN_RIGHT);
  infoGrid->Add(Label_Title, 1, wxEXPAND);
  info->Add(infoGrid, 0, wxEXPAND | wxALL, 6);

  auto* column = new wxBoxSizer(wxVERTICAL);
  column->Add(intro, 0, wxBOTTOM, 12);
  column->Add(guest, 0, wxBOTTOM, 8);
  column->Add(user);
  column->AddStretchSpacer();
  column->Add(info, 0, wxEXPAND);
  auto* margin = new wxBoxSizer(wxVERTICAL);
  margin->Add(column, 1, wxEXPAND | wxALL, 12);
  page->SetSizer(margin);

  RadioButton_Guest->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { ChooseRadio(RadioButton_Guest); });
  RadioButton_LogIn->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { ChooseRadio(RadioButton_LogIn); });
  // ChangeValue raises nothing, so wxEVT_TEXT is the user's typing.
  const auto changed = [this](wxCommandEvent&) { Forward([](TForm1& f) { f.Edit_UserNameChange(); }); };
  Edit_UserName->Bind(wxEVT_TEXT, changed);
  Edit_Password->Bind(wxEVT_TEXT, changed);

  AddAccelerator("Als &Gast anmelden", RadioButton_Guest, [this] { ChooseRadio(RadioButton_Guest); });
  AddAccelerator("Mit folgenden Benutzer&daten anmelden:", RadioButton_LogIn,
                 [this] { ChooseRadio(RadioButton_LogIn); });
  // A label's accelerator moves to the field beside it.
  AddAccelerator("Benutzer&name", Edit_UserName, [this] { Edit_UserName->SetFocus(); });
  AddAccelerator("Pass&wort:", Edit_Password, [this] { Edit_Password->SetFocus(); });
}

void Form1Frame::ChooseRadio(wxRadioButton* chosen) {
  chosen->SetValue(true);
  chosen->SetFocus();
  Forward([](TForm1& f) { f.RadioButton_LoggingIn(); });
}

}  // namespace sorvane
