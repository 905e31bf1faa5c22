// The text weight file: 32,840 decimal reals, one per line, in the order
// layer, receiving unit, sending unit.
#pragma once

#include <cstdio>

#include "net/network.h"

namespace morvik {

struct WeightFileReport {
  bool found = false;    // something of that name exists
  bool regular = false;  // and it is a regular file (only those are read)
  bool opened = false;
  int numbers = 0;    // values taken from the file (malformed ones included)
  int malformed = 0;  // tokens that were not a number, or overflowed: stored as 0.0
};

// The one rule for every program: a weight file is complete when it holds
// all 32,840 weights and every one of them is a number.
inline bool IsComplete(const WeightFileReport& report) {
  return report.opened && report.numbers >= kWeightCount && report.malformed == 0;
}

// Reads a weight file once, into `values` (kWeightCount of them, 0.0 where
// the file has none or a token is not a number). Only a regular file is read:
// a directory, a device or a FIFO counts as missing.
WeightFileReport ReadWeightFile(const char* path, float* values);

// Reads a named file and sets the program-wide network up with what it holds
// (SetUpProgramNet), with the report.
WeightFileReport LoadWeightsFrom(const char* path);

// Reads "gammon.pc" from the working directory. Nothing is reported: a missing
// or short file leaves the weights not read at 0.0.
void LoadWeights();

// Reads up to `count` values from an open stream into `out` in file order;
// the rest of `out` becomes 0.0.
WeightFileReport ReadWeightValues(std::FILE* file, float* out, int count);

// Writes values so that reading them back gives the same singles; CR LF ends.
bool WriteWeightValues(std::FILE* file, const float* values, int count);

// File order <-> the program-wide matrices.
void StoreWeights(const float* values);
void ExtractWeights(float* values);

}  // namespace morvik
