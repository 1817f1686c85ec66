// orvelreg as a user runs it: through its process, on a registry folder of
// its own given by ORVEL_REGISTRY_DIR.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "RunProgram.h"
#include "fakes/DamagedRegistryFile.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;
using testing::ProgramResult;

class OrvelregTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "orvelreg-XXXXXX";
    folder_ = ::mkdtemp(pattern.data());
  }
  void TearDown() override { fs::remove_all(folder_); }

  ProgramResult Run(const std::vector<std::string>& arguments) {
    return testing::RunProgram(ORVELREG_BINARY, arguments, "/dev/null", {"ORVEL_REGISTRY_DIR=" + folder_.string()});
  }
  // Runs and expects success.
  std::string Ok(const std::vector<std::string>& arguments) {
    const ProgramResult result = Run(arguments);
    EXPECT_EQ(result.status, 0) << result.err;
    return result.out;
  }

  fs::path folder_;
};

constexpr char kKey[] = "HKLM\\SOFTWARE\\Orvel\\Sorvane";

TEST_F(OrvelregTest, AddsQueriesAndDeletesValuesAndKeys) {
  Ok({"add", kKey, "/v", "OnlyUpdate"});
  Ok({"add", "hkey_local_machine\\software\\orvel\\SORVANE", "/v", "UpdateInterval", "/t", "REG_DWORD", "/d", "0x10"});
  Ok({"add", kKey, "/v", "Update", "/t", "reg_binary", "/d", "0000000000E4e540", "/f"});
  Ok({"add", kKey, "/ve", "/d", "Zürich \"C:\\Programme\""});
  Ok({"add", "HKLM\\SOFTWARE\\Orvel\\Sorvane\\Einstellungen"});
  Ok({"add", "HKCU\\SOFTWARE\\Orvel\\Sorvane", "/v", "UpdateInterval", "/t", "REG_DWORD", "/d", "4294967295"});

  EXPECT_EQ(Ok({"query", kKey}),
            "(Standard)\tREG_SZ\tZürich \"C:\\\\Programme\"\n"
            "OnlyUpdate\tREG_SZ\t\n"
            "Update\tREG_BINARY\t0000000000E4E540\n"
            "UpdateInterval\tREG_DWORD\t16\n"
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvel\\Sorvane\\Einstellungen\n");
  EXPECT_EQ(Ok({"query", "HKEY_CURRENT_USER\\Software\\Orvel\\Sorvane", "updateinterval"}),
            "UpdateInterval\tREG_DWORD\t4294967295\n");

  EXPECT_EQ(Run({"query", kKey, "NoUpdate"}).status, 1);
  EXPECT_EQ(Run({"query", "HKLM\\SOFTWARE\\Fehlt"}).status, 1);
  Ok({"delete", kKey, "/v", "onlyupdate"});
  EXPECT_EQ(Run({"delete", kKey, "/v", "OnlyUpdate"}).status, 1);
  Ok({"delete", "HKLM\\SOFTWARE\\Orvel\\Sorvane"});
  EXPECT_EQ(Run({"query", "HKLM\\SOFTWARE\\Orvel\\Sorvane\\Einstellungen"}).status, 1);
  EXPECT_EQ(Run({"delete", kKey}).status, 1);
  EXPECT_EQ(Ok({"query", "HKLM\\SOFTWARE\\Orvel"}), "");
}

TEST_F(OrvelregTest, QueryEscapesWhatWouldBreakItsLinesApart) {
  Ok({"add", kKey, "/v", "Zwei\nZeilen", "/d", "Tab\there\r\nC:\\neu\\"});
  Ok({"add", "HKLM\\SOFTWARE\\Orvel\\Sorvane\\Mit\tTab"});
  EXPECT_EQ(Ok({"query", kKey}),
            "Zwei\\nZeilen\tREG_SZ\tTab\\there\\r\\nC:\\\\neu\\\\\n"
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvel\\Sorvane\\Mit\\tTab\n");
  EXPECT_NE(Ok({"--help"}).find("\\\\, \\t, \\r und \\n"), std::string::npos);
}

TEST_F(OrvelregTest, ExportsTheTreeInTheRegistryEditorsFormat) {
  Ok({"add", kKey, "/v", "Pfad \"alt\"", "/d", "C:\\Programme\\Zürich"});
  Ok({"add", kKey, "/v", "Zeilen", "/d", "eins\nzwei"});
  Ok({"add", kKey, "/v", "UpdateInterval", "/t", "REG_DWORD", "/d", "7"});
  Ok({"add", kKey, "/v", "Update", "/t", "REG_BINARY", "/d", std::string(60, 'a')});
  Ok({"add", "HKLM\\SOFTWARE\\Orvel\\Sorvane\\Unter", "/ve", "/d", ""});
  Ok({"add", "HKCU\\Leer"});

  EXPECT_EQ(Ok({"export", "HKLM\\software\\orvel"}),
            "REGEDIT4\r\n\r\n"
            // The keys as the registry spells them, not as they were asked for.
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvel]\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvel\\Sorvane]\r\n"
            "\"Pfad \\\"alt\\\"\"=\"C:\\\\Programme\\\\Z\xFCrich\"\r\n"
            // Long data goes on below a trailing backslash; no line is longer than 80.
            "\"Update\"=hex:aa,aa,aa,aa,aa,aa,aa,aa,aa,aa,aa,aa,aa,aa,aa,aa,aa,aa,aa,aa,aa,\\\r\n"
            "  aa,aa,aa,aa,aa,aa,aa,aa,aa\r\n"
            "\"UpdateInterval\"=dword:00000007\r\n"
            // A line break cannot stand between quotes: the text goes as bytes.
            "\"Zeilen\"=hex(1):65,69,6e,73,0a,7a,77,65,69,00\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvel\\Sorvane\\Unter]\r\n"
            "@=\"\"\r\n\r\n");
  const std::string everything = Ok({"export"});
  EXPECT_NE(everything.find("[HKEY_LOCAL_MACHINE]\r\n"), std::string::npos);
  EXPECT_NE(everything.find("[HKEY_CURRENT_USER\\Leer]\r\n"), std::string::npos);
  EXPECT_EQ(Run({"export", "HKCU\\Fehlt"}).status, 1);
}

TEST_F(OrvelregTest, WrongUsageEndsWithStatusTwoAndHelpIsGerman) {
  for (const std::vector<std::string>& wrong : std::vector<std::vector<std::string>>{
           {},
           {"list", kKey},
           {"query"},
           {"query", "HKXX\\SOFTWARE"},
           {"add", kKey, "/v", "a", "/t", "REG_QWORD", "/d", "1"},
           {"add", kKey, "/v", "a", "/t", "REG_DWORD", "/d", "12x"},
           {"add", kKey, "/v", "a", "/t", "REG_DWORD", "/d", "4294967296"},
           {"add", kKey, "/v", "a", "/t", "REG_BINARY", "/d", "ABC"},
           {"add", kKey, "/d", "ohne Namen"},
           {"add", kKey, "/v"},
           {"delete", "HKLM"},
           {"delete", kKey, "/x"},
           {"query", kKey, "a", "b"}}) {
    const ProgramResult result = Run(wrong);
    EXPECT_EQ(result.status, 2) << ::testing::PrintToString(wrong);
    EXPECT_NE(result.err.find("orvelreg --help"), std::string::npos) << result.err;
  }
  EXPECT_FALSE(fs::exists(folder_ / "registry.sqlite3"));  // nothing was written on the way

  const std::string help = Ok({"--help"});
  EXPECT_NE(help.find("Aufruf: orvelreg"), std::string::npos);
  EXPECT_NE(help.find("Exit-Status: 0 erledigt; 1 der Schlüssel oder Wert fehlt; 2 falscher Aufruf"), std::string::npos);
  EXPECT_EQ(Ok({"--version"}), "orvelreg 1.0.0\n");
}

TEST_F(OrvelregTest, ADamagedRegistryIsNamedNotTakenForAMissingKey) {
  const std::string bytes = MakeDamagedRegistryFile(folder_.string());
  for (const std::vector<std::string>& use : std::vector<std::vector<std::string>>{
           {"query", "HKCU\\SOFTWARE\\Orvel\\Sorvane"}, {"query", kKey}, {"add", kKey, "/v", "OnlyUpdate"}, {"export"}}) {
    const ProgramResult result = Run(use);
    EXPECT_EQ(result.status, 3) << use[0];
    EXPECT_EQ(result.err, "orvelreg: Die Registrierung " + (folder_ / "registry.sqlite3").string() +
                              " ist beschädigt; sie bleibt unverändert.\n");
  }
  std::ostringstream now;
  now << std::ifstream(folder_ / "registry.sqlite3", std::ios::binary).rdbuf();
  EXPECT_TRUE(now.str() == bytes) << "the damaged file was written";
}

TEST_F(OrvelregTest, AFileThatIsNoRegistryIsReportedAndKept) {
  std::ofstream(folder_ / "registry.sqlite3") << "Notizen\n";
  const ProgramResult result = Run({"add", kKey, "/v", "OnlyUpdate"});
  EXPECT_EQ(result.status, 3);
  EXPECT_NE(result.err.find("keine Registrierungsdatenbank"), std::string::npos) << result.err;
  std::ifstream in(folder_ / "registry.sqlite3");
  std::ostringstream bytes;
  bytes << in.rdbuf();
  EXPECT_EQ(bytes.str(), "Notizen\n");
}

}  // namespace
}  // namespace sorvane
