#include <gtest/gtest.h>

#include <ctime>

#include "platform/DateConversion.h"
#include "platform/posix/PosixCalendar.h"
#include "platform/posix/PosixDriveTypes.h"

namespace sorvane {
namespace {

TEST(PosixDriveTypesTest, FileSystemsByKind) {
  const struct {
    const char* type;
    bool removable;
    int kind;
  } cases[] = {
      {"ext4", false, DRIVE_FIXED},       {"ext4", true, DRIVE_REMOVABLE}, {"vfat", true, DRIVE_REMOVABLE},
      {"btrfs", false, DRIVE_FIXED},      {"overlay", false, DRIVE_FIXED}, {"iso9660", true, DRIVE_CDROM},
      {"udf", false, DRIVE_CDROM},        {"nfs", false, DRIVE_REMOTE},    {"nfs4", false, DRIVE_REMOTE},
      {"cifs", false, DRIVE_REMOTE},      {"smb3", false, DRIVE_REMOTE},   {"fuse.sshfs", false, DRIVE_REMOTE},
      {"fuse.ntfs-3g", true, DRIVE_REMOVABLE}, {"tmpfs", false, DRIVE_RAMDISK}, {"ramfs", false, DRIVE_RAMDISK},
      {"", false, DRIVE_UNKNOWN},
  };
  for (const auto& c : cases) EXPECT_EQ(ClassifyFileSystem(c.type, c.removable), c.kind) << c.type;
}

TEST(PosixDriveTypesTest, RealPaths) {
  PosixDriveTypes drives;
  EXPECT_EQ(drives.GetDriveType("/dev/shm"), DRIVE_RAMDISK);
  EXPECT_EQ(drives.GetDriveType("relative/path"), DRIVE_NO_ROOT_DIR);
  EXPECT_EQ(drives.GetDriveType("/no/such/file/here"), DRIVE_NO_ROOT_DIR);
  // This test program lies on some local or network disk of the build.
  const int own = drives.GetDriveType("/proc/self/exe");
  EXPECT_TRUE(own >= DRIVE_REMOVABLE && own <= DRIVE_RAMDISK) << own;
}

TEST(PosixCalendarTest, FileDatesTakeTwoSecondStepsWithinDosYears) {
  std::tm moment{};
  moment.tm_year = 2024 - 1900;
  moment.tm_mon = 1;
  moment.tm_mday = 29;
  moment.tm_hour = 13;
  moment.tm_min = 7;
  moment.tm_sec = 59;
  moment.tm_isdst = -1;
  const double expected = *TryEncodeDate(2024, 2, 29) + (13 * 3600 + 7 * 60 + 58) / 86400.0;
  EXPECT_DOUBLE_EQ(DosDateTimeOf(std::mktime(&moment)), expected);
  // Outside the DOS years: the nearest moment inside, never 0.
  moment.tm_year = 1979 - 1900;
  EXPECT_DOUBLE_EQ(DosDateTimeOf(std::mktime(&moment)), *TryEncodeDate(1980, 1, 1));
  moment.tm_year = 2200 - 1900;
  EXPECT_DOUBLE_EQ(DosDateTimeOf(std::mktime(&moment)), *TryEncodeDate(2107, 12, 31) + 86398 / 86400.0);
  EXPECT_DOUBLE_EQ(DosDateTimeOf(0), *TryEncodeDate(1980, 1, 1));

  PosixCalendar calendar;
  const double today = calendar.Today();
  EXPECT_EQ(today, static_cast<double>(static_cast<long>(today)));
  EXPECT_GE(calendar.Now(), today);
  EXPECT_LT(calendar.Now(), today + 1);
  EXPECT_FALSE(calendar.FileDate("/no/such/file"));
}

}  // namespace
}  // namespace sorvane
