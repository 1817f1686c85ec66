#include "components/update/UpdateComponentRig.h"

#include <stdlib.h>

#include <cstring>
#include <filesystem>

#include "platform/Cp1252CodePage.h"
#include "platform/posix/UserRegistry.h"

namespace sorvane {

UpdateComponentServices UpdateComponentRig::Services() {
  return UpdateComponentServices{NetServices{network, clock, pump, files},
                                 owner,
                                 *registry,
                                 program,
                                 drive,
                                 calendar,
                                 codePage,
                                 files,
                                 resources,
                                 kSystem};
}

std::unique_ptr<TOrvelUpdateFile> UpdateComponentRig::Start() {
  auto component = std::make_unique<TOrvelUpdateFile>(owner, Services());
  ApplyMainWindowValues(*component);
  component->ZIPFileName = "ZVQ2.zip";
  return component;
}

void UpdateComponentRig::UseSqliteStore() {
  std::string pattern = (std::filesystem::temp_directory_path() / "update-registry-XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  sqliteFolder = pattern;
  ::setenv("ORVEL_REGISTRY_DIR", sqliteFolder.c_str(), 1);
  sqlite = OpenUserRegistryStore();
  ::unsetenv("ORVEL_REGISTRY_DIR");
  registry = sqlite.get();
}

void UpdateComponentRig::TearDown() {
  sqlite.reset();
  if (!sqliteFolder.empty()) std::filesystem::remove_all(sqliteFolder);
}

void UpdateComponentRig::PutValue(const std::string& name, RegistryType type, const std::string& data) {
  registry->CreateKey(RegistryRoot::LocalMachine, kKey);
  registry->WriteValue(RegistryRoot::LocalMachine, kKey, name, RegistryValue{type, data});
}

void UpdateComponentRig::PutUpdate(double date) {
  std::string bytes(8, '\0');
  std::uint64_t bits = 0;
  std::memcpy(&bits, &date, sizeof bits);
  for (int i = 0; i < 8; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>(bits >> (8 * i));
  PutValue("Update", RegistryType::Binary, bytes);
}

std::optional<RegistryValue> UpdateComponentRig::Value(const std::string& name, RegistryRoot root) {
  return registry->ReadValue(root, kKey, name);
}

std::string UpdateComponentRig::Utf8Value(const std::string& name) {
  const auto value = Value(name);
  if (!value) return "(none)";
  return value->utf8 ? value->data : Cp1252CodePage().AnsiToUtf8(value->data);
}

}  // namespace sorvane
