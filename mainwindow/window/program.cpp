#include "mainwindow/window/program.h"

#include <QCoreApplication>

#include "display/application_title.h"
#include "display/fonts.h"

namespace morvik {

const std::string_view kReleaseNotice =
    "PLEASE READ ABOUT THE NEW FEATURES: The changes from previously released versions (1.00 "
    "Alpha and 1.01 Beta) are as follows:  Improved checker-movement - first in the bearoff, "
    "which was previously quite troublesome, and second in the long-distance (i.e. using both "
    "dice on one checker) moving of checkers (though only for non-doublets). Possibility of "
    "imporved performance due to a new limited one-ply-lookahead feature, but note that this per "
    "default is DISABLED, and that enabling this ability will slow down the decision-process for "
    "the neural net considerably. This may be intolerable especially if you are not using an "
    "up-to-date processor - such as pt. Pentium II 233Mhz w. at least 32Mb RAM. The limitation "
    "in the look-ahead will possibly be adjustable in coming versions, and will thus allow you "
    "to set an an acceptable level for your computer. Finally, the manual roll-dice and "
    "ok-click for each move can be automated in this version, but enabling these will sometimes "
    "lead to the dice only being shown instantaneously, and several moves made very fast, when "
    "the human player has no moves to play (such as being on the bar with no "
    "entry-possibility). This has been encountered by adding a history-list of all previous "
    "dice-rolls and moves, so that the game can be followed anyway.";

WeightPlaces ProgramWeightPlaces() {
  return ProgramWeightPlaces(QCoreApplication::applicationDirPath().toStdString());
}

std::unique_ptr<Tform1> StartProgram(WindowDialogs& dialogs, DiceSource& dice,
                                     const WeightPlaces& weights) {
  SetApplicationTitle(QString::fromUtf8(kApplicationTitle));
  InstallFontSubstitutes();
  dialogs.Inform(kReleaseNotice);
  const WeightsLoaded loaded = LoadGameWeights(weights);
  auto form = std::make_unique<Tform1>(dialogs, dice, loaded.problem);
  form->showMaximized();
  return form;
}

}  // namespace morvik
