#pragma once

#include <optional>
#include <string>

namespace sorvane {

enum class MessageIcon { None, Information, Warning, Error, Question };

// YesToAll and NoToAll come only from AskYesNoAll.
enum class DialogAnswer { Yes, No, Closed, YesToAll, NoToAll };

// Settings of the open-file dialog.
struct OpenDialogOptions {
  std::string DefaultExt;     // without dot, e.g. "zvq"
  std::string Filter;         // "description|pattern" pairs joined by "|"
  std::string InitialDir;     // empty: the platform's choice
  bool HideReadOnly = false;  // no read-only check box
  bool PathMustExist = false;
  bool FileMustExist = false;
  bool EnableSizing = false;
};

// The modal dialogs of the window system. Texts are UTF-8. Each call returns
// when the user has closed the dialog.
class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // A message box with an OK button.
  virtual void ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) = 0;

  // A question with the buttons "&Ja" and "&Nein", in this order; Esc answers
  // No. Closed when the dialog ended in another way.
  virtual DialogAnswer AskYesNo(const std::string& text, const std::string& title, MessageIcon icon) = 0;

  // The same question for one of many files, with the buttons "&Ja",
  // "Ja, alle", "&Nein" and "Nein, alle", in this order: the two answers for
  // all let the user settle the rest at once. Esc answers No.
  virtual DialogAnswer AskYesNoAll(const std::string& text, const std::string& title, MessageIcon icon) = 0;

  // A text query with the buttons "OK" and "Abbrechen"; at most maxLength
  // characters can be typed. Nothing when the user cancelled.
  virtual std::optional<std::string> InputQuery(const std::string& title, const std::string& prompt,
                                                const std::string& initial, int maxLength) = 0;

  // The open-file dialog; the chosen file's full path, or nothing when
  // cancelled.
  virtual std::optional<std::string> OpenFile(const OpenDialogOptions& options) = 0;

  // The folder browser, starting at root (empty: everything) with
  // initialFolder selected (empty: none; the browser then opens at a real
  // folder of the platform's choice). The application's other windows are
  // disabled while it runs. The chosen folder, which exists, or nothing when
  // cancelled.
  virtual std::optional<std::string> BrowseFolder(const std::string& prompt, const std::string& root,
                                                  const std::string& initialFolder, bool editBox,
                                                  bool includeFiles) = 0;

  // The system sound of a message type (48: the warning sound).
  virtual void MessageBeep(unsigned type) = 0;
};

}  // namespace sorvane
