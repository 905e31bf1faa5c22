// morvik-engine as a child process on two real pipes, for the tests of its
// line protocol: send raw bytes, read answer lines with a time limit.
#pragma once

#include <optional>
#include <string>
#include <vector>

class EngineProcess {
 public:
  // Starts the engine with `args` (the subcommand first).
  explicit EngineProcess(const std::vector<std::string>& args);
  ~EngineProcess();
  EngineProcess(const EngineProcess&) = delete;
  EngineProcess& operator=(const EngineProcess&) = delete;

  // Writes the bytes as they are; false if the engine no longer reads.
  bool Send(const std::string& bytes);
  // The next output line without its line feed; nothing after `seconds`
  // without one, or at the end of the output.
  std::optional<std::string> ReadLine(double seconds = 20.0);
  // Closes the engine's input and returns its exit status (-1 if it was
  // killed by a signal or did not end within `seconds`).
  int Finish(double seconds = 20.0);

 private:
  int pid_ = -1;
  int in_ = -1;   // the engine's standard input
  int out_ = -1;  // its standard output
  std::string buffer_;
};
