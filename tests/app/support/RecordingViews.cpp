#include "RecordingViews.h"

#include <stdexcept>

namespace sorvane {
namespace {

constexpr const char* kControlNames[] = {"Button_Back",    "Button_Next",    "Button_Cancel", "Button_Extract",
                                         "Button_Execute", "Label_ProgPath", "Label_Author",  "Label_Title"};

const char* Name(Form1Control control) { return kControlNames[static_cast<int>(control)]; }
const char* Name(Form1Radio radio) {
  return radio == Form1Radio::RadioButton_Guest ? "RadioButton_Guest" : "RadioButton_LogIn";
}
const char* Name(Form1Edit edit) { return edit == Form1Edit::Edit_UserName ? "Edit_UserName" : "Edit_Password"; }

Form1Radio Other(Form1Radio radio) {
  return radio == Form1Radio::RadioButton_Guest ? Form1Radio::RadioButton_LogIn : Form1Radio::RadioButton_Guest;
}

}  // namespace

void RecordingForm1View::UserCheck(Form1Radio radio) {
  checked[radio] = true;
  checked[Other(radio)] = false;
}

std::vector<std::string> RecordingForm1View::FileCaptions() const {
  std::vector<std::string> captions;
  for (const Entry& entry : files) captions.push_back(entry.caption);
  return captions;
}

bool RecordingForm1View::Enabled(Form1Control control) const {
  const auto found = enabled.find(control);
  return found != enabled.end() && found->second;
}

std::vector<std::string> RecordingForm1View::TakeLog() {
  std::vector<std::string> taken;
  taken.swap(log);
  return taken;
}

void RecordingForm1View::SetCaption(const std::string& value) {
  caption = value;
  log.push_back("SetCaption " + value);
}

void RecordingForm1View::SetWindowEnabled(bool value) {
  windowEnabled = value;
  log.push_back(std::string("SetWindowEnabled ") + (value ? "1" : "0"));
}

void RecordingForm1View::Close() {
  closed = true;
  log.push_back("Close");
}

void RecordingForm1View::ShowPage(int value) {
  page = value;
  log.push_back("ShowPage " + std::to_string(value));
}

void RecordingForm1View::SetEnabled(Form1Control control, bool value) {
  enabled[control] = value;
  log.push_back(std::string("SetEnabled ") + Name(control) + (value ? " 1" : " 0"));
}

void RecordingForm1View::SetVisible(Form1Control control, bool value) {
  visible[control] = value;
  log.push_back(std::string("SetVisible ") + Name(control) + (value ? " 1" : " 0"));
}

void RecordingForm1View::SetText(Form1Control control, const std::string& value) {
  text[control] = value;
  log.push_back(std::string("SetText ") + Name(control) + " " + value);
}

bool RecordingForm1View::SetChecked(Form1Radio radio, bool value) {
  log.push_back(std::string("SetChecked ") + Name(radio) + (value ? " 1" : " 0"));
  const bool changed = checked[radio] != value;
  checked[radio] = value;
  if (value) checked[Other(radio)] = false;
  return changed;
}

void RecordingForm1View::SetEditText(Form1Edit edit, const std::string& value) {
  edits[edit] = value;
  log.push_back(std::string("SetEditText ") + Name(edit) + " '" + value + "'");
}

void RecordingForm1View::ClearProgPath() {
  progPath.clear();
  progPathSelection = -1;
  log.push_back("ClearProgPath");
}

void RecordingForm1View::AddProgPath(const std::string& caption, const std::string& size) {
  progPath.push_back({caption, size});
}

void RecordingForm1View::ShowFiles(Form1FileRows& rows) {
  fileRows = &rows;
  filesSelection = -1;
  log.push_back("ShowFiles " + std::to_string(rows.Count()));
  RefreshFiles();
}

void RecordingForm1View::RefreshFiles() {
  files.clear();
  if (fileRows == nullptr) return;
  for (int row = 0; row < fileRows->Count(); ++row) {
    files.push_back({fileRows->Caption(row), fileRows->SizeText(row), fileRows->IsTicked(row)});
  }
}

void RecordingForm1View::UserTick(int index, bool ticked) {
  if (index < 0 || static_cast<std::size_t>(index) >= files.size()) throw std::out_of_range("no such entry");
  fileRows->SetTicked(index, ticked);
  RefreshFiles();
}

}  // namespace sorvane
