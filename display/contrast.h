// Legibility of text on a face: the contrast ratio of two colours as
// (L1 + 0.05) / (L2 + 0.05) of their relative luminances, and a face made
// darker or lighter until a caption colour can be read on it.
#pragma once

#include <QColor>

class QPushButton;

namespace morvik {

inline constexpr double kLegibleContrast = 4.5;

double RelativeLuminance(const QColor& colour);
double ContrastRatio(const QColor& a, const QColor& b);

// `face` itself when `caption` reads on it with at least kLegibleContrast;
// otherwise the nearest shade of it, towards black for a light caption and
// towards white for a dark one, that does.
QColor LegibleFace(const QColor& caption, const QColor& face);

// The colour of `button`'s face, drawn by its style with `face` as the
// palette's button colour, on which `caption` reads worst: styles shade the
// face (a gradient, lighter under the mouse), so the palette's colour alone
// does not tell.
QColor DrawnButtonFace(const QPushButton& button, const QColor& face, const QColor& caption);

// The palette colour nearest to `face` on which the drawn face carries
// `caption` with at least kLegibleContrast.
QColor LegibleButtonFace(const QPushButton& button, const QColor& caption, const QColor& face);

}  // namespace morvik
