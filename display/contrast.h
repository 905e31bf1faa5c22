// Legibility of text on a face: the contrast ratio of two colours as
// (L1 + 0.05) / (L2 + 0.05) of their relative luminances, and a face made
// darker or lighter until a caption colour can be read on it.
#pragma once

#include <QColor>

namespace morvik {

inline constexpr double kLegibleContrast = 4.5;

double RelativeLuminance(const QColor& colour);
double ContrastRatio(const QColor& a, const QColor& b);

// `face` itself when `caption` reads on it with at least kLegibleContrast;
// otherwise the nearest shade of it, towards black for a light caption and
// towards white for a dark one, that does.
QColor LegibleFace(const QColor& caption, const QColor& face);

}  // namespace morvik
