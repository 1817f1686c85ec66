#include "gui/Form1Frame.h"

#include <wx/bmpbuttn.h>
#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/panel.h>
#include <wx/radiobut.h>
#include <wx/simplebook.h>
#include <wx/sizer.h>
#include <wx/statline.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <cctype>

#include "app/DefaultErrorDisplay.h"
#include "app/TForm1.h"
#include "gui/WindowFont.h"
#include "gui/WxText.h"

namespace sorvane {

namespace {

// Fixed frame: single border, not resizable, minimize box and system menu
// (whose close entry the close box stands for) only.
constexpr long kStyle = wxCAPTION | wxSYSTEM_MENU | wxMINIMIZE_BOX | wxCLOSE_BOX | wxCLIP_CHILDREN;

}  // namespace

Form1Frame::Form1Frame(Dialogs& dialogs)
    : wxFrame(nullptr, wxID_ANY, wxString(), wxDefaultPosition, wxDefaultSize, kStyle), dialogs_(dialogs) {
  // Before the controls, which take the window's font when they are made.
  if (const wxFont font = MainWindowFont(); font.IsOk()) SetFont(font);
  auto* client = new wxPanel(this);
  Notebook = new wxSimplebook(client);
  const char* captions[] = {"Dateiauswahl", "Anmeldung", "Dateien"};
  for (const char* caption : captions) Notebook->AddPage(new wxPanel(Notebook), Wx(caption));
  BuildPageChoose(static_cast<wxPanel*>(Notebook->GetPage(0)));
  BuildPageLogin(static_cast<wxPanel*>(Notebook->GetPage(1)));
  BuildPageFiles(static_cast<wxPanel*>(Notebook->GetPage(2)));

  Button_Back = new wxButton(client, wxID_ANY, Wx("&< Zurück"));
  Button_Next = new wxButton(client, wxID_ANY, Wx("Weiter &>"));
  Button_Cancel = new wxButton(client, wxID_ANY, Wx("Ab&brechen"));
  Button_Back->Disable();
  Button_Next->Disable();
  Button_Next->SetDefault();
  Button_Back->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Forward([](TForm1& f) { f.Button_BackClick(); }); });
  Button_Next->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { Forward([](TForm1& f) { f.Button_NextClick(); }); });
  Button_Cancel->Bind(wxEVT_BUTTON,
                      [this](wxCommandEvent&) { Forward([](TForm1& f) { f.Button_CancelClick(); }); });
  AddAccelerator("&< Zurück", Button_Back, [this] { Forward([](TForm1& f) { f.Button_BackClick(); }); });
  AddAccelerator("Weiter &>", Button_Next, [this] { Forward([](TForm1& f) { f.Button_NextClick(); }); });
  AddAccelerator("Ab&brechen", Button_Cancel, [this] { Forward([](TForm1& f) { f.Button_CancelClick(); }); });

  auto* buttons = new wxBoxSizer(wxHORIZONTAL);
  buttons->AddStretchSpacer();
  buttons->Add(Button_Back, 0, wxFIXED_MINSIZE);
  buttons->Add(Button_Next, 0, wxFIXED_MINSIZE);
  buttons->AddSpacer(8);
  buttons->Add(Button_Cancel, 0, wxFIXED_MINSIZE);
  auto* column = new wxBoxSizer(wxVERTICAL);
  column->Add(Notebook, 1, wxEXPAND);
  column->Add(new wxStaticLine(client), 0, wxEXPAND | wxLEFT | wxRIGHT, 8);
  column->Add(buttons, 0, wxEXPAND | wxALL, 10);
  client->SetSizer(column);

  SetClientSize(570, 390);
  CentreOnScreen();
  Bind(wxEVT_CHAR_HOOK, &Form1Frame::OnCharHook, this);
  Bind(wxEVT_CLOSE_WINDOW, &Form1Frame::OnCloseWindow, this);
}

void Form1Frame::Forward(const std::function<void(TForm1&)>& handler) {
  if (form_ == nullptr || closing_) return;
  RunHandler(dialogs_, [&] { handler(*form_); });
}

void Form1Frame::AddAccelerator(const std::string& caption, wxWindow* control, std::function<void()> action) {
  const auto amp = caption.find('&');
  if (amp == std::string::npos || amp + 1 >= caption.size()) return;
  // The accelerator letter as the keyboard reports it: upper case for
  // letters; "ö" and other non-ASCII letters come as their Unicode code.
  const wxString letter = Wx(caption.substr(amp + 1)).Left(1).Upper();
  accelerators_.push_back({static_cast<int>(letter[0].GetValue()), control, std::move(action)});
}

void Form1Frame::OnCharHook(wxKeyEvent& event) {
  const int key = event.GetKeyCode();
  // Alt with the key that types the accelerator's character: that may need
  // Shift (">" of "Weiter &>" is Shift+"<" on a German keyboard, Shift+"."
  // on an American one). Where the keyboard map gives Alt the Meta modifier
  // too, that is still Alt. Ctrl+Alt is not an accelerator.
  const int modifiers = event.GetModifiers() & ~(wxMOD_SHIFT | wxMOD_META);
  if (modifiers == wxMOD_ALT) {
    int code = event.GetUnicodeKey() != WXK_NONE ? static_cast<int>(event.GetUnicodeKey()) : key;
    code = static_cast<int>(wxString(wxUniChar(code)).Upper()[0].GetValue());
    for (const auto& a : accelerators_) {
      if (a.key == code && a.control->IsShownOnScreen() && a.control->IsEnabled()) {
        a.action();
        return;
      }
    }
    event.Skip();
    return;
  }
  if (event.GetModifiers() != wxMOD_NONE) {
    event.Skip();
    return;
  }
  if (key == WXK_ESCAPE) {
    // Esc is the cancel button's, only while that can be pressed.
    if (Button_Cancel->IsShown() && Button_Cancel->IsEnabled()) {
      Forward([](TForm1& f) { f.Button_CancelClick(); });
    }
    return;
  }
  if (key == WXK_RETURN || key == WXK_NUMPAD_ENTER) {
    // A focused button takes Enter itself; anywhere else it presses the
    // default button.
    if (dynamic_cast<wxButton*>(wxWindow::FindFocus()) != nullptr) {
      event.Skip();
    } else if (Button_Next->IsEnabled()) {
      Forward([](TForm1& f) { f.Button_NextClick(); });
    }
    return;
  }
  event.Skip();
}

void Form1Frame::OnCloseWindow(wxCloseEvent& event) {
  if (event.CanVeto() && form_ != nullptr && !form_->FormCloseQuery()) {
    event.Veto();
    return;
  }
  closing_ = true;
  Destroy();
}

void Form1Frame::SetCaption(const std::string& caption) { SetTitle(Wx(caption)); }

void Form1Frame::SetWindowEnabled(bool enabled) { Enable(enabled); }

void Form1Frame::BringApplicationToFront() { Raise(); }

void Form1Frame::BringToFront() { Raise(); }

void Form1Frame::Close() {
  closing_ = true;
  Destroy();
}

void Form1Frame::ShowPage(int page) {
  Notebook->ChangeSelection(static_cast<size_t>(page));
  // The focus must not stay on a control of the page just hidden.
  wxWindow* first[] = {ListView_ProgPath, RadioButton_Guest, ListView_Files};
  if (page >= 0 && page < 3) first[page]->SetFocus();
}

wxWindow* Form1Frame::ControlOf(Form1Control control) {
  switch (control) {
    case Form1Control::Button_Back: return Button_Back;
    case Form1Control::Button_Next: return Button_Next;
    case Form1Control::Button_Cancel: return Button_Cancel;
    case Form1Control::Button_Extract: return Button_Extract;
    case Form1Control::Button_Execute: return Button_Execute;
    case Form1Control::Label_ProgPath: return Label_ProgPath;
    case Form1Control::Label_Author: return Label_Author;
    case Form1Control::Label_Title: return Label_Title;
  }
  return nullptr;
}

void Form1Frame::SetEnabled(Form1Control control, bool enabled) { ControlOf(control)->Enable(enabled); }

void Form1Frame::SetVisible(Form1Control control, bool visible) {
  wxWindow* window = ControlOf(control);
  window->Show(visible);
  window->GetParent()->Layout();
}

void Form1Frame::SetText(Form1Control control, const std::string& text) {
  wxWindow* window = ControlOf(control);
  // Buttons take "&" as their accelerator; labels show every character.
  if (dynamic_cast<wxButton*>(window) != nullptr) {
    window->SetLabel(Wx(text));
    if (window == Button_Next) {
      accelerators_.erase(std::remove_if(accelerators_.begin(), accelerators_.end(),
                                         [&](const Accelerator& a) { return a.control == Button_Next; }),
                          accelerators_.end());
      AddAccelerator(text, Button_Next, [this] { Forward([](TForm1& f) { f.Button_NextClick(); }); });
    }
    window->GetParent()->Layout();
  } else {
    static_cast<wxStaticText*>(window)->SetLabelText(Wx(text));
  }
}

bool Form1Frame::IsChecked(Form1Radio radio) {
  return (radio == Form1Radio::RadioButton_Guest ? RadioButton_Guest : RadioButton_LogIn)->GetValue();
}

bool Form1Frame::SetChecked(Form1Radio radio, bool checked) {
  wxRadioButton* self = radio == Form1Radio::RadioButton_Guest ? RadioButton_Guest : RadioButton_LogIn;
  const bool changed = self->GetValue() != checked;
  // Checking one unchecks the other (one group); unchecking the checked one
  // leaves neither.
  if (checked) {
    self->SetValue(true);
  } else if (changed) {
    radioNone_->SetValue(true);
  }
  return changed;
}

std::string Form1Frame::EditText(Form1Edit edit) {
  return Utf8((edit == Form1Edit::Edit_UserName ? Edit_UserName : Edit_Password)->GetValue());
}

void Form1Frame::SetEditText(Form1Edit edit, const std::string& text) {
  (edit == Form1Edit::Edit_UserName ? Edit_UserName : Edit_Password)->ChangeValue(Wx(text));
}

}  // namespace sorvane
