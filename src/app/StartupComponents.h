#pragma once

#include <string>

namespace sorvane {

// The setup registration and the update component as the main window's
// creation uses them. The main window owns both; until they exist the
// wizard is built without them and its creation skips their steps.
class StartupComponents {
 public:
  virtual ~StartupComponents() = default;

  // True only after an uninstall run that the user confirmed; the program
  // has then already been asked to end and the main window stays empty.
  virtual bool Uninstalled() = 0;

  // Writes the uninstall registration, or nothing.
  virtual void RegisterProgram() = 0;

  // The name of the update archive ("ZVQ1.zip" or "ZVQ2.zip").
  virtual void SetZIPFileName(const std::string& name) = 0;

  // The scheduled update check; returns when it and any update wizard it
  // shows are over, or has asked the program to end.
  virtual void AutomaticUpdate() = 0;

  // True once the program has been asked to end (an uninstall run, or the
  // update check with "OnlyUpdate"): the window is never shown.
  virtual bool Terminated() = 0;
};

// The About box.
class InfoBox {
 public:
  virtual ~InfoBox() = default;

  // Shows the About box modally with the application's title and icon and
  // the development time, and returns when it is closed.
  virtual void ShowInfo(const std::string& title, const std::string& developmentTime) = 0;
};

}  // namespace sorvane
