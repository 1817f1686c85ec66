#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

#include "OrvelUpdate.h"
#include "components/update/UpdateInstallation.h"
#include "platform/NativeServices.h"

namespace sorvane::orvelupdate {
namespace {

namespace fs = std::filesystem;

class OrvelUpdateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = fs::temp_directory_path() / ("orvelupdate-" + std::to_string(::getpid()));
    fs::create_directories(folder);
  }
  void TearDown() override { fs::remove_all(folder); }

  std::string Template(const std::string& text) {
    const std::string path = (folder / "Update.bat").string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  int Run(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), "orvelupdate");
    std::vector<const char*> argv;
    for (const auto& argument : arguments) argv.push_back(argument.c_str());
    out.str("");
    err.str("");
    Services services{out, err, out};
    return RunOrvelUpdate(static_cast<int>(argv.size()), argv.data(), services);
  }

  fs::path folder;
  std::ostringstream out, err;
};

TEST_F(OrvelUpdateTest, TemplatePrintsTheScriptTheInstallationSaves) {
  const std::string text = "# neu\r\ncp %s\r\nls %s\r\nmv %s %s\r\n";
  const std::string path = Template(text);
  EXPECT_EQ(Run({"template", path, "--program", "/opt/Prog//sorvane", "--temp", "/tmp/t//"}), kDone);
  EXPECT_EQ(out.str(), BuildUpdateScript(text, {"/opt/Prog/", "/tmp/t/", "/opt/Prog//sorvane"}, true, *NewScriptDialect()));
  EXPECT_EQ(err.str(), "");

  EXPECT_EQ(Run({"template", path, "--program", "sorvane", "--temp", "/", "--no-restart"}), kDone);
  EXPECT_EQ(out.str(), BuildUpdateScript(text, {"./", "/", "sorvane"}, false, *NewScriptDialect()));
}

TEST_F(OrvelUpdateTest, TemplateWarnsOfFoldersInDoubleQuotesButIsStillDone) {
  // Batch files (CR LF) need their folders in double quotes: nothing to warn of there.
  if (std::string(NewScriptDialect()->LineEnd()) != "\n") GTEST_SKIP() << "no shell";
  const std::string text =
      "echo \"zuerst %s\"\n"  // a group's first line is copied, not formatted
      "cp \"%s\"sorvane /x\n"
      "ls '%0:s' \"a\" %0:s \\\"%0:s\\\"\n"  // single quotes, closed quotes, escaped quotes
      "mv \"%1:s\" %0:s\n"
      " echo \"50%% in %-5.3s\" # \"%0:s\"\n";  // the tail; a comment runs nothing
  EXPECT_EQ(Run({"template", Template(text), "--program", "/opt/$(id)/sorvane", "--temp", "/t"}), kDone);
  EXPECT_FALSE(out.str().empty());
  const auto warning = [](int line, const std::string& specifier) {
    return "orvelupdate: Warnung: Zeile " + std::to_string(line) + " setzt " + specifier +
           " in doppelte Anführungszeichen, in denen die Shell den Ordner noch einmal auswertet; den Platzhalter "
           "ohne Anführungszeichen schreiben.\n";
  };
  EXPECT_EQ(err.str(), warning(2, "%s") + warning(4, "%1:s") + warning(5, "%-5.3s"));
}

TEST_F(OrvelUpdateTest, RefusedTemplateGivesTheProgramsMessage) {
  EXPECT_EQ(Run({"template", Template(""), "--program", "/p/s", "--temp", "/t"}), kRefused);
  EXPECT_EQ(err.str(), "orvelupdate: Listenindex überschreitet das Maximum (0)\n");
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(Run({"template", Template(" echo %d"), "--program", "/p/s", "--temp", "/t"}), kRefused);
  EXPECT_EQ(err.str(), "orvelupdate: Format ' echo %d' ungültig oder nicht kompatibel mit Argument.\n");
  EXPECT_EQ(Run({"template", (folder / "missing").string(), "--program", "/p/s", "--temp", "/t"}), kRefused);
  EXPECT_NE(err.str().find("kann nicht geöffnet werden"), std::string::npos);
}

TEST_F(OrvelUpdateTest, UsageErrorsAndHelp) {
  // German throughout, the parser's detail included.
  const std::string more = ".\nMehr dazu zeigt \"orvelupdate --help\".\n";
  EXPECT_EQ(Run({}), kUsage);
  EXPECT_EQ(err.str(), "orvelupdate: Eine nötige Angabe fehlt (ein Befehl fehlt)" + more);
  EXPECT_EQ(Run({"template", Template("x")}), kUsage);
  EXPECT_EQ(err.str(), "orvelupdate: Eine nötige Angabe fehlt (--program fehlt)" + more);
  EXPECT_EQ(Run({"template", "a", "b", "--program", "p", "--temp", "t"}), kUsage);
  EXPECT_EQ(err.str(), "orvelupdate: Unerwartete Angaben (nicht erwartet: b)" + more);
  EXPECT_EQ(Run({"--help"}), kDone);
  EXPECT_NE(out.str().find("Exit-Status"), std::string::npos);
}

}  // namespace
}  // namespace sorvane::orvelupdate
