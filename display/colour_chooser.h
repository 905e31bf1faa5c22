// The standard colour chooser behind an interface, so that tests can answer it.
#pragma once

#include <QColor>

class QWidget;

namespace morvik {

class ColourChooser {
 public:
  virtual ~ColourChooser() = default;
  // Runs the chooser (modal), preset to `current`. Returns the chosen colour,
  // or `current` when the user cancels.
  virtual QColor ChooseColour(QWidget* parent, const QColor& current) = 0;
};

// The platform's own chooser: solid colours only, any colour allowed.
class StandardColourChooser : public ColourChooser {
 public:
  QColor ChooseColour(QWidget* parent, const QColor& current) override;
};

}  // namespace morvik
