#include "mainwindow/weight_places.h"

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

struct Attempt {
  bool complete = false;
  std::string problem;
};

// Reads the file in `folder` into the network and says whether it was whole.
Attempt TryFolder(const fs::path& folder) {
  const fs::path path = folder / kFileName;
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (!fs::exists(status)) return {false, "not found"};
  if (!fs::is_regular_file(status)) return {false, "not a regular file"};
  const WeightFileReport report = LoadWeightsFrom(path.c_str());
  if (!report.opened) return {false, "cannot be read"};
  const int weights = report.numbers - report.malformed;
  if (weights < kWeightCount) {
    return {false,
            "only " + WithThousands(weights) + " of " + WithThousands(kWeightCount) + " weights"};
  }
  return {true, {}};
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
  const Attempt working = TryFolder(places.workingFolder);
  if (working.complete) return {places.workingFolder, {}};
  std::string problem = "No complete weight file \"" + std::string(kFileName) +
                        "\" was found, so the computer plays with its missing weights at 0.0.\n\n" +
                        places.workingFolder.string() + ": " + working.problem;
  const fs::path& installed = places.installedFolder;
  if (!installed.empty() && !SameFolder(installed, places.workingFolder)) {
    const Attempt copy = TryFolder(installed);
    if (copy.complete) return {installed, {}};
    problem += "\n" + installed.string() + ": " + copy.problem;
  }
  // Play on with what the working directory holds, as without a search.
  LoadWeightsFrom((places.workingFolder / kFileName).c_str());
  return {{}, problem};
}

}  // namespace morvik
