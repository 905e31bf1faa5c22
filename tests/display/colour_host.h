// A host window for the colour-settings dialog: its colours, and a count of
// the board redraws the dialog asks for.
#pragma once

#include "display/Unit2.h"

namespace morvik {

class Host : public ColourSettingsHost {
 public:
  BoardColours colours;
  int redraws = 0;
  BoardColours& ColourSettings() override { return colours; }
  void tegnbraet1(QObject*) override { ++redraws; }
};

}  // namespace morvik
