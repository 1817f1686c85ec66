#include "SetupFixture.h"

namespace sorvane {
namespace {

std::string RootName(RegistryRoot root) { return root == RegistryRoot::LocalMachine ? "HKLM" : "HKCU"; }

}  // namespace

void LoggingRegistryStore::DeleteKey(RegistryRoot root, const std::string& key) {
  changes.push_back("deletekey " + RootName(root) + ":" + key);
  MemoryRegistryStore::DeleteKey(root, key);
}

bool LoggingRegistryStore::WriteValue(RegistryRoot root, const std::string& key, const std::string& name,
                                      const RegistryValue& value) {
  changes.push_back("set " + RootName(root) + ":" + key + "|" + name);
  return MemoryRegistryStore::WriteValue(root, key, name, value);
}

bool LoggingRegistryStore::DeleteValue(RegistryRoot root, const std::string& key, const std::string& name) {
  const bool existed = MemoryRegistryStore::DeleteValue(root, key, name);
  if (existed) changes.push_back("delete " + RootName(root) + ":" + key + "|" + name);
  return existed;
}

void LoggingRegistryStore::Put(RegistryRoot root, const std::string& key, const std::string& name,
                               const std::string& text) {
  MemoryRegistryStore::CreateKey(root, key);
  MemoryRegistryStore::WriteValue(root, key, name, {RegistryType::String, text});
}

std::optional<std::string> LoggingRegistryStore::Get(RegistryRoot root, const std::string& key,
                                                     const std::string& name) {
  const auto value = ReadValue(root, key, name);
  if (!value) return std::nullopt;
  return value->data;
}

std::unique_ptr<TOrvelSetup> SetupFixture::Start(const std::string& firstArgument) {
  SetupServices services{*registry, dialogs, codePage, application, menu,
                         [this](const std::string& path) {
                           versionReads.push_back(path);
                           return version;
                         },
                         firstArgument, title, kProgramPath, icon, &errorOutput};
  return std::make_unique<TOrvelSetup>(services);
}

}  // namespace sorvane
