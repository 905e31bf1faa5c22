// Program entry: the notice before any window, the weights read before the
// About box, the About box before the main window is shown.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

#include "net/network.h"
#include "tests/mainwindow/window_fixture.h"

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
    for (auto& layer : NetWeights) {
      for (auto& row : layer) {
        for (float& w : row) w = 0.0f;
      }
    }

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
    QCOMPARE(QGuiApplication::applicationDisplayName(), QString("Morvik - Ver. 1.10 Beta"));
    QCOMPARE(form->windowTitle(), QString("Morvik - Ver. 1.10 Beta"));
    QVERIFY(form->Model().CommittedBoard() == StartingPosition());
    QCOMPARE(form->focusWidget(), form->diceknap);
    QCOMPARE(form->terningeslag->text(), QString());
    QCOMPARE(form->ComboBox1->currentText(), QString("Game History:"));
  }

  // A missing weight file is not reported: the window comes up all the same.
  void missingWeightFileIsSilent() {
    QTemporaryDir dir;
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    AnsweringDialogs dialogs;
    TestDice dice;
    std::unique_ptr<Tform1> form = StartProgram(dialogs, dice);
    QDir::setCurrent(before);
    QCOMPARE(dialogs.events.size(), std::size_t{2});
    QVERIFY(form->isVisible());
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
