// Runs morvik-engine as a separate process and collects what it prints.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/temp_path.h"

struct EngineRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the engine with `args`, in the directory `dir` when one is given, with
// nothing on its standard input.
inline EngineRun RunEngine(const std::string& args, const std::string& dir = "") {
  const std::string errFile = UniqueTempPath("engine-stderr.txt");
  const std::string command = (dir.empty() ? "" : "cd '" + dir + "' && ") +
                              std::string(MORVIK_ENGINE) + " " + args + " </dev/null 2>" + errFile;
  EngineRun run;
  std::FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int raw = ::pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  std::ifstream in(errFile);
  std::stringstream ss;
  ss << in.rdbuf();
  run.err = ss.str();
  std::remove(errFile.c_str());
  return run;
}
