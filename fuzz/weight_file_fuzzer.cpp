// Any bytes as a weight file: the reader must stop cleanly, store only finite
// singles, and whatever it stored must survive a write and a second read.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "net/weight_file.h"

namespace morvik {

namespace {
// Fewer than a whole file's 32,840 values keeps the runs fast and lets small
// inputs reach the "more numbers than wanted" end as well.
constexpr int kCount = 1024;
float values[kCount];
float again[kCount];

// glibc opens a zero-length buffer as an empty stream.
std::FILE* OpenBytes(const uint8_t* data, size_t size) {
  static uint8_t empty[1];
  return fmemopen(size == 0 ? empty : const_cast<uint8_t*>(data), size, "r");
}

void Check(bool ok, const char* what) {
  if (ok) return;
  std::fprintf(stderr, "weight file fuzzer: %s\n", what);
  std::abort();
}

void CheckRoundTrip(int n) {
  char* text = nullptr;
  size_t length = 0;
  std::FILE* out = open_memstream(&text, &length);
  Check(out != nullptr && WriteWeightValues(out, values, n), "writing the values back failed");
  std::fclose(out);
  std::FILE* in = fmemopen(text, length, "r");
  const WeightFileReport report = ReadWeightValues(in, again, n);
  std::fclose(in);
  std::free(text);
  Check(report.numbers == n && report.malformed == 0,
        "written values did not read back as numbers");
  Check(std::memcmp(values, again, sizeof(float) * static_cast<size_t>(n)) == 0,
        "values changed on a round trip");
}
}  // namespace

}  // namespace morvik

using namespace morvik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::FILE* file = OpenBytes(data, size);
  const WeightFileReport report = ReadWeightValues(file, values, kCount);
  if (file != nullptr) std::fclose(file);
  Check(report.numbers >= 0 && report.numbers <= kCount, "number count out of range");
  Check(report.malformed >= 0 && report.malformed <= report.numbers,
        "malformed count out of range");
  for (int i = 0; i < kCount; ++i) Check(std::isfinite(values[i]), "a stored weight is not finite");
  for (int i = report.numbers; i < kCount; ++i)
    Check(values[i] == 0.0f, "a weight not read is not 0.0");
  if (report.numbers > 0) CheckRoundTrip(report.numbers);
  return 0;
}
