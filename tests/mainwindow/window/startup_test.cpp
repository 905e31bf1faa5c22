// Program entry: the notice before any window, the weights read before the
// About box, the About box before the main window is shown.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "display/application_title.h"
#include "net/network.h"
#include "tests/mainwindow/window/window_fixture.h"

namespace morvik {

namespace {

bool AnyWeightSet() {
  for (const auto& layer : NetWeights) {
    for (const auto& row : layer) {
      for (float w : row) {
        if (w != 0.0f) return true;
      }
    }
  }
  return false;
}

bool MainWindowExists() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (qobject_cast<Tform1*>(w) != nullptr) return true;
  }
  return false;
}

bool MainWindowShown() {
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (qobject_cast<Tform1*>(w) != nullptr && w->isVisible()) return true;
  }
  return false;
}

void ClearWeights() {
  for (auto& layer : NetWeights) {
    for (auto& row : layer) {
      for (float& w : row) w = 0.0f;
    }
  }
}

void WriteWeights(const QString& folder, int count, const char* line) {
  QDir().mkpath(folder);
  std::FILE* file = std::fopen(QDir(folder).filePath("gammon.pc").toLocal8Bit(), "w");
  QVERIFY(file != nullptr);
  for (int i = 0; i < count; ++i) std::fputs(line, file);
  std::fclose(file);
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void noticeWeightsAboutBoxThenMainWindow() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    std::FILE* file = std::fopen(QDir(dir.path()).filePath("gammon.pc").toLocal8Bit(), "w");
    QVERIFY(file != nullptr);
    for (int i = 0; i < 32840; ++i) std::fputs("0.5\n", file);
    std::fclose(file);
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    ClearWeights();

    AnsweringDialogs dialogs;
    TestDice dice;
    bool windowAtNotice = true;
    bool weightsAtAbout = false;
    bool ownerShownAtAbout = true;
    dialogs.onInform = [&](std::string_view) { windowAtNotice = MainWindowExists(); };
    dialogs.onAbout = [&](QWidget* owner) {
      weightsAtAbout = AnyWeightSet();
      ownerShownAtAbout = qobject_cast<Tform1*>(owner) == nullptr || owner->isVisible();
    };
    std::unique_ptr<Tform1> form = StartProgram(dialogs, dice);
    QDir::setCurrent(before);

    QCOMPARE(dialogs.events.size(), std::size_t{2});
    const std::string& notice = dialogs.events[0];
    QVERIFY(notice.starts_with("inform: PLEASE READ ABOUT THE NEW FEATURES: The changes"));
    QVERIFY(notice.find("as follows:  Improved checker-movement") != std::string::npos);
    QVERIFY(notice.find("set an an acceptable level") != std::string::npos);
    QVERIFY(notice.ends_with("so that the game can be followed anyway."));
    QCOMPARE(dialogs.events[1], std::string("about"));
    QVERIFY(!windowAtNotice);
    QVERIFY(weightsAtAbout);
    QVERIFY(!ownerShownAtAbout);

    QVERIFY(form->isVisible());
    QVERIFY(form->windowState() & Qt::WindowMaximized);
    QCOMPARE(ApplicationTitle(), QString("Morvik - Ver. 1.10 Beta"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    QCOMPARE(form->windowTitle(), QString("Morvik - Ver. 1.10 Beta"));
    QVERIFY(form->Model().CommittedBoard() == StartingPosition());
    QCOMPARE(form->focusWidget(), form->diceknap);
    QCOMPARE(form->terningeslag->text(), QString());
    QCOMPARE(form->ComboBox1->currentText(), QString("Game History:"));
  }

  // Without a complete weight file the player is told so, once, after the
  // notice and before the About box and the main window.
  void missingWeightsAreToldBeforeTheWindow() {
    QTemporaryDir dir;
    const QString working = QDir(dir.path()).filePath("work");
    const QString installed = QDir(dir.path()).filePath("share/morvik");
    WriteWeights(working, 1234, "0.5\n");
    QDir().mkpath(installed);
    AnsweringDialogs dialogs;
    TestDice dice;
    bool shownAtMessage = true;
    dialogs.onInform = [&](std::string_view) { shownAtMessage = MainWindowShown(); };
    std::unique_ptr<Tform1> form =
        StartProgram(dialogs, dice, {working.toStdString(), installed.toStdString()});
    QCOMPARE(dialogs.events.size(), std::size_t{3});
    QVERIFY(dialogs.events[0].starts_with("inform: PLEASE READ"));
    const std::string& told = dialogs.events[1];
    QVERIFY(told.starts_with("inform: No complete weight file \"gammon.pc\" was found"));
    QVERIFY(told.find(working.toStdString() + ": only 1,234 of 32,840 weights") !=
            std::string::npos);
    QVERIFY(told.ends_with(installed.toStdString() + ": not found"));
    QCOMPARE(dialogs.events[2], std::string("about"));
    QVERIFY(!shownAtMessage);
    QVERIFY(form->isVisible());
    QCOMPARE(NetWeights[0][0][0], 0.5f);  // play goes on with what was read
    QCOMPARE(NetWeights[2][0][39], 0.0f);
  }

  void installedCopyIsUsedSilently() {
    QTemporaryDir dir;
    const QString installed = QDir(dir.path()).filePath("share/morvik");
    WriteWeights(installed, 32840, "0.25\n");
    ClearWeights();
    AnsweringDialogs dialogs;
    TestDice dice;
    std::unique_ptr<Tform1> form = StartProgram(
        dialogs, dice, {QDir(dir.path()).filePath("empty").toStdString(), installed.toStdString()});
    QCOMPARE(dialogs.events.size(), std::size_t{2});
    QCOMPARE(NetWeights[2][0][39], 0.25f);
  }
};

}  // namespace morvik

using namespace morvik;

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
