#include "display/contrast.h"

#include <algorithm>
#include <cmath>

namespace morvik {

namespace {
double Linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

QColor Mix(const QColor& from, const QColor& to, double t) {
  const auto channel = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
  return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()),
                channel(from.blue(), to.blue()));
}
}  // namespace

double RelativeLuminance(const QColor& colour) {
  return 0.2126 * Linear(colour.red()) + 0.7152 * Linear(colour.green()) +
         0.0722 * Linear(colour.blue());
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor LegibleFace(const QColor& caption, const QColor& face) {
  if (ContrastRatio(caption, face) >= kLegibleContrast) return face;
  const QColor target = RelativeLuminance(caption) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
  for (int step = 1; step <= 100; ++step) {
    const QColor shade = Mix(face, target, step / 100.0);
    if (ContrastRatio(caption, shade) >= kLegibleContrast) return shade;
  }
  return target;
}

}  // namespace morvik
