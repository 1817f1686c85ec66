#include "FakeDialogs.h"

#include <stdexcept>

namespace sorvane {
namespace {

const char* IconName(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return "information";
    case MessageIcon::Warning:
      return "warning";
    case MessageIcon::Error:
      return "error";
    case MessageIcon::Question:
      return "question";
    case MessageIcon::None:
      break;
  }
  return "none";
}

template <typename T>
T Next(std::deque<T>& script, const char* what) {
  if (script.empty()) throw std::logic_error(std::string("unscripted dialog: ") + what);
  T answer = script.front();
  script.pop_front();
  return answer;
}

}  // namespace

void FakeDialogs::ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) {
  log.push_back("ShowMessage " + title + "|" + IconName(icon) + "|" + text);
  messages.push_back({text, title, icon});
}

DialogAnswer FakeDialogs::AskYesNo(const std::string& text, const std::string& title, MessageIcon icon) {
  log.push_back("AskYesNo " + title + "|" + IconName(icon) + "|" + text);
  return Next(yesNoAnswers, "AskYesNo");
}

std::optional<std::string> FakeDialogs::InputQuery(const std::string& title, const std::string& prompt,
                                                   const std::string& initial, int maxLength) {
  log.push_back("InputQuery " + title + "|" + prompt + "|" + initial + "|" + std::to_string(maxLength));
  return Next(inputAnswers, "InputQuery");
}

std::optional<std::string> FakeDialogs::OpenFile(const OpenDialogOptions& options) {
  log.push_back("OpenFile");
  lastOpenOptions = options;
  return Next(openAnswers, "OpenFile");
}

std::optional<std::string> FakeDialogs::BrowseFolder(const std::string& prompt, const std::string& root,
                                                     const std::string& initialFolder, bool editBox,
                                                     bool includeFiles) {
  log.push_back("BrowseFolder " + prompt + "|" + root + "|" + initialFolder + "|" + (editBox ? "edit" : "-") +
                "|" + (includeFiles ? "files" : "-"));
  return Next(folderAnswers, "BrowseFolder");
}

void FakeDialogs::MessageBeep(unsigned type) { log.push_back("MessageBeep " + std::to_string(type)); }

int FakeDialogs::Count(const std::string& prefix) const {
  int count = 0;
  for (const std::string& line : log) count += line.rfind(prefix, 0) == 0 ? 1 : 0;
  return count;
}

}  // namespace sorvane
