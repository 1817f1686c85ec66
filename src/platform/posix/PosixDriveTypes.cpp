#include "platform/posix/PosixDriveTypes.h"

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <array>
#include <fstream>
#include <sstream>

namespace sorvane {
namespace {

// File systems whose data lies on another machine. FUSE file systems are
// named "fuse.<program>"; only the network ones among them count.
constexpr std::array<std::string_view, 17> kRemote = {
    "nfs",  "nfs4",       "cifs",        "smb",        "smb2",       "smb3",      "smbfs",  "ncpfs", "afs",
    "9p",   "ceph",       "glusterfs",   "fuse.sshfs", "fuse.s3fs",  "fuse.rclone", "davfs", "fuse.davfs"};

bool Contains(const auto& list, std::string_view type) {
  for (std::string_view entry : list) {
    if (entry == type) return true;
  }
  return false;
}

// The file system type of the mount with this device number.
bool FindMount(dev_t device, std::string& type) {
  std::ifstream table("/proc/self/mountinfo");
  const std::string wanted = std::to_string(major(device)) + ":" + std::to_string(minor(device));
  std::string line;
  while (std::getline(table, line)) {
    std::istringstream fields(line);
    std::string id, parent, numbers;
    fields >> id >> parent >> numbers;
    if (numbers != wanted) continue;
    const auto dash = line.find(" - ");
    if (dash == std::string::npos) continue;
    std::istringstream rest(line.substr(dash + 3));
    rest >> type;
    return !type.empty();
  }
  return false;
}

// Whether the block device (or, for a partition, the disk it belongs to) is
// removable.
bool RemovableDevice(dev_t device) {
  const std::string base = "/sys/dev/block/" + std::to_string(major(device)) + ":" + std::to_string(minor(device));
  for (const std::string& file : {base + "/removable", base + "/../removable"}) {
    std::ifstream flag(file);
    int value = 0;
    if (flag >> value) return value == 1;
  }
  return false;
}

}  // namespace

int ClassifyFileSystem(std::string_view type, bool removableDevice) {
  if (type == "iso9660" || type == "udf") return DRIVE_CDROM;
  if (Contains(kRemote, type)) return DRIVE_REMOTE;
  if (type == "tmpfs" || type == "ramfs") return DRIVE_RAMDISK;
  if (type.empty()) return DRIVE_UNKNOWN;
  return removableDevice ? DRIVE_REMOVABLE : DRIVE_FIXED;
}

int PosixDriveTypes::GetDriveType(const std::string& path) {
  if (path.empty() || path.front() != '/') return DRIVE_NO_ROOT_DIR;
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return DRIVE_NO_ROOT_DIR;
  std::string type;
  if (!FindMount(info.st_dev, type)) return DRIVE_UNKNOWN;
  return ClassifyFileSystem(type, RemovableDevice(info.st_dev));
}

}  // namespace sorvane
