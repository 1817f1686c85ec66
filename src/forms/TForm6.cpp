#include "forms/TForm6.h"

#include <algorithm>

namespace sorvane {

void TForm6::SetProgressRange(std::int32_t maximum) {
  maximum_ = std::max<std::int32_t>(maximum, 0);
  // A bar's position never lies outside its range; keep it so, or a
  // position left from a longer load would block FormCloseQuery.
  position_ = std::clamp(position_, 0, maximum_);
  view_.SetProgressRange(maximum_);
}

void TForm6::SetProgressPosition(std::int32_t position) {
  position_ = std::clamp(position, 0, maximum_);
  view_.SetProgressPosition(position_);
}

}  // namespace sorvane
