#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace sorvane {

// The desktop's application menu: where a Linux user finds installed
// programs (freedesktop desktop entries with their icons in the user's data
// folder), as the uninstall list is on Windows.
class DesktopMenu {
 public:
  virtual ~DesktopMenu() = default;

  // The full path under which Install puts the 32 × 32 icon of the entry
  // named name.
  virtual std::string IconPath(const std::string& name) = 0;

  // Writes the icon (PNG bytes) and then the entry text as name.desktop,
  // replacing earlier ones. Throws EFCreateError "Datei %s kann nicht
  // erstellt werden" with the file that failed.
  virtual void Install(const std::string& name, const std::string& entryText,
                       std::span<const std::uint8_t> iconPng) = 0;

  // Removes the entry and its icon; missing files are no error.
  virtual void Remove(const std::string& name) = 0;

  // Enters the file type mimeType, described by mimeInfo (a shared-mime-info
  // package), under name in the MIME database, with iconPng as the icon of
  // its files, so that the file manager shows such files with it and opens
  // them with the entry that names the type. Replaces an earlier one; throws
  // EFCreateError as Install does.
  virtual void InstallFileType(const std::string& name, const std::string& mimeType, const std::string& mimeInfo,
                               std::span<const std::uint8_t> iconPng) = 0;

  // Removes what InstallFileType wrote; missing files are no error.
  virtual void RemoveFileType(const std::string& name, const std::string& mimeType) = 0;
};

}  // namespace sorvane
