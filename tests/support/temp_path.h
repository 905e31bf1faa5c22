// Names for temporary files that no other test process uses at the same time:
// the test directory, the process id and a serial number.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <string>
#include <string_view>

namespace morvik {

inline std::string UniqueTempPath(std::string_view stem) {
  static std::atomic<int> serial{0};
  std::string dir = testing::TempDir();
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir + "morvik-" + std::string(stem) + "-" + std::to_string(::getpid()) + "-" +
         std::to_string(serial++);
}

}  // namespace morvik
