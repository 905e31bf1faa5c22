#include "mainwindow/game/weight_places.h"

#include <system_error>

#include "net/network.h"
#include "net/weight_file.h"

namespace morvik {

namespace fs = std::filesystem;

namespace {

const char kFileName[] = "gammon.pc";

// The installed data folder, relative to the folder of the executable when
// both install folders are relative to the prefix.
fs::path InstalledFolder(const fs::path& executableFolder) {
  const fs::path data(MORVIK_INSTALL_DATADIR);
  if (data.is_absolute()) return data / "morvik";
  const fs::path bin(MORVIK_INSTALL_BINDIR);
  if (bin.is_absolute() || executableFolder.empty()) return {};
  fs::path prefix = executableFolder;
  for (const fs::path& part : bin) {
    if (!part.empty() && part != ".") prefix = prefix.parent_path();
  }
  return prefix / data / "morvik";
}

// A folder's file, read once: its values and what was wrong with it.
struct Attempt {
  WeightFileReport report;
  std::string problem;  // empty when the file is complete
};

void TryFolder(const fs::path& folder, float* values, Attempt& attempt) {
  const WeightFileReport& r = attempt.report = ReadWeightFile((folder / kFileName).c_str(), values);
  if (!r.found) {
    attempt.problem = "not found";
  } else if (!r.regular) {
    attempt.problem = "not a regular file";
  } else if (!r.opened) {
    attempt.problem = "cannot be read";
  } else if (!IsComplete(r)) {
    attempt.problem = "only " + WithThousands(r.numbers - r.malformed) + " of " +
                      WithThousands(kWeightCount) + " weights";
  }
}

bool SameFolder(const fs::path& a, const fs::path& b) {
  std::error_code error;
  return fs::equivalent(a, b, error) || a == b;
}

}  // namespace

std::string WithThousands(int number) {
  std::string digits = std::to_string(number);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0 && digits[at - 1] != '-'; at -= 3) {
    digits.insert(static_cast<std::size_t>(at), ",");
  }
  return digits;
}

WeightPlaces ProgramWeightPlaces(const fs::path& executableFolder) {
  std::error_code error;
  return {fs::current_path(error), InstalledFolder(executableFolder)};
}

WeightsLoaded LoadGameWeights(const WeightPlaces& places) {
  // The working directory's values stay for play when no file is complete.
  static float working[kWeightCount];
  static float copy[kWeightCount];
  Attempt first;
  TryFolder(places.workingFolder, working, first);
  if (first.problem.empty()) {
    SetUpProgramNet(working);
    return {places.workingFolder, {}};
  }
  std::string problem = "No complete weight file \"" + std::string(kFileName) +
                        "\" was found, so the computer plays with its missing weights at 0.0.\n\n" +
                        places.workingFolder.string() + ": " + first.problem;
  const fs::path& installed = places.installedFolder;
  if (!installed.empty() && !SameFolder(installed, places.workingFolder)) {
    Attempt second;
    TryFolder(installed, copy, second);
    if (second.problem.empty()) {
      SetUpProgramNet(copy);
      return {installed, {}};
    }
    problem += "\n" + installed.string() + ": " + second.problem;
  }
  // Play on with what the working directory holds, as without a search.
  SetUpProgramNet(working);
  return {{}, problem};
}

}  // namespace morvik
