// morvik-engine ubgi: the computer as a Universal Backgammon Interface engine
// on standard input and output.
#include <csignal>
#include <cstdio>
#include <string>

#include "engine/arguments.h"
#include "engine/commands.h"
#include "engine/line_reader.h"
#include "engine/ubgi_session.h"

namespace morvik {

int RunUbgi(int argc, char** argv) {
  const EngineOptions options = ReadEngineOptions(argc, argv);
  LoadEngineWeights(options);
  std::signal(SIGPIPE, SIG_IGN);             // a closed output ends the loop below instead
  static ComputerPlayer player(gPackedNet);  // about 5 MB: never on the stack
  UbgiSession session(player, options.lookahead);
  LineReader reader(stdin);
  std::string line;
  std::string reply;
  bool tooLong = false;
  while (reader.Next(line, tooLong)) {
    reply.clear();
    if (tooLong) {
      reply = "sorry line too long\n";
    } else if (!session.Handle(line, reply)) {
      return 0;
    }
    if (reply.empty()) continue;
    if (std::fputs(reply.c_str(), stdout) == EOF || std::fflush(stdout) != 0) return 1;
  }
  return 0;
}

}  // namespace morvik
