#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "net/net_exp.h"
#include "net/net_simd.h"

namespace morvik {

namespace {

TEST(NetExp, WithinOneUnitInTheLastPlaceOfTheLibraryExponential) {
  std::mt19937_64 rng(3);
  std::uniform_real_distribution<double> u(-40.0, 105.0);
  for (int i = 0; i < 200000; ++i) {
    const double x = u(rng);
    const double mine = NetExp(x);
    const double lib = std::exp(x);
    ASSERT_LE(std::fabs(mine - lib), std::fabs(std::nextafter(lib, 0.0) - lib)) << x;
  }
}

TEST(NetExp, UnitOutputsAgreeWithTheLibraryExponential) {
  std::mt19937_64 rng(4);
  std::uniform_real_distribution<float> u(-60.0f, 60.0f);
  for (int i = 0; i < 1000000; ++i) {
    const float sum = u(rng);
    const float lib = static_cast<float>(1.0 / (std::exp(-static_cast<double>(sum)) + 1.0));
    ASSERT_EQ(NetSigmoid(0.5f, sum), lib) << sum;
  }
  for (float sum : {-1e30f, -200.0f, -52.5f, 20.0f, 1e30f, INFINITY, -INFINITY}) {
    const float lib = static_cast<float>(1.0 / (std::exp(-static_cast<double>(sum)) + 1.0));
    EXPECT_EQ(NetSigmoid(0.5f, sum), lib) << sum;
  }
  EXPECT_TRUE(std::isnan(NetSigmoid(0.5f, NAN)));
}

TEST(NetExp, VectorFormMatchesTheScalarForm) {
  std::mt19937_64 rng(5);
  std::uniform_real_distribution<float> u(-120.0f, 120.0f);
  for (int i = 0; i < 20000; ++i) {
    V8f sums;
    for (int l = 0; l < 8; ++l) sums[l] = u(rng);
    V8f out;
    NetSigmoid8(0.5, sums, out);
    for (int l = 0; l < 8; ++l) ASSERT_EQ(out[l], NetSigmoid(0.5f, sums[l])) << sums[l];
  }
}

}  // namespace

}  // namespace morvik
