#pragma once

#include <string>

namespace sorvane {

// The kinds of drive as the system numbers them.
enum DriveKind : int {
  DRIVE_UNKNOWN = 0,      // cannot be told
  DRIVE_NO_ROOT_DIR = 1,  // no such root
  DRIVE_REMOVABLE = 2,    // USB stick, SD card
  DRIVE_FIXED = 3,        // local disk
  DRIVE_REMOTE = 4,       // network file system
  DRIVE_CDROM = 5,        // optical disc
  DRIVE_RAMDISK = 6,      // memory
};

// Which kind of drive holds a file.
class DriveTypes {
 public:
  virtual ~DriveTypes() = default;

  // The kind of the drive (the file system) that holds path; DRIVE_UNKNOWN
  // when it cannot be told, DRIVE_NO_ROOT_DIR for a path that names no place
  // on any drive (relative, or missing).
  virtual int GetDriveType(const std::string& path) = 0;
};

}  // namespace sorvane
