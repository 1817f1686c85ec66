#include "gui/BusyDialog.h"

namespace sorvane {

BusyDialog::BusyDialog(wxWindow* mainWindow, const wxString& caption)
    : wxDialog(mainWindow, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize, wxCAPTION | wxSTAY_ON_TOP) {
  // Esc is a request to close like any other, not the dialog's own cancel
  // (which would hide the window without asking).
  SetEscapeId(wxID_NONE);
  Bind(wxEVT_CHAR_HOOK, [this](wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE) {
      Close();
    } else {
      event.Skip();
    }
  });
  // A show that arrives after the work has ended is taken back.
  Bind(wxEVT_SHOW, [this](wxShowEvent& event) {
    if (event.IsShown() && !wanted_) CallAfter([this] {
        if (!wanted_) wxDialog::Show(false);
      });
    event.Skip();
  });
  // A refused request leaves the window as it is.
  Bind(wxEVT_CLOSE_WINDOW, [this](wxCloseEvent& event) {
    if (event.CanVeto() && closeQuery_ && !closeQuery_()) {
      event.Veto();
      return;
    }
    wanted_ = false;
    wxDialog::Show(false);
  });
}

void BusyDialog::ShowWanted() {
  wanted_ = true;
  CentreOnParent();
  wxDialog::Show(true);
}

void BusyDialog::HideWanted() {
  wanted_ = false;
  wxDialog::Show(false);
}

}  // namespace sorvane
