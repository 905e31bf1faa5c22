#include "headless/baseline.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "rules/enumerate.h"
#include "rules/game_result.h"
#include "rules/primitives.h"

namespace morvik {

namespace {
bool ReadVector(const std::string& path, double (&out)[kBaselineInputs], std::string& error) {
  std::FILE* file = std::fopen(path.c_str(), "r");
  if (file == nullptr) {
    error = "cannot open " + path;
    return false;
  }
  int n = 0;
  while (n < kBaselineInputs && std::fscanf(file, "%lf", &out[n]) == 1) ++n;
  std::fclose(file);
  if (n < kBaselineInputs) {
    error = path + " holds " + std::to_string(n) + " numbers, expected 122";
    return false;
  }
  return true;
}
}  // namespace

std::string DefaultBaselineDir() {
  // An installed program finds the copy installed beside it.
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    const std::filesystem::path installed =
        program.parent_path() / MORVIK_BIN_TO_DATA / "morvik" / "pubeval";
    if (std::filesystem::is_regular_file(installed / "contact.txt", error)) return installed;
  }
  return std::string(MORVIK_TREE_DATA_DIR) + "/pubeval";
}

bool LoadBaseline(const std::string& dir, BaselineWeights& weights, std::string& error) {
  return ReadVector(dir + "/contact.txt", weights.contact, error) &&
         ReadVector(dir + "/race.txt", weights.race, error);
}

bool IsRace(const SideBoard& own, const SideBoard& opponent) {
  int ownHighest = 0;
  for (int r = 1; r <= kBarRow; ++r) {
    if (own.Occupied(r)) ownHighest = r;
  }
  // The opposing checker lowest in the mover's numbering: the opposing bar
  // counts as 0, its row q as the mover's point 25 - q.
  int opponentLowest = 26;
  for (int q = kBarRow; q >= 1; --q) {
    if (!opponent.Occupied(q)) continue;
    opponentLowest = (q == kBarRow) ? 0 : 25 - q;
    break;
  }
  return ownHighest < opponentLowest;
}

void BaselineInputs(const SideBoard& own, const SideBoard& opponent, double (&x)[kBaselineInputs]) {
  for (double& v : x) v = 0.0;
  for (int b = 0; b < 24; ++b) {
    const int p = 24 - b;
    const int n = CountCheckers(own, p) - CountCheckers(opponent, 25 - p);
    double* block = x + 5 * b;
    if (n == -1) block[0] = 1.0;
    if (n == 1) block[1] = 1.0;
    if (n >= 2) block[2] = 1.0;
    if (n == 3) block[3] = 1.0;
    if (n >= 4) block[4] = (n - 3) / 2.0;
  }
  x[120] = CountCheckers(opponent, kBarRow) / 2.0;
  x[121] = CountCheckers(own, kOffRow) / 15.0;
}

double BaselineScore(const double (&w)[kBaselineInputs], const SideBoard& own,
                     const SideBoard& opponent) {
  double x[kBaselineInputs];
  BaselineInputs(own, opponent, x);
  double score = 0.0;
  for (int i = 0; i < kBaselineInputs; ++i) score += w[i] * x[i];
  return score;
}

int ChooseBaselineMove(const BaselineWeights& weights, SideBoard& own, SideBoard& opponent,
                       const MoveList& list) {
  const auto& w = IsRace(own, opponent) ? weights.race : weights.contact;
  int best = -1;
  double bestScore = 0.0;
  for (int i = 0; i < list.count; ++i) {
    ApplyEntry(own, opponent, list[i]);
    const bool wins = AllBorneOff(own);
    const double score = wins ? 0.0 : BaselineScore(w, own, opponent);
    UndoEntry(own, opponent, list[i]);
    if (wins) return i;
    if (best < 0 || score > bestScore) {
      best = i;
      bestScore = score;
    }
  }
  return best;
}

}  // namespace morvik
