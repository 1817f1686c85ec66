#pragma once

#include <cstdint>
#include <span>

#include "forms/LogoStrip.h"
#include "platform/BitmapResources.h"

namespace sorvane {

// The pictures the program carries, drawn at build time (MakeProgramArt).

// The program's icon, 32 × 32: the main window's, the About box's and the
// desktop menu's.
const IconPicture& ProgramIcon();
std::span<const std::uint8_t> ProgramIconPng();

// The program's bitmap resources: "LOGO", the maker's logo.
class EmbeddedBitmaps : public BitmapResources {
 public:
  Picture LoadBitmap(const std::string& name) override;
};

}  // namespace sorvane
