#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "components/update/TOrvelUpdateFile.h"
#include "fakes/FakeClock.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/MapResources.h"
#include "fakes/MemoryRegistryStore.h"
#include "platform/Cp1252CodePage.h"
#include "platform/posix/PosixNetwork.h"
#include "support/FakeServices.h"

namespace sorvane {

// The main window as the component sees it, and the application: every call
// logged in order ("action <list> <shortcut>", "wizard created",
// "wizard shown", "detach", "terminate").
class RecordingOwner : public UpdateComponentOwner, public UpdateWizard, public ApplicationControl {
 public:
  std::vector<std::string> log;
  std::vector<UpdateWizardValues> shown;
  std::function<void()> ctrlU;

  void AddShortcutAction(const std::string& list, const std::string& shortCut, std::function<void()> execute) override {
    log.push_back("action " + list + " " + shortCut);
    ctrlU = std::move(execute);
  }
  UpdateWizard& CreateUpdateWizard() override {
    log.push_back("wizard created");
    return *this;
  }
  void ShowModal(const UpdateWizardValues& values) override {
    log.push_back("wizard shown");
    shown.push_back(values);
  }
  void DetachDestroyHandler() override { log.push_back("detach"); }
  void Terminate() override { log.push_back("terminate"); }
  bool Terminated() const override { return false; }
};

class FixedDrive : public DriveTypes {
 public:
  int type = DRIVE_FIXED;
  std::vector<std::string> asked;
  int GetDriveType(const std::string& path) override {
    asked.push_back(path);
    return type;
  }
};

class FixedCalendar : public Calendar {
 public:
  double today = 46000;  // 2025-12-09
  std::optional<double> fileDate = 45900.25;
  double Today() override { return today; }
  double Now() override { return today + 0.5; }
  std::optional<double> FileDate(const std::string&) override { return fileDate; }
};

// One program start on a fixed drive: Start() builds the component with the
// main window's values and the archive name "ZVQ2.zip".
class UpdateComponentRig : public ::testing::Test {
 protected:
  static constexpr char kSystem[] = "/system/";
  static constexpr char kKey[] = "Software\\Orvel\\Sorvane";

  UpdateComponentRig() {
    files.AddFolder(kSystem);
    program.path = "/opt/Über/sorvane";
  }

  std::unique_ptr<TOrvelUpdateFile> Start();
  UpdateComponentServices Services();

  // Runs on the user's SQLite store in a fresh folder instead of the memory.
  void UseSqliteStore();
  void TearDown() override;

  void PutValue(const std::string& name, RegistryType type, const std::string& data);
  void PutUpdate(double date);
  std::optional<RegistryValue> Value(const std::string& name, RegistryRoot root = RegistryRoot::LocalMachine);
  // A text value as UTF-8, from a store that keeps Windows-1252 too.
  std::string Utf8Value(const std::string& name);

  MemoryRegistryStore store;
  RegistryStore* registry = &store;  // a test may run on another store
  std::unique_ptr<RegistryStore> sqlite;
  std::string sqliteFolder;
  FakeFileSystem files;
  RecordingOwner owner;
  FixedDrive drive;
  FixedCalendar calendar;
  FakeProgramFile program;
  MapResources resources;
  Cp1252CodePage codePage;
  PosixNetwork network;
  FakeClock clock;
  NoMessagePump pump;
};

}  // namespace sorvane
