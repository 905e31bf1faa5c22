// The colour-settings dialog against a host window and a chooser answered by
// the test.
#include <QTest>

#include "display/Unit2.h"
#include "tests/display/colour_host.h"

namespace morvik {

namespace {

// Answers every chooser with `answer`, or cancels it when there is none.
class Chooser : public ColourChooser {
 public:
  std::optional<QColor> answer;
  QColor preset;
  QColor ChooseColour(QWidget*, const QColor& current) override {
    preset = current;
    return answer.value_or(current);
  }
};

constexpr uint32_t kBlue = 0xFF0000;

}  // namespace

class ColourDialogTest : public QObject {
  Q_OBJECT

  Host host_;
  Chooser chooser_;

 private Q_SLOTS:
  void init() {
    host_ = Host{};
    chooser_.answer = ToQColor(kBlue);
  }

  void layoutAndCaptions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::newRow("Button1") << "Button1" << QRect(24, 16, 289, 33)
                             << "Change the color of your own pieces";
    QTest::newRow("Button3") << "Button3" << QRect(24, 61, 289, 33)
                             << "Change the color of the opponents pieces";
    QTest::newRow("Button4") << "Button4" << QRect(24, 106, 289, 33)
                             << "Change the color of the board-background";
    QTest::newRow("Button5") << "Button5" << QRect(24, 151, 289, 33)
                             << "Change the color of the odd points";
    QTest::newRow("Button6") << "Button6" << QRect(24, 196, 289, 33)
                             << "Change the color of the even points";
    QTest::newRow("Button7") << "Button7" << QRect(24, 241, 145, 33) << "Restore defaults";
    QTest::newRow("ok") << "ok" << QRect(168, 312, 73, 25) << "Ok";
    QTest::newRow("cancel") << "cancel" << QRect(248, 312, 65, 25) << "Cancel";
  }

  void layoutAndCaptions() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    TForm2 form(nullptr, host_, chooser_);
    QVERIFY(form.isVisible());
    QVERIFY(!form.isModal());
    QCOMPARE(form.windowTitle(), QString("Color settings"));
    QCOMPARE(form.palette().color(QPalette::Window), QColor(128, 0, 0));
    QCOMPARE(form.Button1->palette().color(QPalette::ButtonText), QColor(Qt::white));
    auto* button = form.findChild<QPushButton*>(name);
    QVERIFY(button != nullptr);
    QCOMPARE(button->geometry(), geometry);
    QCOMPARE(button->text(), caption);
  }

  void eachButtonChangesItsOwnColour_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("field");  // index into the five settings
    QTest::newRow("own pieces") << "Button1" << 0;
    QTest::newRow("opponent's pieces") << "Button3" << 1;
    QTest::newRow("board background") << "Button4" << 2;
    QTest::newRow("odd points") << "Button5" << 3;
    QTest::newRow("even points") << "Button6" << 4;
  }

  void eachButtonChangesItsOwnColour() {
    QFETCH(QString, name);
    QFETCH(int, field);
    TForm2 form(nullptr, host_, chooser_);
    QTest::mouseClick(form.findChild<QPushButton*>(name), Qt::LeftButton);
    const BoardColours& c = host_.colours;
    const uint32_t values[5] = {c.ownPieces, c.opponentPieces, c.boardBackground, c.oddPoints,
                                c.evenPoints};
    const BoardColours defaults;
    const uint32_t before[5] = {defaults.ownPieces, defaults.opponentPieces,
                                defaults.boardBackground, defaults.oddPoints, defaults.evenPoints};
    for (int i = 0; i < 5; ++i) QCOMPARE(values[i], i == field ? kBlue : before[i]);
    QCOMPARE(chooser_.preset, ToQColor(before[field]));
    QCOMPARE(host_.redraws, 1);
  }

  void cancelledChooserKeepsTheColourButRedraws() {
    chooser_.answer.reset();
    TForm2 form(nullptr, host_, chooser_);
    form.Button6Click();
    QCOMPARE(host_.colours, BoardColours{});
    QCOMPARE(host_.redraws, 1);
  }

  void restoreDefaultsKeepsTheDialogOpen() {
    host_.colours = {1, 2, 3, 4, 5};
    TForm2 form(nullptr, host_, chooser_);
    QTest::mouseClick(form.Button7, Qt::LeftButton);
    QCOMPARE(host_.colours, BoardColours{});
    QCOMPARE(host_.colours.ownPieces, 0x0000FFu);
    QCOMPARE(host_.colours.boardBackground, 0x008000u);
    QCOMPARE(host_.redraws, 1);
    QVERIFY(form.isVisible());
    QTest::mouseClick(form.ok, Qt::LeftButton);
    QCOMPARE(host_.colours, BoardColours{});
    QCOMPARE(host_.redraws, 2);
    QVERIFY(!form.isVisible());
  }

  void okKeepsTheChanges() {
    TForm2 form(nullptr, host_, chooser_);
    form.Button1Click();
    QTest::mouseClick(form.ok, Qt::LeftButton);
    QCOMPARE(host_.colours.ownPieces, kBlue);
    QVERIFY(!form.isVisible());
  }

  // Cancel goes back to the colours of the moment the dialog opened, however
  // often it has been painted since.
  void cancelRestoresTheColoursOfTheOpening() {
    host_.colours.evenPoints = 0x123456;
    const BoardColours opened = host_.colours;
    TForm2 form(nullptr, host_, chooser_);
    form.Button1Click();
    form.repaint();
    chooser_.answer = QColor(1, 2, 3);
    form.Button4Click();
    form.Button7Click();
    form.repaint();
    QTest::mouseClick(form.cancel, Qt::LeftButton);
    QCOMPARE(host_.colours, opened);
    QCOMPARE(host_.redraws, 4);
    QVERIFY(!form.isVisible());
  }

  void cancelAtOnceChangesNothingButRedraws() {
    TForm2 form(nullptr, host_, chooser_);
    form.cancelClick();
    QCOMPARE(host_.colours, BoardColours{});
    QCOMPARE(host_.redraws, 1);
  }
};

}  // namespace morvik

using namespace morvik;

QTEST_MAIN(ColourDialogTest)
#include "colour_dialog_test.moc"
