#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace sorvane {

// Dialogs that answer from scripts and write every call, in order, to log:
// "ShowMessage <title>|<icon>|<text>", "AskYesNo <title>|<text>",
// "InputQuery <title>|<prompt>|<max>", "OpenFile", "BrowseFolder <prompt>",
// "MessageBeep 48". A dialog asked with an empty script fails the test
// through the sentinel answers (Closed would loop, so an empty yes/no script
// throws).
class FakeDialogs : public Dialogs {
 public:
  std::vector<std::string> log;
  std::deque<DialogAnswer> yesNoAnswers;
  std::deque<std::optional<std::string>> inputAnswers;
  std::deque<std::optional<std::string>> openAnswers;
  std::deque<std::optional<std::string>> folderAnswers;
  OpenDialogOptions lastOpenOptions;
  struct Message {
    std::string text, title;
    MessageIcon icon;
  };
  std::vector<Message> messages;

  void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override;
  DialogAnswer AskYesNo(const std::string& text, const std::string& title, MessageIcon icon) override;
  std::optional<std::string> InputQuery(const std::string& title, const std::string& prompt,
                                        const std::string& initial, int maxLength) override;
  std::optional<std::string> OpenFile(const OpenDialogOptions& options) override;
  std::optional<std::string> BrowseFolder(const std::string& prompt, const std::string& root,
                                          const std::string& initialFolder, bool editBox,
                                          bool includeFiles) override;
  void MessageBeep(unsigned type) override;

  // How many log lines start with prefix.
  int Count(const std::string& prefix) const;
};

}  // namespace sorvane
