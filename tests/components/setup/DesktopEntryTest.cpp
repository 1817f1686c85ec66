// The desktop menu entry: quoting of awkward paths, and the real menu's
// files checked by desktop-file-validate.
#include <gtest/gtest.h>
#include <pwd.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <thread>

#include "components/setup/DesktopEntry.h"
#include "platform/Errors.h"
#include "platform/posix/PosixDesktopMenu.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;

TEST(DesktopEntryTest, ExecQuotingKeepsEveryReservedCharacterLiteral) {
  EXPECT_EQ(ExecArgument("/opt/a b/sorvane"), "\"/opt/a b/sorvane\"");
  EXPECT_EQ(ExecArgument("/x/\"$HOME`id`\\100%"), "\"/x/\\\"\\$HOME\\`id\\`\\\\100%%\"");
  // The key file escapes the quoting's backslashes once more.
  const std::string text = DesktopEntryText("Sorvane", "/x/a\\b", "/i.png", "/uninstall", "application/x-zvq");
  EXPECT_NE(text.find("\nExec=\"/x/a\\\\\\\\b\" %f\n"), std::string::npos) << text;
  EXPECT_EQ(DesktopEntryName("Sorvane"), "orvel-sorvane");
  EXPECT_EQ(DesktopEntryName("Mein Tool 2"), "orvel-mein-tool-2");
}

class PosixDesktopMenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/sorvane-menu-XXXXXX";
    root_ = mkdtemp(pattern);
  }
  void TearDown() override { fs::remove_all(root_); }

  static int Validate(const std::string& path) {
    return std::system((std::string(DESKTOP_FILE_VALIDATE) + " '" + path + "' >&2").c_str());
  }

  fs::path root_;
};

TEST_F(PosixDesktopMenuTest, WritesAValidEntryAndRemovesItAgain) {
  PosixDesktopMenu menu((root_ / "data").string());
  const std::string program = (root_ / "Pro gramm $1 \"x\" 50%" / "sorvane").string();
  const std::string icon = menu.IconPath("orvel-sorvane");
  EXPECT_EQ(icon, (root_ / "data/icons/hicolor/32x32/apps/orvel-sorvane.png").string());
  const std::uint8_t png[] = {0x89, 'P', 'N', 'G'};
  const std::string text = DesktopEntryText("Sorvane", program, icon, "/uninstall", kContainerMimeType);
  menu.Install("orvel-sorvane", text, png);
  const std::string entry = menu.EntryPath("orvel-sorvane");
  EXPECT_EQ(fs::file_size(icon), sizeof png);
  EXPECT_EQ(Validate(entry), 0);
  struct stat info {};
  ASSERT_EQ(stat((root_ / "data").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);

  // A link planted under the entry's name is replaced, not written through.
  fs::remove(entry);
  fs::create_symlink(root_ / "target", entry);
  menu.Install("orvel-sorvane", text, png);
  EXPECT_FALSE(fs::is_symlink(entry));
  EXPECT_FALSE(fs::exists(root_ / "target"));

  // The file type goes through the real MIME database.
  menu.InstallFileType("orvel-sorvane", kContainerMimeType, ContainerMimeInfo(), png);
  const fs::path known = root_ / "data/mime/application/x-zvq.xml";
  EXPECT_TRUE(fs::exists(known)) << "update-mime-database did not take the package";
  EXPECT_EQ(fs::file_size(root_ / "data/icons/hicolor/32x32/mimetypes/application-x-zvq.png"), sizeof png);

  menu.Remove("orvel-sorvane");
  menu.RemoveFileType("orvel-sorvane", kContainerMimeType);
  EXPECT_FALSE(fs::exists(entry));
  EXPECT_FALSE(fs::exists(icon));
  EXPECT_FALSE(fs::exists(known));
  EXPECT_FALSE(fs::exists(root_ / "data/icons/hicolor/32x32/mimetypes/application-x-zvq.png"));
  EXPECT_TRUE(fs::exists(root_ / "data/applications")) << "folders stay";
  menu.Remove("orvel-sorvane");
  menu.RemoveFileType("orvel-sorvane", kContainerMimeType);
}

std::string Contents(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The portable folder's registration as GNOME's file manager uses it: gio
// open, with no display and no session bus, starts the entry's program.
TEST_F(PosixDesktopMenuTest, GioOpensAContainerWithTheRegisteredProgramUntilTheUninstall) {
  PosixDesktopMenu menu((root_ / "data").string());
  const fs::path program = root_ / "Pro gramm $1" / "sorvane";
  const fs::path mark = root_ / "mark";
  fs::create_directories(program.parent_path());
  std::ofstream(program) << "#!/bin/sh\nprintf '%s' \"$1\" > '" << mark.string() << ".neu'\nmv '" << mark.string()
                         << ".neu' '" << mark.string() << "'\n";
  fs::permissions(program, fs::perms::owner_all);
  const std::uint8_t png[] = {0x89, 'P', 'N', 'G'};
  const std::string text =
      DesktopEntryText("Sorvane", program.string(), menu.IconPath("orvel-sorvane"), "/uninstall", kContainerMimeType);
  menu.Install("orvel-sorvane", text, png);
  menu.InstallFileType("orvel-sorvane", kContainerMimeType, ContainerMimeInfo(), png);

  const fs::path container = root_ / "Kurs 1.zvq";
  std::ofstream(container, std::ios::binary) << std::string("\x02\x00\x00\x00\x01\x00\x00\x00\xff", 9);
  const std::string gio = "env -u DISPLAY -u WAYLAND_DISPLAY -u DBUS_SESSION_BUS_ADDRESS HOME='" + root_.string() +
                          "' XDG_DATA_HOME='" + (root_ / "data").string() + "' XDG_CONFIG_HOME='" +
                          (root_ / "config").string() + "' " GIO " open '" + container.string() + "' >&2";
  ASSERT_EQ(std::system(gio.c_str()), 0);
  for (int i = 0; i < 100 && !fs::exists(mark); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_EQ(Contents(mark), container.string());

  const fs::path cache = root_ / "data/applications/mimeinfo.cache";
  EXPECT_NE(Contents(cache).find("application/x-zvq=orvel-sorvane.desktop;"), std::string::npos);
  menu.Remove("orvel-sorvane");
  EXPECT_TRUE(fs::exists(cache));
  EXPECT_EQ(Contents(cache).find("orvel-sorvane"), std::string::npos) << Contents(cache);
}

TEST_F(PosixDesktopMenuTest, AnUnwritableFolderIsACreateError) {
  std::ofstream(root_ / "data") << "a file, not a folder";
  PosixDesktopMenu menu((root_ / "data").string());
  try {
    menu.Install("orvel-sorvane", "[Desktop Entry]\n", {});
    FAIL() << "expected EFCreateError";
  } catch (const EFCreateError& failure) {
    EXPECT_EQ(std::string(failure.what()),
              "Datei " + (root_ / "data/icons/hicolor/32x32/apps/orvel-sorvane.png").string() +
                  " kann nicht erstellt werden");
  }
}

TEST_F(PosixDesktopMenuTest, WithoutHomeTheUserDatabaseNamesTheFolder) {
  std::optional<std::string> saved[2];
  const char* names[] = {"HOME", "XDG_DATA_HOME"};
  for (int i = 0; i < 2; ++i) {
    if (const char* value = std::getenv(names[i])) saved[i] = value;
    unsetenv(names[i]);
  }
  const passwd* entry = getpwuid(geteuid());
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(PosixDesktopMenu().IconPath("orvel-sorvane"),
            std::string(entry->pw_dir) + "/.local/share/icons/hicolor/32x32/apps/orvel-sorvane.png");
  for (int i = 0; i < 2; ++i) saved[i] ? (void)setenv(names[i], saved[i]->c_str(), 1) : (void)unsetenv(names[i]);
}

}  // namespace
}  // namespace sorvane
