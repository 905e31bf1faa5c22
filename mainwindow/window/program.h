// Program entry: the application title, the release notice shown before any
// window, then the main window, shown maximised once its About box is closed.
#pragma once

#include <memory>
#include <string_view>

#include "mainwindow/game/weight_places.h"
#include "mainwindow/window/Unit1.h"

namespace morvik {

inline constexpr char kApplicationTitle[] = "Morvik - Ver. 1.10 Beta";
extern const std::string_view kReleaseNotice;

// The working directory and the installed folder beside this executable.
WeightPlaces ProgramWeightPlaces();

// The title, the notice, the network with its weights (the first complete
// "gammon.pc" of `weights`), then the main window, which reports a missing or
// incomplete file before its About box.
std::unique_ptr<Tform1> StartProgram(WindowDialogs& dialogs, DiceSource& dice,
                                     const WeightPlaces& weights = ProgramWeightPlaces());

}  // namespace morvik
