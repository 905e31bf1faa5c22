// morvik-engine as a child process on real pipes, started without a shell:
// send raw bytes, read answer lines with a time limit, or run it once and
// collect what it prints.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

class QProcess;

namespace morvik {

class EngineProcess {
 public:
  // Starts the engine with `args` (the subcommand first); its stderr goes to
  // the test's own.
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
  std::unique_ptr<QProcess> process_;
};

struct EngineRun {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the engine once with the blank-separated arguments, in the directory
// `dir` when one is given, with nothing on its standard input.
EngineRun RunEngine(const std::string& args, const std::string& dir = "");

}  // namespace morvik
