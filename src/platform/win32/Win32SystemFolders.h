#pragma once

#include "platform/SystemFolders.h"

namespace sorvane {

// The user's temporary folder as the system names it (GetTempPathA: TMP,
// TEMP, the user's profile), in "/" form with a trailing "/". Windows gives
// every user one below the profile, which others cannot write, so it is used
// as it stands; a folder the variables name but nobody made is made.
class Win32SystemFolders : public SystemFolders {
 public:
  // Throws Exception kTempFolderNotCreated when there is none and none can
  // be made.
  std::string TempPath() override;
};

}  // namespace sorvane
