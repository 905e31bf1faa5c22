// Registration of QTest classes, so that one program holds several classes
// and runs the one its first argument names (all of them without one).
#pragma once

#include <QObject>
#include <functional>
#include <memory>

using QTestFactory = std::function<std::unique_ptr<QObject>()>;

bool RegisterQTest(const char* name, QTestFactory factory);

#define MORVIK_QTEST(Class)              \
  static const bool kRegistered##Class = \
      RegisterQTest(#Class, [] { return std::unique_ptr<QObject>(new Class); })
