#include <QApplication>
#include <QTest>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "tests/support/qtest_registry.h"

namespace {
std::map<std::string, QTestFactory>& Registry() {
  static std::map<std::string, QTestFactory> registry;
  return registry;
}
}  // namespace

bool RegisterQTest(const char* name, QTestFactory factory) {
  Registry()[name] = std::move(factory);
  return true;
}

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  std::string only;
  std::vector<char*> args{argv[0]};
  for (int i = 1; i < argc; ++i) {
    if (only.empty() && Registry().count(argv[i]) != 0) {
      only = argv[i];
    } else {
      args.push_back(argv[i]);
    }
  }
  int failures = 0;
  for (auto& [name, factory] : Registry()) {
    if (!only.empty() && name != only) continue;
    std::unique_ptr<QObject> test = factory();
    failures += QTest::qExec(test.get(), static_cast<int>(args.size()), args.data());
  }
  return failures == 0 ? 0 : 1;
}
