#include "forms/BlendColor.h"

namespace sorvane {
namespace {

int BlendChannel(int from, int to, int position, int range) {
  // C++ division truncates toward zero, as the blend needs.
  return from + ((to - from) * position) / range;
}

}  // namespace

Color BlendColor(Color from, Color to, int position, int range) {
  if (range <= 0) return from;
  return MakeColor(BlendChannel(RedOf(from), RedOf(to), position, range),
                   BlendChannel(GreenOf(from), GreenOf(to), position, range),
                   BlendChannel(BlueOf(from), BlueOf(to), position, range));
}

}  // namespace sorvane
