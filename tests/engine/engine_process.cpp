#include "tests/engine/engine_process.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

EngineProcess::EngineProcess(const std::vector<std::string>& args) {
  std::signal(SIGPIPE, SIG_IGN);  // a dead engine must fail a test, not end it
  int toEngine[2];
  int fromEngine[2];
  if (::pipe(toEngine) != 0 || ::pipe(fromEngine) != 0) return;
  pid_ = ::fork();
  if (pid_ == 0) {
    ::dup2(toEngine[0], 0);
    ::dup2(fromEngine[1], 1);
    ::close(toEngine[0]);
    ::close(toEngine[1]);
    ::close(fromEngine[0]);
    ::close(fromEngine[1]);
    std::vector<char*> argv;
    std::string program = MORVIK_ENGINE;
    argv.push_back(program.data());
    std::vector<std::string> copies = args;
    for (std::string& a : copies) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  ::close(toEngine[0]);
  ::close(fromEngine[1]);
  in_ = toEngine[1];
  out_ = fromEngine[0];
}

EngineProcess::~EngineProcess() {
  if (pid_ > 0) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
  }
  if (in_ >= 0) ::close(in_);
  if (out_ >= 0) ::close(out_);
}

bool EngineProcess::Send(const std::string& bytes) {
  size_t done = 0;
  while (in_ >= 0 && done < bytes.size()) {
    const ssize_t n = ::write(in_, bytes.data() + done, bytes.size() - done);
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return in_ >= 0;
}

std::optional<std::string> EngineProcess::ReadLine(double seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (true) {
    const size_t end = buffer_.find('\n');
    if (end != std::string::npos) {
      std::string line = buffer_.substr(0, end);
      buffer_.erase(0, end + 1);
      return line;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (out_ < 0 || left.count() <= 0) return std::nullopt;
    pollfd p{out_, POLLIN, 0};
    if (::poll(&p, 1, static_cast<int>(left.count())) <= 0) continue;
    char chunk[4096];
    const ssize_t n = ::read(out_, chunk, sizeof chunk);
    if (n <= 0) return std::nullopt;
    buffer_.append(chunk, static_cast<size_t>(n));
  }
}

int EngineProcess::Finish(double seconds) {
  if (in_ >= 0) ::close(in_);
  in_ = -1;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (pid_ > 0) {
    int status = 0;
    const pid_t done = ::waitpid(pid_, &status, WNOHANG);
    if (done == pid_) {
      pid_ = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    if (std::chrono::steady_clock::now() > deadline) return -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return -1;
}
