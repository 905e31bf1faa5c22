#include "net/weight_file.h"

#include <sys/stat.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

#include "net/network.h"
#include "net/weight_order.h"

namespace morvik {

namespace {

// A buffered byte reader: the file is read in one sequential pass with a
// fixed buffer, whatever the length of its lines.
class ByteReader {
 public:
  explicit ByteReader(std::FILE* file) : file_(file) {}
  int Peek() {
    if (pos_ == len_ && !Fill()) return EOF;
    return static_cast<unsigned char>(buffer_[pos_]);
  }
  void Next() { ++pos_; }

 private:
  bool Fill() {
    if (file_ == nullptr) return false;
    len_ = std::fread(buffer_, 1, sizeof buffer_, file_);
    pos_ = 0;
    return len_ > 0;
  }
  std::FILE* file_;
  char buffer_[1 << 16];
  size_t pos_ = 0;
  size_t len_ = 0;
};

bool IsDigit(int c) {
  return c >= '0' && c <= '9';
}

void SkipBlanks(ByteReader& in) {
  for (int c = in.Peek(); c == ' ' || c == '\t' || c == '\r' || c == '\n'; c = in.Peek()) in.Next();
}

void SkipLine(ByteReader& in) {
  for (int c = in.Peek(); c != EOF; c = in.Peek()) {
    in.Next();
    if (c == '\n') return;
  }
}

// Collects one token of the form [+-]digits[.digits][(E|e)[+-]digits]. A token
// longer than any sensible number is cut short and so read as malformed.
struct Token {
  char text[64];
  int length = 0;
  bool overlong = false;
  void Add(int c) {
    if (length < static_cast<int>(sizeof text)) {
      text[length++] = static_cast<char>(c);
    } else {
      overlong = true;
    }
  }
};

int TakeDigits(ByteReader& in, Token& token) {
  int n = 0;
  for (int c = in.Peek(); IsDigit(c); c = in.Peek(), ++n) token.Add(c), in.Next();
  return n;
}

// Returns false for a malformed token (no digits, overflow past single range).
bool ReadNumber(ByteReader& in, float& value) {
  Token token;
  int c = in.Peek();
  if (c == '+' || c == '-') token.Add(c), in.Next();
  int digits = TakeDigits(in, token);
  if (in.Peek() == '.') {
    token.Add('.');
    in.Next();
    digits += TakeDigits(in, token);
  }
  if (digits == 0) return false;
  c = in.Peek();
  if (c == 'e' || c == 'E') {
    Token exponent = token;
    exponent.Add('e');
    in.Next();
    c = in.Peek();
    if (c == '+' || c == '-') exponent.Add(c), in.Next();
    if (TakeDigits(in, exponent) > 0) token = exponent;  // a bare "e" ends the number
  }
  if (token.overlong) return false;
  const char* begin = token.text + (token.text[0] == '+' ? 1 : 0);
  double parsed = 0.0;
  const auto result = std::from_chars(begin, token.text + token.length, parsed);
  if (result.ec != std::errc()) return false;
  const float single = static_cast<float>(parsed);
  if (!std::isfinite(single)) return false;
  value = single;
  return true;
}

}  // namespace

WeightFileReport ReadWeightValues(std::FILE* file, float* out, int count) {
  WeightFileReport report;
  report.opened = file != nullptr;
  ByteReader in(file);
  int i = 0;
  for (; i < count; ++i) {
    SkipBlanks(in);
    if (in.Peek() == EOF) break;
    float value = 0.0f;
    if (!ReadNumber(in, value)) {
      value = 0.0f;
      ++report.malformed;
    }
    out[i] = value;
    ++report.numbers;
    SkipLine(in);
  }
  for (; i < count; ++i) out[i] = 0.0f;
  return report;
}

void StoreWeights(const float* values) {
  ForEachWeightIndex([&](int l, int j, int k, int i) { NetWeights[l][j][k] = values[i]; });
  PackNetWeights();
}

void ExtractWeights(float* values) {
  ForEachWeightIndex([&](int l, int j, int k, int i) { values[i] = NetWeights[l][j][k]; });
}

namespace {
// Only a regular file is read: a device such as /dev/zero never ends, a FIFO
// blocks on opening, and a directory holds no numbers. Any of them counts as
// a missing file.
std::FILE* OpenRegularFile(const char* path, bool& found, bool& regular) {
  struct stat info;
  found = ::stat(path, &info) == 0;
  regular = found && S_ISREG(info.st_mode);
  return regular ? std::fopen(path, "rb") : nullptr;
}
}  // namespace

WeightFileReport ReadWeightFile(const char* path, float* values) {
  bool found = false, regular = false;
  std::FILE* file = OpenRegularFile(path, found, regular);
  WeightFileReport report = ReadWeightValues(file, values, kWeightCount);
  report.found = found;
  report.regular = regular;
  if (file != nullptr) std::fclose(file);
  return report;
}

WeightFileReport LoadWeightsFrom(const char* path) {
  static float values[kWeightCount];
  const WeightFileReport report = ReadWeightFile(path, values);
  SetUpProgramNet(values);
  return report;
}

void LoadWeights() {
  LoadWeightsFrom("gammon.pc");
}

bool WriteWeightValues(std::FILE* file, const float* values, int count) {
  for (int i = 0; i < count; ++i) {
    char text[48];
    // Nine significant digits give back every single exactly.
    const auto result =
        std::to_chars(text, text + sizeof text, values[i], std::chars_format::general,
                      std::numeric_limits<float>::max_digits10);
    *result.ptr = '\0';
    if (std::fprintf(file, "%s\r\n", text) < 0) return false;
  }
  return std::fflush(file) == 0;
}

}  // namespace morvik
