// The bench signature sums up every move list, evaluation and move choice of
// the bench positions: it must equal the line kept in the repository, which
// changes only with an intended change of behaviour.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "tests/engine/engine_process.h"

namespace morvik {

namespace {

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

}  // namespace

}  // namespace morvik
