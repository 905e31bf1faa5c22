// The bench signature sums up every move list, evaluation and move choice of
// the bench positions: it must equal the line kept in the repository, which
// changes only with an intended change of behaviour.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/engine/engine_process.h"

namespace morvik {

namespace {

// The first line of `text` starting with `label`.
std::string LineOf(const std::string& text, const std::string& label) {
  const size_t at = text.find("\n" + label);
  if (at == std::string::npos) return "";
  return text.substr(at + 1, text.find('\n', at + 1) - at - 1);
}

std::string SignatureLine(const std::string& text) {
  const size_t at = text.find("signature:");
  if (at == std::string::npos) return "";
  return text.substr(at, text.find('\n', at) - at);
}

TEST(BenchSignature, EqualsTheRecordedValue) {
  std::ifstream in(MORVIK_SOURCE_DIR "/tests/engine/bench_signature.txt");
  std::string recorded;
  std::getline(in, recorded);
  ASSERT_FALSE(recorded.empty()) << "no recorded signature";
  const EngineRun run = RunEngine("bench --seconds 0");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(SignatureLine(run.out), recorded);
}

// The moves chosen over the real-game sample, with and without the look-ahead,
// are the same on every vector path the processor offers.
TEST(BenchSignature, GameSampleEqualsTheRecordedValueOnEveryPath) {
  std::ifstream in(MORVIK_SOURCE_DIR "/tests/engine/bench_signature.txt");
  std::string fixed, recorded;
  std::getline(in, fixed);
  std::getline(in, recorded);
  ASSERT_FALSE(recorded.empty()) << "no recorded sample signature";
  for (const char* path : {"sse2", "avx2", "avx512"}) {
    const EngineRun run = RunEngine(std::string("bench --seconds 0 --path ") + path);
    if (run.status != 0) continue;  // a path this processor does not have
    EXPECT_EQ(LineOf(run.out, "sample signature:"), recorded) << path;
    EXPECT_EQ(SignatureLine(run.out), fixed) << path;
  }
}

}  // namespace

}  // namespace morvik
