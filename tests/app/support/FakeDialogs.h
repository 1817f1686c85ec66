#pragma once

#include <algorithm>
#include <deque>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Dialogs.h"

namespace sorvane {

// Dialogs that answer from scripts and write every call to log in order:
// "ShowMessage <title>", "AskYesNo <title>|<icon>|<text>" (AskYesNoAll
// alike, both answered from yesNoAnswers),
// "InputQuery <title>|<prompt>|<initial>|<max>", "OpenFile",
// "BrowseFolder <prompt>|<root>|<folder>|<edit>|<files>", "MessageBeep 48".
// A dialog without a scripted answer throws, so an unexpected question
// fails the test instead of looping.
class FakeDialogs : public Dialogs {
 public:
  struct Message {
    std::string text, title;
    MessageIcon icon;
  };
  std::vector<std::string> log;
  std::vector<Message> messages;
  std::deque<DialogAnswer> yesNoAnswers;
  std::deque<std::optional<std::string>> inputAnswers, openAnswers, folderAnswers;
  OpenDialogOptions lastOpenOptions;

  void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) override {
    log.push_back("ShowMessage " + title);
    messages.push_back({text, title, icon});
  }
  DialogAnswer AskYesNo(const std::string& text, const std::string& title, MessageIcon icon) override {
    log.push_back("AskYesNo " + title + "|" + kIcons[static_cast<int>(icon)] + "|" + text);
    return Next(yesNoAnswers);
  }
  DialogAnswer AskYesNoAll(const std::string& text, const std::string& title, MessageIcon icon) override {
    log.push_back("AskYesNoAll " + title + "|" + kIcons[static_cast<int>(icon)] + "|" + text);
    return Next(yesNoAnswers);
  }
  std::optional<std::string> InputQuery(const std::string& title, const std::string& prompt,
                                        const std::string& initial, int maxLength) override {
    log.push_back("InputQuery " + title + "|" + prompt + "|" + initial + "|" + std::to_string(maxLength));
    return Next(inputAnswers);
  }
  std::optional<std::string> OpenFile(const OpenDialogOptions& options) override {
    log.push_back("OpenFile");
    lastOpenOptions = options;
    return Next(openAnswers);
  }
  std::optional<std::string> BrowseFolder(const std::string& prompt, const std::string& root,
                                          const std::string& initialFolder, bool editBox,
                                          bool includeFiles) override {
    log.push_back("BrowseFolder " + prompt + "|" + root + "|" + initialFolder + "|" + (editBox ? "edit" : "-") +
                  "|" + (includeFiles ? "files" : "-"));
    return Next(folderAnswers);
  }
  void MessageBeep(unsigned type) override { log.push_back("MessageBeep " + std::to_string(type)); }

  // How many log lines start with prefix.
  int Count(const std::string& prefix) const {
    return static_cast<int>(
        std::count_if(log.begin(), log.end(), [&](const std::string& line) { return line.rfind(prefix, 0) == 0; }));
  }

 private:
  static constexpr const char* kIcons[] = {"none", "information", "warning", "error", "question"};

  template <typename T>
  static T Next(std::deque<T>& script) {
    if (script.empty()) throw std::logic_error("a dialog was not expected");
    T answer = script.front();
    script.pop_front();
    return answer;
  }
};

}  // namespace sorvane
