#pragma once

#include "platform/FolderBrowser.h"

namespace sorvane {

// The shell's folder browser, SHBrowseForFolderA: the root is parsed through
// the desktop folder, the preselected folder is set once the browser reports
// that it is initialised, and the chosen item's path comes from
// SHGetPathFromIDListA. Items and buffers go back to the shell's allocator.
class Win32FolderBrowser final : public FolderBrowser {
 public:
  std::optional<std::string> Browse(void* owner, const FolderBrowserRequest& request) override;
};

}  // namespace sorvane
