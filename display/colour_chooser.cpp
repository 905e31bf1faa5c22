#include "display/colour_chooser.h"

#include <QColorDialog>

namespace morvik {

QColor StandardColourChooser::ChooseColour(QWidget* parent, const QColor& current) {
  QColorDialog ColorDialog1(current, parent);
  ColorDialog1.setObjectName(QStringLiteral("ColorDialog1"));
  if (ColorDialog1.exec() != QDialog::Accepted) return current;
  return ColorDialog1.selectedColor();
}

}  // namespace morvik
