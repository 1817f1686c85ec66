#include "forms/TForm5.h"

#include <utility>

#include "forms/PictureFile.h"

namespace sorvane {

void TForm5::FormCreate() { view_.SetDoubleBuffered(true); }

void TForm5::ClearPicture() {
  image_ = Picture{};
  view_.SetPicture(image_);
}

void TForm5::LoadPictureFromFile(const std::string& path) {
  // Decode first: a file that fails must leave the shown picture alone.
  Picture loaded = LoadPicture(decoder_, path);
  image_ = std::move(loaded);
  view_.SetPicture(image_);
}

}  // namespace sorvane
