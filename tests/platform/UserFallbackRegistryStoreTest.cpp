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

  // The machine's copy cannot go: the refusal is reported, the user's is gone.
  EXPECT_THROW(fallback.DeleteValue(kMachine, kKey, "UpdateInterval"), ERegistryException);
  EXPECT_EQ(Read(kMachine, "UpdateInterval"), "30");
  // The user's own root is never mixed with the machine's.
  EXPECT_EQ(Read(kUser, "NoUpdate"), "<none>");
  EXPECT_EQ(fallback.SubKeyNames(kUser, kKey), Names{"Neu"});
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
