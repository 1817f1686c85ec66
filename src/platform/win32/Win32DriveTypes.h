#pragma once

#include "platform/DriveType.h"

namespace sorvane {

// The kind of drive by GetDriveTypeA on the root of the volume that holds
// the path ("C:\", a share's "\\server\share\", or the folder a volume is
// mounted on). A relative path names no drive.
class Win32DriveTypes : public DriveTypes {
 public:
  int GetDriveType(const std::string& path) override;
};

}  // namespace sorvane
