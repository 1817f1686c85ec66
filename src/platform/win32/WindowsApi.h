#pragma once

// <windows.h> for the Win32 services, without the macros whose names clash
// with the platform interfaces: the ANSI/wide switches DeleteFile,
// GetDriveType, GetFileVersionInfo(Size) and VerQueryValue would rename our
// own members, and the DRIVE_* constants would break DriveType.h's enum
// (which carries the same numbers).

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#undef DeleteFile
#undef GetDriveType
#undef GetFileVersionInfo
#undef GetFileVersionInfoSize
#undef VerQueryValue
#undef DRIVE_UNKNOWN
#undef DRIVE_NO_ROOT_DIR
#undef DRIVE_REMOVABLE
#undef DRIVE_FIXED
#undef DRIVE_REMOTE
#undef DRIVE_CDROM
#undef DRIVE_RAMDISK
