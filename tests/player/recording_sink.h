// A sink that keeps what the computer's move reports.
#pragma once

#include <string>
#include <vector>

#include "player/player_sink.h"

namespace morvik {

struct RecordingSink : PlayerSink {
  void History(std::string_view line) override { history.emplace_back(line); }
  void Log(std::string_view line) override { log.emplace_back(line); }
  void LogElapsed(double seconds) override {
    elapsed = seconds;
    log.emplace_back("<time>");
  }

  std::vector<std::string> history;
  std::vector<std::string> log;
  double elapsed = -1.0;
};

}  // namespace morvik
