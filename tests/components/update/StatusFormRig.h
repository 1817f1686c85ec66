#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "components/update/TStatusForm.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/MemoryRegistryStore.h"
#include "platform/Errors.h"
#include "platform/Registry.h"
#include "support/FakeDialogs.h"
#include "support/FakeServices.h"

namespace sorvane {

// The wizard window as plain state.
class FakeStatusView : public StatusFormView {
 public:
  int page = -1;
  StatusButtonPage buttonPage = StatusButtonPage::Standard;
  std::map<StatusControl, std::string> text;
  std::map<StatusControl, bool> enabled, visible;
  std::map<StatusRadio, bool> checked{{StatusRadio::RadioButton_AutoUpdt, true}};
  std::int64_t maximum = 100, position = 0;
  bool errorIcon2 = false, restart = true;
  int spin = 7, closes = 0;

  void ShowPage(int index) override { page = index; }
  void ShowButtonPage(StatusButtonPage p) override { buttonPage = p; }
  void SetText(StatusControl c, const std::string& t) override { text[c] = t; }
  void SetEnabled(StatusControl c, bool e) override { enabled[c] = e; }
  void SetVisible(StatusControl c, bool v) override { visible[c] = v; }
  void SetProgress(std::int64_t m, std::int64_t p) override { maximum = m, position = p; }
  void SetErrorIcon2(bool error) override { errorIcon2 = error; }
  void RepaintSidePanel() override {}
  bool IsChecked(StatusRadio r) override { return checked[r]; }
  void SetChecked(StatusRadio r, bool c) override {
    checked[r] = c;
    // A native pair: one of them is always chosen.
    const auto other = r == StatusRadio::RadioButton_AutoUpdt ? StatusRadio::RadioButton_NoAutoUpdt
                                                              : StatusRadio::RadioButton_AutoUpdt;
    checked[other] = !c;
  }
  int SpinValue() override { return spin; }
  void SetSpinValue(int v) override { spin = std::clamp(v, 1, 365); }
  bool RestartChecked() override { return restart; }
  void Centre() override {}
  void Close() override { ++closes; }
  bool Enabled(StatusControl c) { return enabled[c]; }
};

// An HTTP client that serves bodies from a table, in blocks, into the fake
// file system. A url missing from the table fails to connect.
class FakeHttp : public UpdateHttp {
 public:
  struct Answer {
    std::string body;
    std::int64_t announced = -1;  // Content-Length; -1: the body's size, 0: none
    int status = 200;
    std::size_t failAfterBlocks = SIZE_MAX;  // the connection breaks then
  };
  FakeFileSystem& files;
  std::map<std::string, Answer> answers;
  std::vector<std::string> urls;
  std::size_t blockSize = 4;
  std::int64_t expected = 0, received = 0;
  bool aborted = false;
  std::function<void()> onWait;  // once, while the next Get waits for its answer

  explicit FakeHttp(FakeFileSystem& fs) : files(fs) {}
  std::string Host() override { return "updates.test:8080"; }
  void Abort() override { aborted = true; }
  std::int64_t ExpectedBytes() override { return expected; }
  std::int64_t ReceivedBytes() override { return received; }
  void Get(const std::string& url, const std::string& bodyFile) override {
    urls.push_back(url);
    aborted = false;
    expected = received = 0;
    if (onWait) std::exchange(onWait, nullptr)();
    const auto found = answers.find(url);
    if (found == answers.end()) {
      if (OnConnectionFailed) OnConnectionFailed();
      throw ESockError("Connection Failed");
    }
    const Answer& answer = found->second;
    expected = answer.announced < 0 ? static_cast<std::int64_t>(answer.body.size()) : answer.announced;
    std::string stored;
    files.AddFile(bodyFile, stored);
    for (std::size_t at = 0, blocks = 0; at < answer.body.size(); at += blockSize, ++blocks) {
      if (blocks == answer.failAfterBlocks) throw ESockError("10054:Connection reset by peer");
      stored += answer.body.substr(at, blockSize);
      files.AddFile(bodyFile, stored);
      received = static_cast<std::int64_t>(stored.size());
      if (OnBlockReceived) OnBlockReceived();
      if (aborted) throw EAbortError("Socket send aborted");
    }
    if (answer.status >= 400 && OnFailure) OnFailure();
  }
};

// The update list as a table: the program's section, if any.
class FakeUpdateExchange : public UpdateExchange {
 public:
  FakeFileSystem& files;
  bool connected = true, section = true, opened = false;
  double date = 0;
  std::string file = "ZVQ-2.zip", news = "- neu\r\n", refusal, hostRefusal;
  std::optional<std::int64_t> size = 10;  // "PK-archive"
  int copies = 0;

  explicit FakeUpdateExchange(FakeFileSystem& fs) : files(fs) {}
  std::string RefuseHost(const std::string&) override { return hostRefusal; }
  bool Connected(const std::string&) override { return connected; }
  std::string MakeListCopy(const std::string& tempFolder) override {
    const std::string path = tempFolder + "$" + std::to_string(++copies) + ".tmp";
    files.AddFile(path, "");
    return path;
  }
  void Open(const std::string& path) override {
    files.FileBytes(path);
    opened = true;
  }
  void Close() override { opened = false; }
  bool SectionPresent(const std::string&) override { return section; }
  double Date(const std::string&) override { return date; }
  std::string File(const std::string&) override { return file; }
  std::optional<std::int64_t> Size(const std::string&) override { return size; }
  std::string News(const std::string&, double) override {
    if (news == "bad") throw Exception("'x' ist kein gültiges Datum");
    return news;
  }
  std::string RefuseArchive(const std::string&, const std::string&) override { return refusal; }
  std::string CheckedCopy(const std::string& program, const std::string& archive, const std::string& temp) override {
    checkedProgram = program;
    if (!recheckRefusal.empty()) throw Exception(recheckRefusal);
    files.AddFile(temp + "zip1.tmp", files.FileBytes(archive));
    return temp + "zip1.tmp";
  }
  std::string recheckRefusal, checkedProgram;
};

class FakeInstallation : public UpdateInstallation {
 public:
  FakeFileSystem& files;
  std::vector<bool> restarts;
  std::string unpacked;  // the bytes the last preparation unpacked
  bool fail = false;
  explicit FakeInstallation(FakeFileSystem& fs) : files(fs) {}
  bool Prepare(const std::string& tempFolder, const std::string& zip, bool restart,
               const ArchiveCheck& check) override {
    restarts.push_back(restart);
    if (!files.HasFile(tempFolder + zip)) return false;
    const std::string copy = check(tempFolder + zip);
    unpacked = files.FileBytes(copy);
    files.DeleteFile(copy);
    if (fail) throw Exception("Listenindex überschreitet das Maximum (0)");
    files.DeleteFile(tempFolder + zip);
    return true;
  }
};

class FakeScripts : public ScriptRunner {
 public:
  std::vector<std::string> started;
  void RunDetached(const std::string& script) override { started.push_back(script); }
};

class FakeCalendar : public Calendar {
 public:
  double now = 46000.5;  // 2025-12-09 12:00
  double Today() override { return static_cast<double>(static_cast<std::int64_t>(now)); }
  double Now() override { return now; }
  std::optional<double> FileDate(const std::string&) override { return std::nullopt; }
};

// Each turn of the pump moves the clock on and runs what the "user" does
// next (a click arriving during a transfer or a wait).
class ScriptedPump : public MessagePump {
 public:
  FakeClock& clock;
  std::function<void()> onTurn;
  int turns = 0;
  std::int64_t step = 250;  // ms per turn
  explicit ScriptedPump(FakeClock& c) : clock(c) {}
  void ProcessMessages() override {
    ++turns;
    clock.Advance(step);
    if (onTurn) {
      auto action = std::move(onTurn);
      onTurn = nullptr;
      action();
    }
  }
};

// A wizard over fakes, with an update "ZVQ-2.zip" of 10 bytes on the server
// that is newer than the installed program.
struct StatusFormRig {
  FakeFileSystem files;
  FakeDialogs dialogs;
  FakeSystemFolders folders;
  FakeLocale locale;
  MemoryRegistryStore registry;
  FakeCalendar calendar;
  FakeClock clock;
  ScriptedPump pump{clock};
  FakeHttp http{files};
  FakeUpdateExchange list{files};
  FakeInstallation installation{files};
  FakeScripts scripts;
  struct : ApplicationControl {
    int terminated = 0;
    void Terminate() override { ++terminated; }
    bool Terminated() const override { return terminated > 0; }
  } application;
  FakeStatusView view;
  TStatusForm form{StatusFormServices{files, dialogs, folders, locale, registry, calendar, clock, pump, http, list,
                                      installation, scripts, application},
                   view};

  static constexpr char kList[] = "http://updates.test:8080/Updates.ini";
  static constexpr char kArchive[] = "http://updates.test:8080/Updates/ZVQ-2.zip";
  static constexpr char kKey[] = "Software\\Orvel\\Sorvane";

  StatusFormRig() {
    files.AddFolder("/tmp/user");
    http.answers[kList] = {"[ZVQ]\r\nFile=ZVQ-2.zip\r\n"};
    http.answers[kArchive] = {"PK-archive"};
    list.date = calendar.Today();
    form.FormCreate();
    form.SetValues({"ZVQ", "ZVQ2.zip", "Sorvane", calendar.Today() - 10.25, false});
    form.FormShow();
  }

  // Welcome, then the check.
  void Check() {
    form.Button_NextClick();
    form.Button_CheckClick();
  }
  std::string Text(StatusControl c) { return view.text[c]; }
  std::optional<RegistryValue> Value(const std::string& name) {
    return registry.ReadValue(RegistryRoot::LocalMachine, kKey, name);
  }
  double UpdateValue() {
    const std::string bytes = Value("Update").value().data;
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = bits << 8 | static_cast<unsigned char>(bytes.at(static_cast<std::size_t>(i)));
    return std::bit_cast<double>(bits);
  }
};

}  // namespace sorvane
