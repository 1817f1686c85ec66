// The platform's header before the wx headers, which bring <windows.h>.
#include "platform/FolderBrowser.h"
#include "gui/WxDialogs.h"

#include <wx/utils.h>
#include <wx/window.h>

namespace sorvane {

// The shell's own browser, owned by the application window. The other
// windows are disabled here; the owner is the browser's to disable and to
// enable again, so that it becomes the active window when the browser
// closes. All are enabled again also when the browser fails.
std::optional<std::string> WxDialogs::BrowseFolder(const std::string& prompt, const std::string& root,
                                                   const std::string& initialFolder, bool editBox,
                                                   bool includeFiles) {
  wxWindow* owner = DialogOwner();
  const wxWindowDisabler others(owner);
  return NewFolderBrowser()->Browse(owner != nullptr ? owner->GetHWND() : nullptr,
                                    {prompt, root, initialFolder, editBox, includeFiles});
}

}  // namespace sorvane
