#pragma once

#include <string>

namespace sorvane {

// The controls of the main window whose state the wizard sets or reads,
// named as the window names them.
enum class Form1Control {
  Button_Back,
  Button_Next,
  Button_Cancel,
  Button_Extract,
  Button_Execute,
  Label_ProgPath,
  Label_Author,
  Label_Title,
};

enum class Form1Radio { RadioButton_Guest, RadioButton_LogIn };

enum class Form1Edit { Edit_UserName, Edit_Password };

// The entries of ListView_Files as TForm1 keeps them: the list holds none
// of them itself, asks for the rows it draws and reports the user's ticks
// here. Texts are UTF-8; a row outside the entries gives empty texts and no
// tick.
class Form1FileRows {
 public:
  virtual ~Form1FileRows() = default;
  virtual int Count() = 0;
  virtual std::string Caption(int row) = 0;
  virtual std::string SizeText(int row) = 0;
  virtual bool IsTicked(int row) = 0;
  virtual void SetTicked(int row, bool ticked) = 0;
};

// The main window as TForm1 sees it: a thin surface over the real controls.
// Every text is UTF-8. The view keeps no logic of its own; it only shows
// what it is told and reports what the user changed (ticks, selections,
// typed text, the checked choice). Nothing here raises a handler of TForm1:
// whoever must run a handler after a change made by program (a cleared field,
// a choice checked) is TForm1 itself, so the order of effects is the same on
// every platform.
class Form1View {
 public:
  virtual ~Form1View() = default;

  // The window as a whole.
  virtual void SetCaption(const std::string& caption) = 0;
  // Disabled while a container loads; a disabled window takes no input and
  // cannot be closed by the user.
  virtual void SetWindowEnabled(bool enabled) = 0;
  virtual void BringApplicationToFront() = 0;
  virtual void BringToFront() = 0;
  // Closes the main window, which ends the program's message loop.
  virtual void Close() = 0;

  // Notebook: shows page 0 "Dateiauswahl", 1 "Anmeldung" or 2 "Dateien".
  virtual void ShowPage(int page) = 0;

  // Buttons and labels.
  virtual void SetEnabled(Form1Control control, bool enabled) = 0;
  virtual void SetVisible(Form1Control control, bool visible) = 0;
  virtual void SetText(Form1Control control, const std::string& text) = 0;

  // The two login choices. They form one group in which at most one is
  // checked: checking one unchecks the other. Unlike a native group both may
  // be unchecked at once. Returns whether this choice's own state changed.
  virtual bool IsChecked(Form1Radio radio) = 0;
  virtual bool SetChecked(Form1Radio radio, bool checked) = 0;

  // The two login fields. SetEditText does not raise the change event.
  virtual std::string EditText(Form1Edit edit) = 0;
  virtual void SetEditText(Form1Edit edit, const std::string& text) = 0;

  // ListView_ProgPath: the containers of the program folder, in the order
  // added, columns "Dateiname" and "Größe". The selection is -1 when none.
  virtual void ClearProgPath() = 0;
  virtual void AddProgPath(const std::string& caption, const std::string& size) = 0;
  virtual int ProgPathSelection() = 0;

  // ListView_Files: the members with a check box each, columns "Dateiname"
  // and "Größe", in the order of rows (TForm1 sorts them by the locale's
  // word order; the view sorts nothing itself). ShowFiles makes the list
  // show rows.Count() entries with none selected; from then on the list
  // asks rows for what it draws (rows must outlive the view) and sets the
  // ticks the user makes (click, Space) there before it reports them.
  // RefreshFiles redraws after TForm1 changed ticks. The selection is -1
  // when none.
  virtual void ShowFiles(Form1FileRows& rows) = 0;
  virtual void RefreshFiles() = 0;
  virtual int FilesSelection() = 0;
};

}  // namespace sorvane
