#pragma once

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "FakeDialogs.h"
#include "FakeServices.h"
#include "RecordingViews.h"
#include "app/Wizard.h"
#include "container/ContainerCatalogue.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "platform/Errors.h"
#include "platform/Cp1252CodePage.h"

namespace sorvane {

// One member of a test container.
struct TestMember {
  AnsiString name;
  std::vector<std::int32_t> flags;
  std::string data;
};

// Counts the pump's turns; onTurn runs inside each, so a test can look at
// the windows while a load is under way.
class CountingPump : public MessagePump {
 public:
  int turns = 0;
  std::function<void()> onTurn;
  void ProcessMessages() override {
    ++turns;
    if (onTurn) onTurn();
  }
};

// The whole wizard over fakes: an in-memory file system with the program in
// /prog, the temporary folder /tmp/user/, recording views and scripted
// dialogs.
class WizardFixture : public ::testing::Test {
 protected:
  static constexpr char kProgramFolder[] = "/prog/";

  WizardFixture();

  // A container file with these accounts and members.
  static std::string ContainerBytes(const std::vector<ContainerAccount>& accounts,
                                    const std::vector<TestMember>& members, const AnsiString& title = "Titel",
                                    const AnsiString& author = "Autor");
  void AddContainer(const std::string& path, const std::vector<ContainerAccount>& accounts,
                    const std::vector<TestMember>& members, const AnsiString& title = "Titel",
                    const AnsiString& author = "Autor");

  // Runs the creation, selects the list entry named name and presses
  // "Weiter &>" (page 0 to 1).
  void StartAndLoad(const std::string& name);
  // From page 1 as guest (no password) or as user, to page 2.
  void LogInAsGuest();
  void LogInAsUser(const std::string& user, const std::string& password);
  void TickAll() { form.Button_SelAllClick("Button_SelAll"); }

  FakeFileSystem files;
  FakeDialogs dialogs;
  FakeShell shell{files};
  FakeSystemFolders folders;
  FakeLocale locale;
  Cp1252CodePage codePage;
  FakeProgramFile program;
  FakePictureDecoder decoder{files};
  WizardServices services{files, dialogs, shell, folders, locale, codePage, program, decoder};
  RecordingForm1View view;
  RecordingForm5View previewView;
  RecordingForm6View waitView;
  RecordingExtractFormView progressView;
  CountingPump pump;
  FakeClock clock;
  Wizard wizard{services, view, previewView, waitView, progressView, pump, clock};
  TForm1& form = wizard.Form1();
};

}  // namespace sorvane
