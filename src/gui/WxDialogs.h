#pragma once

#include "platform/Dialogs.h"

class wxWindow;

namespace sorvane {

// The modal dialogs with wxWidgets. Each dialog belongs to the application's
// main window (or to none before it exists). The folder browser is the
// shell's own on Windows (WxFolderBrowserMsw.cpp); on GTK it is wx's
// (WxFolderBrowserGtk.cpp), which starts, when it is given no folder, at the
// one chosen last in this run, else at the user's home folder, and returns
// only folders that exist.
class WxDialogs : public Dialogs {
 public:
  void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
  DialogAnswer AskYesNo(const std::string& text, const std::string& title, MessageIcon icon) override;
  DialogAnswer AskYesNoAll(const std::string& text, const std::string& title, MessageIcon icon) override;
  std::optional<std::string> InputQuery(const std::string& title, const std::string& prompt,
                                        const std::string& initial, int maxLength) override;
  std::optional<std::string> OpenFile(const OpenDialogOptions& options) override;
  std::optional<std::string> BrowseFolder(const std::string& prompt, const std::string& root,
                                          const std::string& initialFolder, bool editBox,
                                          bool includeFiles) override;
  void MessageBeep(unsigned type) override;

 private:
  std::string lastFolder_;  // GTK: the folder browser's last choice in this run
};

// The window that owns the dialogs: the application's top window.
wxWindow* DialogOwner();

}  // namespace sorvane
