// Where the game finds its weights: "gammon.pc" in the working directory,
// else the copy installed with the program (<prefix>/share/morvik). When
// neither holds a complete file, the player is told which folders were
// searched and what was wrong with each.
#pragma once

#include <filesystem>
#include <string>

namespace morvik {

struct WeightPlaces {
  std::filesystem::path workingFolder;    // the working directory
  std::filesystem::path installedFolder;  // the installed copy's folder; empty when unknown
};

// The working directory, and the installed folder found from the folder that
// holds the executable.
WeightPlaces ProgramWeightPlaces(const std::filesystem::path& executableFolder);

struct WeightsLoaded {
  std::filesystem::path folder;  // where the complete file was read; empty when none was
  std::string problem;           // what to tell the player; empty when all is well
};

// Sets the program-wide network up with the first complete weight file, each
// file read once. Without one, it takes what the working directory's file
// holds (0.0 for the rest) and `problem` names each folder searched and what
// was wrong there.
WeightsLoaded LoadGameWeights(const WeightPlaces& places);

// "32,840"
std::string WithThousands(int number);

}  // namespace morvik
