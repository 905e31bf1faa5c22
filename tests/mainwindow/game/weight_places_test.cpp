// Where the game finds its weights: the working directory first, then the
// installed copy; without a complete file, what was wrong in each folder.
#include "mainwindow/game/weight_places.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <random>

#include "net/network.h"

namespace morvik {

namespace fs = std::filesystem;

namespace {

enum class Content { kMissing, kComplete, kEmpty, kShort, kFolder, kBinary };

// Writes "gammon.pc" in `folder` as `content` says; complete and short files
// hold `value` in every line.
void Make(const fs::path& folder, Content content, float value) {
  const fs::path file = folder / "gammon.pc";
  fs::create_directories(folder);
  if (content == Content::kMissing) return;
  if (content == Content::kFolder) {
    fs::create_directory(file);
    return;
  }
  std::ofstream out(file, std::ios::binary);
  if (content == Content::kBinary) {
    std::mt19937 bytes(7);
    for (int i = 0; i < 200000; ++i) out.put(static_cast<char>(bytes() & 0xFF));
    return;
  }
  const int lines = content == Content::kComplete ? kWeightCount
                    : content == Content::kShort  ? 1234
                                                  : 0;
  for (int i = 0; i < lines; ++i) out << value << "\r\n";
}

float FirstWeight() {
  return NetWeights[0][0][0];
}

class WeightPlacesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUpProgramNet(nullptr);
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    root_ = fs::temp_directory_path() /
            ("morvik-weights-" + std::to_string(::getpid()) + "-" + test->name());
    fs::remove_all(root_);
    places_ = {root_ / "work", root_ / "prefix" / "share" / "morvik"};
  }
  void TearDown() override { fs::remove_all(root_); }

  fs::path root_;
  WeightPlaces places_;
};

TEST_F(WeightPlacesTest, CompleteFileInTheWorkingDirectoryIsReadWithoutAMessage) {
  Make(places_.workingFolder, Content::kComplete, 0.25f);
  Make(places_.installedFolder, Content::kComplete, 0.75f);
  const WeightsLoaded loaded = LoadGameWeights(places_);
  EXPECT_EQ(loaded.folder, places_.workingFolder);
  EXPECT_EQ(loaded.problem, "");
  EXPECT_EQ(FirstWeight(), 0.25f);
  EXPECT_EQ(NetWeights[2][0][39], 0.25f);
}

TEST_F(WeightPlacesTest, InstalledCopyStandsInForAnUnusableWorkingFile) {
  for (Content working :
       {Content::kMissing, Content::kEmpty, Content::kShort, Content::kFolder, Content::kBinary}) {
    fs::remove_all(root_);
    Make(places_.workingFolder, working, 0.25f);
    Make(places_.installedFolder, Content::kComplete, 0.75f);
    const WeightsLoaded loaded = LoadGameWeights(places_);
    EXPECT_EQ(loaded.folder, places_.installedFolder) << int(working);
    EXPECT_EQ(loaded.problem, "") << int(working);
    EXPECT_EQ(FirstWeight(), 0.75f) << int(working);
  }
}

TEST_F(WeightPlacesTest, WithoutACompleteFileEachFolderIsNamedWithWhatWasWrong) {
  struct Case {
    Content working;
    Content installed;
    std::string workingProblem;
    std::string installedProblem;
    float firstWeight;  // what play goes on with: the working directory's file
  };
  const Case cases[] = {
      {Content::kMissing, Content::kMissing, "not found", "not found", 0.0f},
      {Content::kEmpty, Content::kMissing, "only 0 of 32,840 weights", "not found", 0.0f},
      {Content::kShort, Content::kEmpty, "only 1,234 of 32,840 weights", "only 0 of 32,840 weights",
       0.25f},
      {Content::kFolder, Content::kShort, "not a regular file", "only 1,234 of 32,840 weights",
       0.0f},
  };
  for (const Case& c : cases) {
    fs::remove_all(root_);
    Make(places_.workingFolder, c.working, 0.25f);
    Make(places_.installedFolder, c.installed, 0.75f);
    const WeightsLoaded loaded = LoadGameWeights(places_);
    EXPECT_TRUE(loaded.folder.empty());
    const std::string& text = loaded.problem;
    EXPECT_TRUE(text.starts_with("No complete weight file \"gammon.pc\" was found")) << text;
    EXPECT_NE(text.find(places_.workingFolder.string() + ": " + c.workingProblem + "\n"),
              std::string::npos)
        << text;
    EXPECT_TRUE(text.ends_with(places_.installedFolder.string() + ": " + c.installedProblem))
        << text;
    EXPECT_EQ(FirstWeight(), c.firstWeight) << text;
  }
}

TEST_F(WeightPlacesTest, BinaryFileIsShortOfWeights) {
  Make(places_.workingFolder, Content::kBinary, 0.0f);
  places_.installedFolder.clear();
  const WeightsLoaded loaded = LoadGameWeights(places_);
  EXPECT_NE(loaded.problem.find(places_.workingFolder.string() + ": only "), std::string::npos);
  EXPECT_TRUE(loaded.problem.ends_with(" of 32,840 weights")) << loaded.problem;
}

TEST_F(WeightPlacesTest, OneFolderIsSearchedOnce) {
  places_.installedFolder = places_.workingFolder;
  Make(places_.workingFolder, Content::kShort, 0.25f);
  const std::string text = LoadGameWeights(places_).problem;
  EXPECT_TRUE(text.ends_with(places_.workingFolder.string() + ": only 1,234 of 32,840 weights"));
  EXPECT_EQ(text.find(places_.workingFolder.string()), text.rfind(places_.workingFolder.string()));
}

TEST(WeightPlaces, InstalledFolderLiesBesideTheExecutablesFolder) {
  const WeightPlaces places = ProgramWeightPlaces("/opt/morvik/bin");
  EXPECT_EQ(places.installedFolder, fs::path("/opt/morvik/share/morvik"));
  EXPECT_EQ(places.workingFolder, fs::current_path());
}

TEST(WeightPlaces, NumbersWithThousands) {
  const std::pair<int, const char*> cases[] = {
      {0, "0"}, {999, "999"}, {1234, "1,234"}, {32840, "32,840"}, {1234567, "1,234,567"}};
  for (const auto& [number, text] : cases) EXPECT_EQ(WithThousands(number), text);
}

}  // namespace

}  // namespace morvik
