#pragma once

#include <cstdint>
#include <string>

#include "forms/BlendColor.h"

namespace sorvane {

// The update wizard's controls whose state TStatusForm sets, named as the
// window names them. Label_Every and Label_Days are the texts "Alle" and
// "Tage an Updates erinnern" around the spin edit.
enum class StatusControl {
  Button_Next,
  Button_Cancel,
  Button_Settings,
  Button_Check,
  CancelDownload,
  Panel_Title,
  Label_CheckResult,
  Label_Download,
  Label3,
  PerCent,
  StatusLabel,
  TimeLeft,
  Label_Every,
  SpinEdit_AutoUpdt,
  Label_Days,
};

enum class StatusRadio { RadioButton_NoAutoUpdt, RadioButton_AutoUpdt };

// The keys the window hands to TStatusForm.
enum class StatusKey { Escape, Enter };

// The pages of the button book Notebook_StdButtons.
enum class StatusButtonPage { Standard, Einstellungen };

// Where the side panel is drawn: vertical lines and the step titles.
class SidePanelCanvas {
 public:
  virtual ~SidePanelCanvas() = default;
  // A vertical line from (x, 0) to (x, height).
  virtual void VerticalLine(int x, int height, Color color) = 0;
  // Text on a transparent background in the 10-point font.
  virtual void Text(int x, int y, const std::string& text, bool boldItalic) = 0;
};

// The update wizard window as TStatusForm sees it. Texts are UTF-8; the
// view keeps no logic of its own and raises no handler for changes made
// through it.
class StatusFormView {
 public:
  virtual ~StatusFormView() = default;

  // Pages: 0 welcome ... 5 finish, 6 settings.
  virtual void ShowPage(int index) = 0;
  virtual void ShowButtonPage(StatusButtonPage page) = 0;

  virtual void SetText(StatusControl control, const std::string& text) = 0;
  virtual void SetEnabled(StatusControl control, bool enabled) = 0;
  virtual void SetVisible(StatusControl control, bool visible) = 0;

  // The progress bar Status: range 0 to maximum, position within it.
  virtual void SetProgress(std::int64_t maximum, std::int64_t position) = 0;
  // Image_Icon2 on the install page: the system's error icon, or the
  // information icon it has from the start.
  virtual void SetErrorIcon2(bool error) = 0;
  // Repaints the side panel PaintBox_Process.
  virtual void RepaintSidePanel() = 0;

  // The two radio buttons form one group.
  virtual bool IsChecked(StatusRadio radio) = 0;
  virtual void SetChecked(StatusRadio radio, bool checked) = 0;
  // SpinEdit_AutoUpdt keeps its value within 1 to 365.
  virtual int SpinValue() = 0;
  virtual void SetSpinValue(int value) = 0;
  // CheckBox_Restart "Programm automatisch neu starten".
  virtual bool RestartChecked() = 0;

  // Centres the window on the screen.
  virtual void Centre() = 0;
  // Ends the modal showing; the window stays, hidden.
  virtual void Close() = 0;
};

}  // namespace sorvane
