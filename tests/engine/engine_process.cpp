#include "tests/engine/engine_process.h"

#include <QProcess>
#include <QStringList>
#include <chrono>

namespace morvik {

namespace {
int Milliseconds(double seconds) {
  return static_cast<int>(seconds * 1000.0);
}

QStringList ToArguments(const std::vector<std::string>& args) {
  QStringList list;
  for (const std::string& a : args) list << QString::fromStdString(a);
  return list;
}

// The exit status of a finished process, -1 for a crash or a kill.
int Status(const QProcess& process) {
  return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}
}  // namespace

EngineProcess::EngineProcess(const std::vector<std::string>& args)
    : process_(std::make_unique<QProcess>()) {
  process_->setProcessChannelMode(QProcess::ForwardedErrorChannel);
  process_->start(QStringLiteral(MORVIK_ENGINE), ToArguments(args));
  process_->waitForStarted();
}

EngineProcess::~EngineProcess() {
  if (process_->state() != QProcess::NotRunning) {
    process_->kill();
    process_->waitForFinished();
  }
}

bool EngineProcess::Send(const std::string& bytes) {
  if (process_->state() != QProcess::Running) return false;
  const auto size = static_cast<qint64>(bytes.size());
  if (process_->write(bytes.data(), size) != size) return false;
  while (process_->bytesToWrite() > 0) {
    if (!process_->waitForBytesWritten(Milliseconds(20.0))) return false;
  }
  return true;
}

std::optional<std::string> EngineProcess::ReadLine(double seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (true) {
    if (process_->canReadLine()) {
      std::string line = process_->readLine().toStdString();
      line.pop_back();  // the line feed
      return line;
    }
    if (process_->state() == QProcess::NotRunning) return std::nullopt;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return std::nullopt;
    process_->waitForReadyRead(static_cast<int>(left.count()));
  }
}

int EngineProcess::Finish(double seconds) {
  process_->closeWriteChannel();
  // waitForFinished is false for a process that has already ended.
  if (process_->state() != QProcess::NotRunning &&
      !process_->waitForFinished(Milliseconds(seconds)))
    return -1;
  return Status(*process_);
}

EngineRun RunEngine(const std::string& args, const std::string& dir) {
  QProcess process;
  if (!dir.empty()) process.setWorkingDirectory(QString::fromStdString(dir));
  process.start(QStringLiteral(MORVIK_ENGINE),
                QString::fromStdString(args).split(QLatin1Char(' '), Qt::SkipEmptyParts));
  process.closeWriteChannel();
  EngineRun run;
  if (!process.waitForFinished(Milliseconds(600.0))) {
    process.kill();
    process.waitForFinished();
    return run;
  }
  run.status = Status(process);
  run.out = process.readAllStandardOutput().toStdString();
  run.err = process.readAllStandardError().toStdString();
  return run;
}

}  // namespace morvik
