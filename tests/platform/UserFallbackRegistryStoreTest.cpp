// The user's fallback for what HKEY_LOCAL_MACHINE refuses, over the
// in-memory store made to refuse the machine's root (or not).

#include "platform/UserFallbackRegistryStore.h"

#include <gtest/gtest.h>

#include "fakes/MemoryRegistryStore.h"
#include "platform/Registry.h"

namespace sorvane {
namespace {

using Names = std::vector<std::string>;
constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;
constexpr char kKey[] = "Software\\Orvel\\Sorvane";

RegistryValue Text(const std::string& text) { return {RegistryType::String, text}; }

class UserFallbackRegistryStoreTest : public ::testing::Test {
 protected:
  std::string Read(RegistryRoot root, const std::string& name) {
    const auto value = fallback.ReadValue(root, kKey, name);
    return value ? value->data : "<none>";
  }

  MemoryRegistryStore inner;
  UserFallbackRegistryStore fallback{inner};
};

TEST_F(UserFallbackRegistryStoreTest, WhatTheMachineRefusesGoesToTheUserAndReadsBackThroughTheMachine) {
  inner.FailMachineWrites(true);
  Registry registry(fallback);
  registry.SetRootKey(kMachine);
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  registry.WriteString("ApplicationFileName", "\"C:/Programme/ZVQExtr.exe\"");
  registry.WriteInteger("UpdateInterval", 7);
  registry.CloseKey();

  EXPECT_FALSE(inner.KeyExists(kMachine, "Software"));
  EXPECT_EQ(inner.ValueNames(kUser, kKey), (Names{"ApplicationFileName", "UpdateInterval"}));
  ASSERT_TRUE(registry.OpenKey(kKey, false));
  EXPECT_EQ(registry.ReadInteger("updateinterval"), 7);
  EXPECT_TRUE(registry.DeleteValue("UpdateInterval"));
  EXPECT_FALSE(registry.ValueExists("UpdateInterval"));
  EXPECT_TRUE(registry.DeleteKey("\\Software\\Orvel\\Sorvane"));
  EXPECT_FALSE(inner.KeyExists(kUser, kKey));
}

// An administrator's earlier run left the machine's values; the account
// without elevation sees them, and its own writes win over them.
TEST_F(UserFallbackRegistryStoreTest, TheUsersCopyHidesTheMachinesValueThatCannotBeOverwritten) {
  inner.CreateKey(kMachine, kKey + std::string("\\Alt"));
  inner.WriteValue(kMachine, kKey, "UpdateInterval", Text("30"));
  inner.WriteValue(kMachine, kKey, "NoUpdate", Text(""));
  inner.FailMachineWrites(true);

  EXPECT_EQ(Read(kMachine, "UpdateInterval"), "30");
  ASSERT_TRUE(fallback.WriteValue(kMachine, kKey, "UpdateInterval", Text("14")));
  EXPECT_EQ(Read(kMachine, "UpdateInterval"), "14");
  EXPECT_EQ(inner.ReadValue(kMachine, kKey, "UpdateInterval")->data, "30");
  fallback.CreateKey(kMachine, kKey + std::string("\\Neu"));
  EXPECT_EQ(fallback.SubKeyNames(kMachine, kKey), (Names{"Alt", "Neu"}));
  EXPECT_EQ(fallback.ValueNames(kMachine, kKey), (Names{"NoUpdate", "UpdateInterval"}));

  // The machine's copy cannot go: the user's is gone, the machine's hidden.
  EXPECT_TRUE(fallback.DeleteValue(kMachine, kKey, "UpdateInterval"));
  EXPECT_EQ(Read(kMachine, "UpdateInterval"), "<none>");
  EXPECT_EQ(inner.ReadValue(kMachine, kKey, "UpdateInterval")->data, "30");
  // The user's own root is never mixed with the machine's.
  EXPECT_EQ(Read(kUser, "NoUpdate"), "<none>");
  EXPECT_EQ(fallback.SubKeyNames(kUser, kKey), (Names{"Ausgeblendete HKLM-Werte", "Neu"}));
}

// An administrator's run chose "never"; the user, without elevation, picks
// an interval on the settings page, which deletes "NoUpdate".
TEST_F(UserFallbackRegistryStoreTest, AMachinesValueTheUserDeletedStaysGoneForTheUserUntilWrittenAgain) {
  inner.CreateKey(kMachine, kKey);
  inner.WriteValue(kMachine, kKey, "NoUpdate", Text(""));
  inner.WriteValue(kMachine, kKey, "Update", Text("alt"));
  inner.FailMachineWrites(true);
  Registry registry(fallback);
  registry.SetRootKey(kMachine);
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  EXPECT_TRUE(registry.DeleteValue("NoUpdate"));
  registry.WriteInteger("UpdateInterval", 14);
  EXPECT_FALSE(registry.ValueExists("NoUpdate"));
  EXPECT_EQ(fallback.ValueNames(kMachine, kKey), (Names{"Update", "UpdateInterval"}));
  EXPECT_EQ(fallback.SubKeyNames(kMachine, kKey), Names{}) << "the mark is no key of the machine's";
  EXPECT_TRUE(inner.ReadValue(kMachine, kKey, "NoUpdate")) << "the machine's other users keep it";

  // "Never" again, now the user's own; the mark has served.
  registry.WriteString("NoUpdate", "");
  EXPECT_TRUE(registry.ValueExists("NoUpdate"));
  EXPECT_FALSE(inner.KeyExists(kUser, kKey + std::string("\\Ausgeblendete HKLM-Werte")));
  EXPECT_TRUE(registry.DeleteValue("NoUpdate"));
  EXPECT_FALSE(registry.ValueExists("NoUpdate"));

  // A later run that may write the machine's root makes its value count.
  inner.FailMachineWrites(false);
  registry.WriteString("NoUpdate", "");
  EXPECT_TRUE(registry.ValueExists("NoUpdate"));
  EXPECT_TRUE(inner.ReadValue(kMachine, kKey, "NoUpdate"));
  EXPECT_FALSE(inner.KeyExists(kUser, kKey + std::string("\\Ausgeblendete HKLM-Werte")));
}

TEST_F(UserFallbackRegistryStoreTest, AWritableMachineTakesTheWriteAndDropsTheUsersOlderCopy) {
  inner.FailMachineWrites(true);
  fallback.CreateKey(kMachine, kKey);
  ASSERT_TRUE(fallback.WriteValue(kMachine, kKey, "Update", Text("alt")));
  inner.FailMachineWrites(false);

  // A key that only the user has is still written there.
  ASSERT_TRUE(fallback.WriteValue(kMachine, kKey, "Update", Text("neu")));
  EXPECT_EQ(inner.ReadValue(kUser, kKey, "Update")->data, "neu");

  fallback.CreateKey(kMachine, kKey);
  ASSERT_TRUE(fallback.WriteValue(kMachine, kKey, "Update", Text("neuer")));
  EXPECT_EQ(inner.ReadValue(kMachine, kKey, "Update")->data, "neuer");
  EXPECT_FALSE(inner.ReadValue(kUser, kKey, "Update"));
  EXPECT_EQ(Read(kMachine, "Update"), "neuer");

  EXPECT_FALSE(fallback.WriteValue(kMachine, "Fehlt", "a", Text("x")));
  fallback.DeleteKey(kMachine, "Software");
  EXPECT_FALSE(inner.KeyExists(kMachine, "Software"));
  EXPECT_FALSE(inner.KeyExists(kUser, "Software"));
}

}  // namespace
}  // namespace sorvane
