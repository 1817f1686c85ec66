#pragma once

#include <string>

namespace sorvane {

// The program's entry in the desktop's application menu: a freedesktop
// desktop entry (a key file) that starts the program and carries the
// uninstall as the desktop action "Deinstallieren".

// The entry's and the icon's file name (without extension) for a program
// whose application title is title: "orvel-" and the title in lower case,
// other characters than letters and digits as "-" ("orvel-sorvane").
std::string DesktopEntryName(const std::string& title);

// One argument of an Exec line: in double quotes, with the characters the
// quoting reserves escaped and "%" doubled, so that the desktop hands the
// program exactly this path whatever it contains.
std::string ExecArgument(const std::string& argument);

// The entry's text: it starts the program with the file that the desktop
// opens with it and offers it for files of mimeType. name and all paths are
// UTF-8.
std::string DesktopEntryText(const std::string& name, const std::string& programPath, const std::string& iconPath,
                             const std::string& uninstallParam, const std::string& mimeType);

// The container files' type in the shared MIME database, and its
// description there (a shared-mime-info package: by name only).
inline constexpr char kContainerMimeType[] = "application/x-zvq";
std::string ContainerMimeInfo();

}  // namespace sorvane
