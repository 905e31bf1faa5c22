// The text weight file: 32,840 decimal reals, one per line, in the order
// layer, receiving unit, sending unit.
#pragma once

#include <cstdio>

namespace morvik {

struct WeightFileReport {
  bool opened = false;
  int numbers = 0;    // values taken from the file (malformed ones included)
  int malformed = 0;  // tokens that were not a number, or overflowed: stored as 0.0
};

// Reads "gammon.pc" from the working directory. Nothing is reported: a missing
// or short file leaves the weights not read at 0.0.
void LoadWeights();

// The same from a named file, with a report for the tools. Only a regular
// file is read: a directory, a device or a FIFO counts as missing.
WeightFileReport LoadWeightsFrom(const char* path);

// The values of a weight file into `values` (kWeightCount of them, 0.0 where
// the file has none), with the same checks as LoadWeightsFrom.
WeightFileReport ReadWeightFile(const char* path, float* values);

// Reads up to `count` values from an open stream into `out` in file order;
// the rest of `out` becomes 0.0.
WeightFileReport ReadWeightValues(std::FILE* file, float* out, int count);

// Writes values so that reading them back gives the same singles; CR LF ends.
bool WriteWeightValues(std::FILE* file, const float* values, int count);

// File order <-> the program-wide matrices.
void StoreWeights(const float* values);
void ExtractWeights(float* values);

}  // namespace morvik
