// Message boxes as the player reads them: the caption is the application
// title, Return answers with the default button, and lines never break inside
// a word, at an accent or inside a bracketed score.
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTextLayout>
#include <QTimer>

#include "display/application_title.h"
#include "mainwindow/game/game_texts.h"
#include "tests/mainwindow/window/window_fixture.h"

namespace morvik {

namespace {

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The text as shown, without the invisible joins.
QString Visible(QString text) {
  return text.remove(QChar(0x2060)).replace(QChar(0x00A0), QChar(' '));
}

// Lays the text out word-wrapped at `width` and returns the line that starts
// elsewhere than after a blank, or with a score after its side's name
// ("Comp:" / "2 (2-0-0)"), or an empty string.
QString BrokenInsideARun(const QString& text, const QFont& font, int width) {
  QTextLayout layout(text, font);
  QTextOption option;
  option.setWrapMode(QTextOption::WordWrap);
  layout.setTextOption(option);
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    const int start = line.textStart();
    const bool scoreFromName = start > 1 && text[start - 2] == ':' && text[start].isDigit();
    if (start > 0 && (text[start - 1] != ' ' || scoreFromName)) {
      return Visible(text.mid(start - 12, 24));
    }
  }
  layout.endLayout();
  return {};
}

// Runs `act` once the box is up, then lets the box's own keys close it.
void WhenBoxOpens(const std::function<void(QMessageBox*)>& act) {
  QTimer::singleShot(0, [act] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box != nullptr) act(box);
  });
}

}  // namespace

class MessageBoxTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { SetApplicationTitle(QString::fromUtf8(kApplicationTitle)); }

  void noBreakInsideARun_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("result") << "Computer wins backgammon. The score is - Player-1: 14 (1-2-3) - "
                               "Comp: 20 (5-3-3)";
    QTest::newRow("first result") << "Player-1 wins a gammon. The score is - Player-1: 2 (0-1-0) - "
                                     "Comp: 0 (0-0-0)";
    QTest::newRow("automatic OK") << FromView(texts::kAutoOkQuestion);
    QTest::newRow("new game") << FromView(texts::kNewGameQuestion);
    QTest::newRow("notice") << FromView(kReleaseNotice);
  }

  void noBreakInsideARun() {
    QFETCH(QString, text);
    const QString kept = KeepRunsTogether(text);
    QCOMPARE(Visible(kept), text);
    const QFont font = QApplication::font("QMessageBox");
    for (int width = 40; width <= 700; ++width) {
      const QString broken = BrokenInsideARun(kept, font, width);
      QVERIFY2(broken.isEmpty(), qPrintable(QString::number(width) + ": " + broken));
    }
    // The joins take no room.
    const QFontMetrics metrics(font);
    QVERIFY(std::abs(metrics.horizontalAdvance(kept) - metrics.horizontalAdvance(text)) <= 1);
  }

  void scoreKeepsItsNumber() {
    const QString kept = KeepRunsTogether("Player-1: 5 (1-2-0) - Comp: 3 (0-0-1)");
    QVERIFY(kept.contains(QString("5") + QChar(0x00A0) + "(1"));
    QVERIFY(kept.contains(QString("3") + QChar(0x00A0) + "(0"));
    QVERIFY(kept.contains(" - Comp"));  // a spaced dash still breaks
  }

  void informShowsTheTextAndReturnClosesIt() {
    MessageBoxDialogs dialogs;
    QString text;
    QString caption;
    WhenBoxOpens([&](QMessageBox* box) {
      text = box->text();
      caption = box->windowTitle();
      QTest::keyClick(box, Qt::Key_Return);
    });
    dialogs.Inform(texts::kAutoOkQuestion);
    QCOMPARE(Visible(text), FromView(texts::kAutoOkQuestion));
    QCOMPARE(caption, QString("Morvik - Ver. 1.10 Beta"));
  }

  // The caption whole, as a window manager draws it: bolder than the box's
  // text, beside an icon and its buttons.
  void captionShowsWhole() {
    MessageBoxDialogs dialogs;
    int width = 0;
    WhenBoxOpens([&](QMessageBox* box) {
      width = box->width();
      box->button(QMessageBox::No)->click();
    });
    dialogs.Confirm("  Exit Morvik ?  ");
    QFont bold = QApplication::font("QMdiSubWindowTitleBar");
    bold.setBold(true);
    const int caption = QFontMetrics(bold).horizontalAdvance(ApplicationTitle());
    QVERIFY2(width >= caption + 3 * QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight),
             qPrintable(QString::number(width) + " for " + QString::number(caption)));
  }

  void returnAnswersYes_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("answer");
    QTest::newRow("Return") << int(Qt::Key_Return) << true;
    QTest::newRow("Enter") << int(Qt::Key_Enter) << true;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << false;
  }

  void returnAnswersYes() {
    QFETCH(int, key);
    QFETCH(bool, answer);
    MessageBoxDialogs dialogs;
    WhenBoxOpens([key](QMessageBox* box) { QTest::keyClick(box, static_cast<Qt::Key>(key)); });
    QCOMPARE(dialogs.Confirm("  Exit Morvik ?  "), answer);
  }
};

}  // namespace morvik

using namespace morvik;

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
