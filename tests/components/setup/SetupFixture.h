#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/support/FakeDialogs.h"
#include "components/setup/OrvelSetup.h"
#include "fakes/MemoryRegistryStore.h"
#include "platform/Errors.h"
#include "platform/Cp1252CodePage.h"

namespace sorvane {

// The registry in memory, with every change logged in order:
// "set <root>:<key>|<name>", "delete <root>:<key>|<name>" (only values that
// existed), "deletekey <root>:<key>".
class LoggingRegistryStore : public MemoryRegistryStore {
 public:
  std::vector<std::string> changes;

  void DeleteKey(RegistryRoot root, const std::string& key) override;
  bool WriteValue(RegistryRoot root, const std::string& key, const std::string& name,
                  const RegistryValue& value) override;
  bool DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) override;

  // Creates key and writes a text value into it.
  void Put(RegistryRoot root, const std::string& key, const std::string& name, const std::string& text);
  // The value's data; nothing when it does not exist.
  std::optional<std::string> Get(RegistryRoot root, const std::string& key, const std::string& name);
};

class FakeApplication : public ApplicationControl {
 public:
  int terminateCalls = 0;
  void Terminate() override { ++terminateCalls; }
  bool Terminated() const override { return terminateCalls > 0; }
};

class FakeDesktopMenu : public DesktopMenu {
 public:
  std::vector<std::string> log;  // "install <name>", "remove <name>"
  std::string entryText;
  std::size_t iconSize = 0;
  bool unwritable = false;  // Install fails as on a data folder that cannot be written
  std::string IconPath(const std::string& name) override { return "/icons/" + name + ".png"; }
  void Install(const std::string& name, const std::string& text, std::span<const std::uint8_t> icon) override {
    if (unwritable) throw EFCreateError("Datei " + IconPath(name) + " kann nicht erstellt werden");
    log.push_back("install " + name);
    entryText = text;
    iconSize = icon.size();
  }
  void Remove(const std::string& name) override { log.push_back("remove " + name); }
  void InstallFileType(const std::string& name, const std::string& type, const std::string& info,
                       std::span<const std::uint8_t>) override {
    log.push_back("install type " + name + " " + type);
    mimeInfo = info;
  }
  void RemoveFileType(const std::string& name, const std::string& type) override {
    log.push_back("remove type " + name + " " + type);
  }
  std::string mimeInfo;
};

// One program start: the services of a program at /opt/Über/sorvane whose
// version text is version; Start() builds the component with the given
// first argument.
class SetupFixture : public ::testing::Test {
 protected:
  static constexpr char kProgramPath[] = "/opt/Über/sorvane";
  static constexpr char kUninstallEntry[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Sorvane";

  std::unique_ptr<TOrvelSetup> Start(const std::string& firstArgument);

  LoggingRegistryStore store;
  RegistryStore* registry = &store;  // what the component is given
  FakeDialogs dialogs;
  Cp1252CodePage codePage;
  FakeApplication application;
  FakeDesktopMenu menu;
  std::ostringstream errorOutput;
  std::string title = "Sorvane";
  std::string version = "1.0.0.0";
  std::vector<std::string> versionReads;
  const std::vector<std::uint8_t> icon = std::vector<std::uint8_t>(40, 1);
};

}  // namespace sorvane
