#include "gui/WxDialogs.h"

#include <wx/dirdlg.h>
#include <wx/filefn.h>
#include <wx/utils.h>

#include "gui/WxText.h"

namespace sorvane {

std::optional<std::string> WxDialogs::BrowseFolder(const std::string& prompt, const std::string& root,
                                                   const std::string& initialFolder, bool /*editBox*/,
                                                   bool /*includeFiles*/) {
  // The GTK chooser has its own location field and shows folders only; a
  // root limits nothing there, it is where the browser starts. Without
  // either it would start on its list of recent files, where nothing can be
  // accepted until the user has gone to a folder: it starts at the folder
  // chosen last in this run instead, else at the home folder.
  std::string start = initialFolder.empty() ? root : initialFolder;
  if (start.empty() || !wxDirExists(Wx(start))) start = lastFolder_;
  if (start.empty() || !wxDirExists(Wx(start))) start = Utf8(wxGetHomeDir());
  std::string chosen;
  {
    // Disable every window before the dialog exists, so that the dialog
    // itself stays usable; enabled again when this block ends, also after a
    // failure.
    wxWindowDisabler others;
    wxDirDialog dialog(DialogOwner(), Wx(prompt), Wx(start), wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
    // GetPath() reports the chosen folder only once the user has accepted;
    // read it right then and keep it. A folder that is not there (a name
    // typed into the location field) is never handed on: the browser comes
    // again.
    while (dialog.ShowModal() == wxID_OK) {
      chosen = Utf8(dialog.GetPath());
      if (!chosen.empty() && wxDirExists(Wx(chosen))) break;
      ShowMessage("Der Ordner " + chosen + " existiert nicht.", Utf8(dialog.GetTitle()), MessageIcon::Warning);
      chosen.clear();
    }
  }
  if (chosen.empty()) return std::nullopt;
  lastFolder_ = chosen;
  return chosen;
}

}  // namespace sorvane
