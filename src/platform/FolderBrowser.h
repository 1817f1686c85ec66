#pragma once

#include <memory>
#include <optional>
#include <string>

namespace sorvane {

// What the browser is asked to show. Texts and paths are UTF-8 with "/"
// between folders.
struct FolderBrowserRequest {
  std::string prompt;   // the text above the folder tree
  std::string root;     // where the tree starts; empty: the whole name space
  std::string folder;   // selected when the browser opens; empty: none
  bool editBox = false;       // a field to type a name into
  bool includeFiles = false;  // files in the tree as well
};

// The system's own folder browser, modal to its owner.
class FolderBrowser {
 public:
  virtual ~FolderBrowser() = default;

  // owner is the native handle of the window that owns the browser (null:
  // none); the browser disables it while it runs. The file-system path of the
  // chosen item, or nothing when the user cancelled, chose an item outside
  // the file system, or the browser could not run.
  virtual std::optional<std::string> Browse(void* owner, const FolderBrowserRequest& request) = 0;
};

// The folder browser of systems that have one of their own (Windows' shell).
// GTK brings its own folder dialog; the toolkit's views use that there, and
// this is defined for Windows only.
std::unique_ptr<FolderBrowser> NewFolderBrowser();

}  // namespace sorvane
