// Program entry: the application title, the release notice shown before any
// window, then the main window, shown maximised once its About box is closed.
#pragma once

#include <memory>
#include <string_view>

#include "mainwindow/Unit1.h"

namespace morvik {

inline constexpr char kApplicationTitle[] = "Morvik - Ver. 1.10 Beta";
extern const std::string_view kReleaseNotice;

std::unique_ptr<Tform1> StartProgram(WindowDialogs& dialogs, DiceSource& dice,
                                     const WeightPlaces& weights = ProgramWeightPlaces());

}  // namespace morvik
