// The engine's subcommands. Each returns the process exit status and throws
// UsageError for bad input.
#pragma once

namespace morvik {

int RunMoves(int argc, char** argv);
int RunEval(int argc, char** argv);
int RunBench(int argc, char** argv);
int RunPlay(int argc, char** argv);
int RunReply(int argc, char** argv);
int RunDuel(int argc, char** argv);
int RunUbgi(int argc, char** argv);
int RunRollout(int argc, char** argv);
int RunYardstick(int argc, char** argv);

}  // namespace morvik
