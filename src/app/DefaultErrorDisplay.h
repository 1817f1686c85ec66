#pragma once

#include <exception>
#include <string>

#include "platform/Dialogs.h"

namespace sorvane {

// The application title: the task-bar text, the main window's caption and
// the title of the default error display.
inline constexpr char ApplicationTitle[] = "Sorvane";

// The text the default error display shows for a failure's text: a full stop
// is added when the last character sorts after ".". Characters sort by their
// code in the ANSI code page, as the byte order of text; every character
// beyond ASCII sorts after "." there, and so does the last byte of its UTF-8
// form, so the last byte of the UTF-8 text decides. ")" "!" and " " stay
// without a stop; letters, digits and "?" get one; an empty text stays empty.
std::string ErrorDisplayText(const std::string& text);

// Shows a failure that no handler caught: a message box titled "Sorvane"
// with the error icon. The program's own failures show their German text;
// an allocation failure shows "Zu wenig Arbeitsspeicher".
void ShowDefaultError(Dialogs& dialogs, const std::exception& failure);

// Runs one event handler the way the message loop does: a failure ends the
// handler and is shown by the default error display; the window stays where
// the handler left it.
template <typename Handler>
void RunHandler(Dialogs& dialogs, Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& failure) {
    ShowDefaultError(dialogs, failure);
  }
}

}  // namespace sorvane
