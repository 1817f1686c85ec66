#pragma once

#include <string>

#include "platform/DesktopMenu.h"

namespace sorvane {

// The desktop menu of the freedesktop desktops: entries in
// <data>/applications/, icons in <data>/icons/hicolor/32x32/apps/, where
// <data> is $XDG_DATA_HOME, else ~/.local/share. Missing folders are made
// (mode 0700 for the data folder itself, as the base directory rules ask,
// 0755 below it). Files are written beside their place and renamed over it,
// so a menu never reads half an entry and a link planted under the name is
// replaced, not written through.
class PosixDesktopMenu : public DesktopMenu {
 public:
  // dataHome: the data folder; empty takes it from the environment.
  explicit PosixDesktopMenu(std::string dataHome = {});

  std::string IconPath(const std::string& name) override;
  // Both keep the applications folder's mimeinfo.cache current with
  // update-desktop-database, which is how gio finds the program for a type.
  void Install(const std::string& name, const std::string& entryText, std::span<const std::uint8_t> iconPng) override;
  void Remove(const std::string& name) override;
  // The package goes to <data>/mime/packages/name.xml and the icon to
  // <data>/icons/hicolor/32x32/mimetypes/ under the type's icon name; the
  // database is rebuilt with update-mime-database, but only when the
  // package changed, since every start registers again.
  void InstallFileType(const std::string& name, const std::string& mimeType, const std::string& mimeInfo,
                       std::span<const std::uint8_t> iconPng) override;
  void RemoveFileType(const std::string& name, const std::string& mimeType) override;

  std::string EntryPath(const std::string& name);
  std::string MimePackagePath(const std::string& name);
  std::string FileTypeIconPath(const std::string& mimeType);

 private:
  std::string DataHome();

  std::string dataHome_;
};

}  // namespace sorvane
