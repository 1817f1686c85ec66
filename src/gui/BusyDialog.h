#pragma once

#include <wx/dialog.h>

#include <functional>

namespace sorvane {

// A window shown while long work runs on the user-interface thread (the
// wait window, the extraction's progress window): no close box or system
// menu, on top and centred over the main window. The user's requests to
// close it, Esc among them, are put to the close query and may be refused;
// the program's own ShowWanted and HideWanted ask nothing.
class BusyDialog : public wxDialog {
 public:
  BusyDialog(wxWindow* mainWindow, const wxString& caption);

  void SetCloseQuery(std::function<bool()> closeQuery) { closeQuery_ = std::move(closeQuery); }

 protected:
  void ShowWanted();
  void HideWanted();

 private:
  std::function<bool()> closeQuery_;
  // Whether the program wants the window shown. GTK may show a window a
  // moment after it was asked to (when the window manager has told the
  // frame's size), which can come after short work has hidden it again.
  bool wanted_ = false;
};

}  // namespace sorvane
