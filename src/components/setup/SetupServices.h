#pragma once

#include <cstdint>
#include <functional>
#include <iostream>
#include <span>
#include <string>

#include "platform/ApplicationControl.h"
#include "platform/CodePage.h"
#include "platform/DesktopMenu.h"
#include "platform/Dialogs.h"
#include "platform/RegistryStore.h"

namespace sorvane {

// The version text of a program file ("" when it has none).
using FileVersionReader = std::function<std::string(const std::string& path)>;

// What the setup component needs of the system and of the running program.
// The references must outlive the component.
struct SetupServices {
  RegistryStore& registry;
  Dialogs& dialogs;
  CodePage& codePage;
  ApplicationControl& application;
  DesktopMenu& desktopMenu;
  FileVersionReader readFileVersion;
  // The first command-line argument, "" when there is none.
  std::string firstArgument;
  // The application title (Windows-1252) and the running program's file
  // (UTF-8, as the system's own programs read it from the registry:
  // ProgramFile::NativeProgramPath).
  std::string applicationTitle;
  std::string programPath;
  // The program's 32 × 32 icon as PNG, for the desktop menu.
  std::span<const std::uint8_t> iconPng;
  // Where a failure that does not stop the start is noted in one line.
  std::ostream* errorOutput = &std::cerr;
};

}  // namespace sorvane
