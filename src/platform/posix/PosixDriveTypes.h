#pragma once

#include <string>
#include <string_view>

#include "platform/DriveType.h"

namespace sorvane {

// The kind of drive on Linux: the file system that holds the file decides.
// Its type and device come from /proc/self/mountinfo (the mount whose device
// number is the file's), the removable flag from /sys/dev/block.
class PosixDriveTypes : public DriveTypes {
 public:
  int GetDriveType(const std::string& path) override;
};

// The kind of a file system by its type as the mount table names it
// ("ext4", "nfs4", "fuse.sshfs"), and whether its block device is removable.
// Removable devices count as removable unless they hold an optical disc's
// file system; optical file systems as CD-ROM; network file systems as
// remote; tmpfs and ramfs as RAM disk; every other local one as fixed.
int ClassifyFileSystem(std::string_view type, bool removableDevice);

}  // namespace sorvane
