#pragma once

#include "platform/CodePage.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Locale.h"
#include "platform/PictureDecoder.h"
#include "platform/ProgramFile.h"
#include "platform/Shell.h"
#include "platform/SystemFolders.h"

namespace sorvane {

// The system services the wizard's windows use, handed in by the program's
// start (real ones) or by tests (fakes). They outlive the windows.
struct WizardServices {
  FileSystem& files;
  Dialogs& dialogs;
  Shell& shell;
  SystemFolders& systemFolders;
  Locale& locale;
  CodePage& codePage;
  ProgramFile& programFile;
  PictureDecoder& pictureDecoder;
};

}  // namespace sorvane
