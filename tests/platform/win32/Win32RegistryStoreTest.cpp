// The registry promises on the real registry under Wine, both roots mapped
// below a private key of HKEY_CURRENT_USER that each test removes again, and
// what other programs read of the values written.

#include "platform/win32/Win32RegistryStore.h"

#include <windows.h>
#include <sddl.h>

#include <atomic>
#include <memory>
#include <string>

#include "../RegistryStoreContract.h"
#include "platform/NativeServices.h"
#include "platform/Registry.h"
#include "platform/UserFallbackRegistryStore.h"

namespace sorvane {
namespace {

constexpr char kTestsKey[] = "Software\\Orvel\\Tests";

// A key of this test's own below HKEY_CURRENT_USER\Software\Orvel\Tests.
std::string PrivateKey() {
  static std::atomic<int> counter{0};
  return std::string(kTestsKey) + "\\registry-" + std::to_string(GetCurrentProcessId()) + "-" +
         std::to_string(counter++);
}

// Removes the private key, then its parents while they are empty (a key with
// subkeys is refused by RegDeleteKeyA, so another program's keys stay).
void RemoveKey(const std::string& key) {
  RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, kTestsKey);
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Orvel");
}

StorePlace Win32Place() {
  const std::string key = PrivateKey();
  return {std::make_unique<Win32RegistryStore>(key), [key] { RemoveKey(key); }, true};
}

INSTANTIATE_TEST_SUITE_P(Win32, RegistryStoreContractTest, ::testing::Values(&Win32Place), StoreName);

// The real HKEY_CURRENT_USER, read back by the system's own calls as the
// registry editor and the system's program list read it.
TEST(Win32RegistryStoreTest, ValuesAreStoredAsTheRegistryKeepsThemForOtherPrograms) {
  const std::string key = PrivateKey();
  Win32RegistryStore store;
  store.CreateKey(RegistryRoot::CurrentUser, key);
  Registry registry(store);
  ASSERT_TRUE(registry.OpenKey("\\" + key, false));
  registry.WriteString("DisplayName", "Sorvane f\xFCr Z\xFCrich");
  registry.WriteInteger("NoModify", 1);
  // A path keeps the letters that Windows-1252 lacks.
  registry.WritePath("DisplayIcon", "C:\\Programme\\Sorvane \xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1 \xE6\x9D\xB1\xE4\xBA\xAC");

  HKEY opened = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &opened), ERROR_SUCCESS);
  char text[64] = {};
  DWORD type = 0, size = sizeof text;
  EXPECT_EQ(RegQueryValueExA(opened, "displayname", nullptr, &type, reinterpret_cast<BYTE*>(text), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(std::string(text, size), std::string("Sorvane f\xFCr Z\xFCrich", 18) + '\0') << "with its NUL";
  DWORD number = 0;
  size = sizeof number;
  EXPECT_EQ(RegQueryValueExA(opened, "NoModify", nullptr, &type, reinterpret_cast<BYTE*>(&number), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(number, 1u);
  wchar_t path[64] = {};
  size = sizeof path;
  EXPECT_EQ(RegQueryValueExW(opened, L"DisplayIcon", nullptr, &type, reinterpret_cast<BYTE*>(path), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(std::wstring(path), L"C:\\Programme\\Sorvane \u03A9\u03BC\u03AD\u03B3\u03B1 \u6771\u4EAC");
  RegCloseKey(opened);

  EXPECT_TRUE(registry.DeleteKey("\\" + key));
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &opened), ERROR_SUCCESS);
  RemoveKey(key);
}

// HKEY_LOCAL_MACHINE\HARDWARE takes no lasting subkeys, a refusal that Wine
// makes as Windows does: the program's own store then writes the key below
// HKEY_CURRENT_USER and finds it there through the machine's root.
TEST(Win32RegistryStoreTest, WhatTheMachineRefusesTheUsersRegistryKeepsInstead) {
  const std::string key = "HARDWARE\\Sorvane-" + std::to_string(GetCurrentProcessId());
  try {
    Win32RegistryStore().CreateKey(RegistryRoot::LocalMachine, key);
    ADD_FAILURE() << "HKEY_LOCAL_MACHINE\\HARDWARE took a lasting key";
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str());
  } catch (const ERegistryException& refused) {
    EXPECT_NE(std::string(refused.what()).find("HKEY_LOCAL_MACHINE\\" + key), std::string::npos) << refused.what();
  }

  const auto store = OpenUserRegistryStore();
  Registry registry(*store);
  registry.SetRootKey(RegistryRoot::LocalMachine);
  ASSERT_TRUE(registry.OpenKey("\\" + key, true));
  registry.WriteString("DisplayName", "Sorvane");
  registry.CloseKey();
  ASSERT_TRUE(registry.OpenKey("\\" + key, false));
  EXPECT_EQ(registry.ReadString("DisplayName"), "Sorvane");
  HKEY opened = nullptr;
  EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &opened), ERROR_SUCCESS);
  RegCloseKey(opened);

  EXPECT_TRUE(registry.DeleteKey("\\" + key));
  RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
  RegDeleteKeyA(HKEY_CURRENT_USER, "HARDWARE");  // made by this test; refused if anything else is in it
}

// Gives key below HKEY_CURRENT_USER the access list in SDDL; the owner may
// always change it back.
void SetAccess(const std::string& key, const char* sddl) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor, nullptr));
  HKEY opened = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, WRITE_DAC, &opened), ERROR_SUCCESS);
  EXPECT_EQ(RegSetKeySecurity(opened, DACL_SECURITY_INFORMATION, descriptor), ERROR_SUCCESS);
  RegCloseKey(opened);
  LocalFree(descriptor);
}

// The machine's key of a private pair of roots denies everyone the setting
// of values (KEY_SET_VALUE, 0x2), as HKEY_LOCAL_MACHINE denies an account
// without elevation: "NoUpdate" that the user deletes there reads as gone
// for the user, marked below the user's root, while the machine keeps it.
TEST(Win32RegistryStoreTest, AMachinesValueThatCannotBeDeletedIsHiddenFromTheUser) {
  constexpr char kKey[] = "Software\\Orvel\\Sorvane";
  const std::string key = PrivateKey();
  Win32RegistryStore roots(key);
  roots.CreateKey(RegistryRoot::LocalMachine, kKey);
  roots.WriteValue(RegistryRoot::LocalMachine, kKey, "NoUpdate", {RegistryType::String, ""});
  const std::string machineKey = key + "\\LocalMachine\\" + kKey;
  SetAccess(machineKey, "D:(D;;0x2;;;WD)(A;;KA;;;WD)");
  EXPECT_THROW(roots.DeleteValue(RegistryRoot::LocalMachine, kKey, "NoUpdate"), ERegistryException);

  UserFallbackRegistryStore fallback(roots);
  Registry registry(fallback);
  registry.SetRootKey(RegistryRoot::LocalMachine);
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  EXPECT_TRUE(registry.DeleteValue("NoUpdate"));
  registry.WriteInteger("UpdateInterval", 14);
  EXPECT_FALSE(registry.ValueExists("NoUpdate"));
  EXPECT_FALSE(registry.DeleteValue("Fehlt")) << "a refusal for a value the machine lacks marks nothing";
  EXPECT_EQ(fallback.ValueNames(RegistryRoot::LocalMachine, kKey), std::vector<std::string>{"UpdateInterval"});

  const std::string mark = std::string(kKey) + "\\" + UserFallbackRegistryStore::kHiddenKey;
  EXPECT_EQ(roots.ValueNames(RegistryRoot::CurrentUser, mark), std::vector<std::string>{"NoUpdate"});
  EXPECT_TRUE(roots.ReadValue(RegistryRoot::LocalMachine, kKey, "NoUpdate"));

  SetAccess(machineKey, "D:(A;;KA;;;WD)");
  RemoveKey(key);
}

}  // namespace
}  // namespace sorvane
