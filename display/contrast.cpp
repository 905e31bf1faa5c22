#include "display/contrast.h"

#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
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

QColor Darkest(const QColor& caption) {
  return RelativeLuminance(caption) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
}

// The caption's worst contrast over the face's inner area, 4 pixels in from
// the frame, drawn plain and under the mouse.
QColor WorstFacePixel(const QPushButton& button, const QColor& face, const QColor& caption) {
  QColor worst = face;
  double worstRatio = 22.0;
  for (const bool hovered : {false, true}) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.rect = QRect(QPoint(0, 0), button.size());
    option.palette.setColor(QPalette::Button, face);
    option.state |= QStyle::State_Raised;
    if (hovered) option.state |= QStyle::State_MouseOver;
    if (button.isDefault()) option.features |= QStyleOptionButton::DefaultButton;
    QImage image(button.size(), QImage::Format_RGB32);
    image.fill(button.palette().color(QPalette::Window));
    {
      QPainter painter(&image);
      button.style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, &button);
    }
    for (int y = 4; y < image.height() - 4; ++y) {
      for (int x = 4; x < image.width() - 4; ++x) {
        const QColor pixel = image.pixelColor(x, y);
        const double ratio = ContrastRatio(caption, pixel);
        if (ratio < worstRatio) {
          worstRatio = ratio;
          worst = pixel;
        }
      }
    }
  }
  return worst;
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
  const QColor target = Darkest(caption);
  for (int step = 1; step <= 100; ++step) {
    const QColor shade = Mix(face, target, step / 100.0);
    if (ContrastRatio(caption, shade) >= kLegibleContrast) return shade;
  }
  return target;
}

QColor DrawnButtonFace(const QPushButton& button, const QColor& face, const QColor& caption) {
  return WorstFacePixel(button, face, caption);
}

QColor LegibleButtonFace(const QPushButton& button, const QColor& caption, const QColor& face) {
  const QColor target = Darkest(caption);
  for (int step = 0; step <= 100; ++step) {
    const QColor shade = Mix(face, target, step / 100.0);
    if (ContrastRatio(caption, WorstFacePixel(button, shade, caption)) >= kLegibleContrast) {
      return shade;
    }
  }
  return target;
}

}  // namespace morvik
