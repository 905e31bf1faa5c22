// Where the computer's move reports go: the history line and the evaluation
// log. The window appends them to its two drop-down lists; tools print them.
#pragma once

#include <string_view>

namespace morvik {

class PlayerSink {
 public:
  virtual ~PlayerSink() = default;
  // One line of the game history ("Computer: 5-2: B/20* 13/11 ").
  virtual void History(std::string_view line) = 0;
  // One line of the evaluation log.
  virtual void Log(std::string_view line) = 0;
  // The last log line: the thinking time; its formatting is the sink's.
  virtual void LogElapsed(double seconds) = 0;
};

// A sink that drops everything.
class NullSink : public PlayerSink {
 public:
  void History(std::string_view) override {}
  void Log(std::string_view) override {}
  void LogElapsed(double) override {}
};

}  // namespace morvik
