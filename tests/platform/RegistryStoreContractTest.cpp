// The promises of every registry store (RegistryStoreContract.h), here on
// the in-memory store the other tests rely on; the programs of the real
// stores instantiate them too.

#include "RegistryStoreContract.h"

#include "fakes/MemoryRegistryStore.h"
#include "platform/Registry.h"

namespace sorvane {
namespace {

using Names = std::vector<std::string>;
constexpr RegistryRoot kMachine = RegistryRoot::LocalMachine;
constexpr RegistryRoot kUser = RegistryRoot::CurrentUser;

StorePlace MemoryPlace() { return {std::make_unique<MemoryRegistryStore>(), [] {}}; }

TEST_P(RegistryStoreContractTest, NamesMatchWithoutCaseAndKeepTheirFirstSpelling) {
  Store().CreateKey(kMachine, "SOFTWARE\\Orvel\\Sorvane");
  Store().CreateKey(kMachine, "software\\ORVEL\\Neu");
  EXPECT_TRUE(Store().KeyExists(kMachine, "Software\\orvel\\SORVANE"));
  EXPECT_EQ(Store().SubKeyNames(kMachine, ""), Names{"SOFTWARE"});
  EXPECT_EQ(Store().SubKeyNames(kMachine, "SOFTWARE\\orvel"), (Names{"Neu", "Sorvane"}));

  ASSERT_TRUE(Store().WriteValue(kMachine, "software\\orvel\\sorvane", "NoUpdate", {RegistryType::String, "alt"}));
  ASSERT_TRUE(Store().WriteValue(kMachine, "SOFTWARE\\Orvel\\Sorvane", "NOUPDATE", {RegistryType::DWord, std::string("\1\0\0\0", 4)}));
  EXPECT_EQ(Store().ValueNames(kMachine, "SOFTWARE\\Orvel\\Sorvane"), Names{"NoUpdate"});
  const auto value = Store().ReadValue(kMachine, "SOFTWARE\\Orvel\\Sorvane", "noupdate");
  ASSERT_TRUE(value);
  EXPECT_EQ(value->type, RegistryType::DWord);
  EXPECT_EQ(value->data, std::string("\1\0\0\0", 4));
  // "Ä" and "ä" are one name only where the store folds umlauts.
  Store().CreateKey(kMachine, "\xC4");
  EXPECT_EQ(Store().KeyExists(kMachine, "\xE4"), place.foldsUmlauts);
}

TEST_P(RegistryStoreContractTest, TheTwoRootsAreSeparateTrees) {
  Store().CreateKey(kMachine, "SOFTWARE\\Orvel");
  ASSERT_TRUE(Store().WriteValue(kMachine, "SOFTWARE\\Orvel", "Wert", {RegistryType::String, "m"}));
  EXPECT_FALSE(Store().KeyExists(kUser, "SOFTWARE"));
  EXPECT_FALSE(Store().WriteValue(kUser, "SOFTWARE\\Orvel", "Wert", {RegistryType::String, "u"}));
  EXPECT_FALSE(Store().ReadValue(kUser, "SOFTWARE\\Orvel", "Wert"));
  EXPECT_TRUE(Store().KeyExists(kUser, ""));
}

TEST_P(RegistryStoreContractTest, DeletingAKeyTakesEverythingBelowItAndNothingBeside) {
  for (const char* key : {"U\\Sorvane\\Einst\\Tief", "U\\Sorvane2", "U\\Sorvane Alt", "U\\Sorvanf"})
    Store().CreateKey(kMachine, key);
  ASSERT_TRUE(Store().WriteValue(kMachine, "U\\Sorvane\\Einst\\Tief", "a", {RegistryType::String, "1"}));
  ASSERT_TRUE(Store().WriteValue(kMachine, "U\\Sorvane", "b", {RegistryType::String, "2"}));
  ASSERT_TRUE(Store().WriteValue(kMachine, "U\\Sorvane2", "c", {RegistryType::String, "3"}));

  Store().DeleteKey(kMachine, "u\\SORVANE");
  EXPECT_FALSE(Store().KeyExists(kMachine, "U\\Sorvane"));
  EXPECT_FALSE(Store().KeyExists(kMachine, "U\\Sorvane\\Einst\\Tief"));
  EXPECT_EQ(Store().SubKeyNames(kMachine, "U"), (Names{"Sorvane Alt", "Sorvane2", "Sorvanf"}));
  EXPECT_TRUE(Store().ReadValue(kMachine, "U\\Sorvane2", "c"));
  // A key made again under the old name starts empty.
  Store().CreateKey(kMachine, "U\\Sorvane\\Einst\\Tief");
  EXPECT_EQ(Store().ValueNames(kMachine, "U\\Sorvane\\Einst\\Tief"), Names{});
  EXPECT_EQ(Store().ValueNames(kMachine, "U\\Sorvane"), Names{});
  Store().DeleteKey(kMachine, "U\\Fehlt");  // a missing key is no error
  Store().DeleteKey(kMachine, "");          // nor is the root, which stays
  EXPECT_TRUE(Store().KeyExists(kMachine, "U"));
}

TEST_P(RegistryStoreContractTest, ValuesKeepTheirTypeAndEveryByte) {
  Store().CreateKey(kUser, "K");
  // Bytes that a text format would have to quote: a quote, a backslash, a
  // line break, an umlaut (Windows-1252), a NUL, a byte that is no UTF-8.
  const std::string awkward = std::string("Pfad \"C:\\Programme\"\r\nZ\xFCrich ") + '\0' + "\xFF\x81'";
  const std::string awkwardName = "Name \"mit\\\" \n\xC4rger;--'";
  ASSERT_TRUE(Store().WriteValue(kUser, "K", awkwardName, {RegistryType::String, awkward}));
  ASSERT_TRUE(Store().WriteValue(kUser, "K", "", {RegistryType::Binary, ""}));
  ASSERT_TRUE(Store().WriteValue(kUser, "K", "Update", {RegistryType::Binary, std::string("\0\0\0\0\x80\xE4\xE5@", 8)}));
  Store().CreateKey(kUser, "K\\Schl\xFCssel \"'\n");

  EXPECT_EQ(Store().ValueNames(kUser, "K"), (Names{"", awkwardName, "Update"}));
  EXPECT_EQ(Store().ReadValue(kUser, "K", awkwardName)->data, awkward);
  EXPECT_EQ(Store().ReadValue(kUser, "K", "")->type, RegistryType::Binary);
  EXPECT_EQ(Store().ReadValue(kUser, "K", "")->data, "");
  EXPECT_EQ(Store().ReadValue(kUser, "K", "UPDATE")->data, std::string("\0\0\0\0\x80\xE4\xE5@", 8));
  EXPECT_EQ(Store().SubKeyNames(kUser, "K"), Names{"Schl\xFCssel \"'\n"});
  // Nothing else appeared on the way.
  EXPECT_EQ(Store().SubKeyNames(kUser, ""), Names{"K"});
}

TEST_P(RegistryStoreContractTest, WritesAndDeletesReportWhatWasNotThere) {
  EXPECT_FALSE(Store().WriteValue(kUser, "Fehlt", "a", {RegistryType::String, "x"}));
  EXPECT_FALSE(Store().KeyExists(kUser, "Fehlt"));
  // An empty part in a key name is refused rather than made into a key.
  EXPECT_THROW(Store().CreateKey(kUser, "Da\\\\Leer"), ERegistryException);
  EXPECT_EQ(Store().SubKeyNames(kUser, ""), Names{});
  Store().CreateKey(kUser, "Da");
  EXPECT_FALSE(Store().DeleteValue(kUser, "Da", "a"));
  ASSERT_TRUE(Store().WriteValue(kUser, "Da", "a", {RegistryType::String, "x"}));
  EXPECT_TRUE(Store().DeleteValue(kUser, "DA", "A"));
  EXPECT_FALSE(Store().ReadValue(kUser, "Da", "a"));
  EXPECT_FALSE(Store().DeleteValue(kUser, "Da", "a"));
}

// The registry object over each store: what the program's units see.
TEST_P(RegistryStoreContractTest, RegistryObjectReadsBackTypedValuesAndNamesItsErrors) {
  Registry registry(Store());
  EXPECT_EQ(registry.RootKey(), kUser);
  registry.SetRootKey(kMachine);
  EXPECT_FALSE(registry.OpenKey("\\Software\\Orvel\\Sorvane", false));
  EXPECT_THROW(registry.WriteString("DisplayName", "x"), ERegistryException);
  ASSERT_TRUE(registry.OpenKey("\\Software\\Orvel\\Sorvane", true));
  registry.WriteString("ApplicationFileName", "\"/opt/sorvane\"");
  registry.WriteInteger("UpdateInterval", 365);
  registry.WriteBinaryData("Update", std::string(8, '\x01'));
  registry.CloseKey();

  ASSERT_TRUE(registry.OpenKey("SOFTWARE\\ORVEL\\SORVANE", false));
  EXPECT_EQ(registry.ReadString("applicationfilename"), "\"/opt/sorvane\"");
  EXPECT_EQ(registry.GetDataSize("ApplicationFileName"), 15);  // with the NUL
  EXPECT_EQ(registry.ReadInteger("UpdateInterval"), 365);
  EXPECT_EQ(registry.GetDataType("Update"), RegistryType::Binary);
  EXPECT_EQ(registry.GetDataSize("Update"), 8);
  try {
    registry.ReadInteger("Update");
    FAIL() << "a binary value read as a number";
  } catch (const ERegistryException& e) {
    EXPECT_STREQ(e.what(), "Ungültiger Datentyp für 'Update'");
  }
  EXPECT_TRUE(registry.KeyExists("\\SOFTWARE\\Orvel"));
  EXPECT_TRUE(registry.DeleteKey("\\SOFTWARE\\Orvel\\Sorvane"));
  EXPECT_FALSE(registry.KeyExists("\\SOFTWARE\\Orvel\\Sorvane"));
}

INSTANTIATE_TEST_SUITE_P(Memory, RegistryStoreContractTest, ::testing::Values(&MemoryPlace), StoreName);

}  // namespace
}  // namespace sorvane
