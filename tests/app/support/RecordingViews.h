#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/Form1View.h"
#include "forms/ExtractFormView.h"
#include "forms/Form5View.h"
#include "forms/Form6View.h"

namespace sorvane {

// The main window as state a test can set and inspect, with every call of
// the wizard written to log in order ("SetEnabled Button_Next 1",
// "SetChecked RadioButton_LogIn 1", "SetEditText Edit_UserName ''",
// "ShowPage 1", "SetWindowEnabled 0", ...). The choices behave as the real
// group: checking one unchecks the other, both may be unchecked.
class RecordingForm1View : public Form1View {
 public:
  struct Entry {
    std::string caption, size;
    bool checked = false;
  };

  std::vector<std::string> log;
  std::string caption;
  bool windowEnabled = true;
  bool closed = false;
  int page = -1;
  std::map<Form1Control, bool> enabled;
  std::map<Form1Control, bool> visible;
  std::map<Form1Control, std::string> text;
  std::map<Form1Radio, bool> checked;
  std::map<Form1Edit, std::string> edits;
  std::vector<Entry> progPath;
  int progPathSelection = -1;
  // ListView_Files as last drawn: every row read from the rows TForm1 keeps,
  // again after each change.
  std::vector<Entry> files;
  int filesSelection = -1;
  Form1FileRows* fileRows = nullptr;

  // What the user does: these change state without logging.
  void UserSelectProgPath(int index) { progPathSelection = index; }
  void UserCheck(Form1Radio radio);
  void UserType(Form1Edit edit, const std::string& typed) { edits[edit] = typed; }
  // A tick by click or Space: set in the rows, as the list does.
  void UserTick(int index, bool ticked);
  std::vector<std::string> FileCaptions() const;
  bool Enabled(Form1Control control) const;
  // The log so far; the log starts afresh.
  std::vector<std::string> TakeLog();

  void SetCaption(const std::string& value) override;
  void SetWindowEnabled(bool value) override;
  void BringApplicationToFront() override { log.push_back("BringApplicationToFront"); }
  void BringToFront() override { log.push_back("BringToFront"); }
  void Close() override;
  void ShowPage(int value) override;
  void SetEnabled(Form1Control control, bool value) override;
  void SetVisible(Form1Control control, bool value) override;
  void SetText(Form1Control control, const std::string& value) override;
  bool IsChecked(Form1Radio radio) override { return checked[radio]; }
  bool SetChecked(Form1Radio radio, bool value) override;
  std::string EditText(Form1Edit edit) override { return edits[edit]; }
  void SetEditText(Form1Edit edit, const std::string& value) override;
  void ClearProgPath() override;
  void AddProgPath(const std::string& caption, const std::string& size) override;
  int ProgPathSelection() override { return progPathSelection; }
  void ShowFiles(Form1FileRows& rows) override;
  void RefreshFiles() override;
  int FilesSelection() override { return filesSelection; }
};

class RecordingForm5View : public Form5View {
 public:
  bool doubleBuffered = false;
  bool visible = false;
  Picture picture;
  int pictureChanges = 0;

  void SetDoubleBuffered(bool on) override { doubleBuffered = on; }
  bool IsVisible() override { return visible; }
  void Show() override { visible = true; }
  void Hide() override { visible = false; }
  void SetPicture(const Picture& value) override {
    picture = value;
    ++pictureChanges;
  }
};

// Whether a window is shown, each "Show" and "Hide" written to log.
struct RecordedVisibility {
  std::vector<std::string> log;
  bool visible = false;
  void Record(bool shown) {
    visible = shown;
    log.push_back(shown ? "Show" : "Hide");
  }
};

// Writes "Range <n>", "Position <n>", "Show", "Hide".
class RecordingForm6View : public Form6View, public RecordedVisibility {
 public:
  void SetProgressRange(std::int32_t maximum) override { log.push_back("Range " + std::to_string(maximum)); }
  void SetProgressPosition(std::int32_t position) override { log.push_back("Position " + std::to_string(position)); }
  void Show() override { Record(true); }
  void Hide() override { Record(false); }
};

// The progress window as state: its texts, bar and button as last set, and
// "Show" and "Hide" written to log.
class RecordingExtractFormView : public ExtractFormView, public RecordedVisibility {
 public:
  bool cancelEnabled = false;
  std::string fileText, countText;
  std::int32_t perMille = 0;

  void SetFileText(const std::string& text) override { fileText = text; }
  void SetCountText(const std::string& text) override { countText = text; }
  void SetProgressPosition(std::int32_t value) override { perMille = value; }
  void SetCancelEnabled(bool enabled) override { cancelEnabled = enabled; }
  void Show() override { Record(true); }
  void Hide() override { Record(false); }
};

}  // namespace sorvane
