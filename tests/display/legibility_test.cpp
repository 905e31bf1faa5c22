// Texts as the fonts actually used lay them out: every fixed-size label and
// button caption fits its rectangle, captions read on their faces, and the
// dialogs' captions are their own.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "display/Unit2.h"
#include "display/Unit3.h"
#include "display/application_title.h"
#include "display/contrast.h"
#include "display/fonts.h"
#include "tests/display/colour_host.h"

namespace morvik {

namespace {

class Chooser : public ColourChooser {
 public:
  QColor ChooseColour(QWidget*, const QColor& current) override { return current; }
};

// The text as a label lays it out, against the label's own rectangle.
bool LabelFits(const QLabel* label) {
  const QFontMetrics metrics(label->font());
  const QSize area = label->contentsRect().size();
  const QRect needed = metrics.boundingRect(
      QRect(QPoint(0, 0), area), int(label->alignment()) | Qt::TextWordWrap, label->text());
  return needed.width() <= area.width() && needed.height() <= area.height();
}

bool ButtonFits(const QPushButton* button) {
  const QSize text = QFontMetrics(button->font()).size(Qt::TextShowMnemonic, button->text());
  const QSize area = ButtonTextArea(button);
  return text.width() <= area.width() && text.height() <= area.height();
}

}  // namespace

class LegibilityTest : public QObject {
  Q_OBJECT

  Host host_;
  Chooser chooser_;

 private Q_SLOTS:
  void initTestCase() {
    InstallFontSubstitutes();
    SetApplicationTitle(QStringLiteral("Morvik - Ver. 1.10 Beta"));
  }

  void aboutBoxLabelsFit_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"Label3", "Label1", "Label4", "Label2"}) QTest::newRow(name) << name;
  }

  void aboutBoxLabelsFit() {
    QFETCH(QString, name);
    TAboutBox box(nullptr);
    const auto* label = box.findChild<QLabel*>(name);
    QVERIFY(label != nullptr);
    QVERIFY2(LabelFits(label), qPrintable(label->font().toString()));
    QVERIFY(label->font().pixelSize() >= 7);
  }

  // Each coloured line keeps its colour and reads on the ground drawn behind it.
  void aboutBoxLinesRead() {
    TAboutBox box(nullptr);
    for (QLabel* label : {box.Label3, box.Label1, box.Label4, box.Label2}) {
      const QImage image = label->grab().toImage();
      const QColor ground = image.pixelColor(image.width() - 1, image.height() - 1);
      const QColor text = label->palette().color(QPalette::WindowText);
      QVERIFY2(ContrastRatio(text, ground) >= 4.5,
               qPrintable(label->objectName() + ": " + text.name() + " on " + ground.name()));
    }
    QCOMPARE(box.Label4->palette().color(QPalette::WindowText), QColor(Qt::yellow));
  }

  void colourDialogCaptionsFit() {
    TForm2 form(nullptr, host_, chooser_);
    for (QPushButton* button : form.findChildren<QPushButton*>()) {
      QVERIFY2(ButtonFits(button), qPrintable(button->objectName()));
    }
  }

  void fitKeepsAFontThatFitsAndShrinksOneThatDoesNot() {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    QCOMPARE(FittingFont(font, {"Ok"}, {60, 20}, 0), font);
    const QString text = "Note: All results will, if possible, be mailed to the below";
    const QFont fitted = FittingFont(font, {text}, {60, 26}, Qt::TextWordWrap);
    QVERIFY(TextFits(fitted, text, {60, 26}, Qt::TextWordWrap) || fitted.pixelSize() == 7);
    QVERIFY(fitted.pixelSize() < 11 || fitted.stretch() < QFont::Unstretched);
  }

  // The captions are exactly the dialogs' own: the application's name is
  // kept out of the toolkit, which would append it to them.
  void captionsAreTheDialogsOwn() {
    TAboutBox box(nullptr);
    TForm2 form(nullptr, host_, chooser_);
    QCOMPARE(box.windowTitle(), QString("About"));
    QCOMPARE(form.windowTitle(), QString("Color settings"));
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    QCOMPARE(box.Label3->text(), QString("Morvik - Ver. 1.10 Beta"));
  }

  // No minimise or maximise button; the close box, the only one the window
  // manager is offered, gives the changes up as Cancel does.
  void colourDialogTitleBar() {
    host_ = Host{};
    TForm2 form(nullptr, host_, chooser_);
    const Qt::WindowFlags flags = form.windowFlags();
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    const BoardColours opened = host_.colours;
    host_.colours.ownPieces = 0x123456;
    QVERIFY(form.close());
    QVERIFY(!form.isVisible());
    QCOMPARE(host_.colours, opened);
    QCOMPARE(host_.redraws, 1);
  }

  // Against the face as the style draws it (the same style and palette as on
  // a desktop without a theme), plain and under the mouse.
  void captionsReadOnTheirFaces() {
    TForm2 form(nullptr, host_, chooser_);
    for (QPushButton* button : form.findChildren<QPushButton*>()) {
      const QPalette p = button->palette();
      const QColor caption = p.color(QPalette::ButtonText);
      const QColor drawn = DrawnButtonFace(*button, p.color(QPalette::Button), caption);
      QVERIFY2(ContrastRatio(caption, drawn) >= 4.5,
               qPrintable(button->objectName() + " on " + drawn.name()));
    }
    // The face the user sees is the one measured.
    const QString caption = form.Button1->text();
    form.Button1->setText({});
    const QImage face = form.Button1->grab().toImage();
    form.Button1->setText(caption);
    const QColor middle = face.pixelColor(face.width() / 2, face.height() / 2);
    QVERIFY(ContrastRatio(Qt::white, middle) >= 4.5);
    // The caption keeps its colour; its face changes.
    QCOMPARE(form.Button1->palette().color(QPalette::ButtonText), QColor(Qt::white));
  }

  void contrastRatios_data() {
    QTest::addColumn<QColor>("a");
    QTest::addColumn<QColor>("b");
    QTest::addColumn<double>("ratio");
    QTest::newRow("black on white") << QColor(Qt::black) << QColor(Qt::white) << 21.0;
    QTest::newRow("same") << QColor(128, 0, 0) << QColor(128, 0, 0) << 1.0;
    QTest::newRow("white on silver") << QColor(Qt::white) << QColor(192, 192, 192) << 1.82;
    QTest::newRow("white on gray") << QColor(Qt::white) << QColor(128, 128, 128) << 3.95;
  }

  void contrastRatios() {
    QFETCH(QColor, a);
    QFETCH(QColor, b);
    QFETCH(double, ratio);
    QVERIFY(std::abs(ContrastRatio(a, b) - ratio) < 0.01);
    QCOMPARE(ContrastRatio(a, b), ContrastRatio(b, a));
  }

  void legibleFaceChangesOnlyWhatItMust() {
    const QColor silver(192, 192, 192);
    QCOMPARE(LegibleFace(Qt::black, silver), silver);
    const QColor darker = LegibleFace(Qt::white, silver);
    QVERIFY(ContrastRatio(Qt::white, darker) >= 4.5);
    QVERIFY(ContrastRatio(Qt::white, darker) < 4.8);  // no darker than needed
    const QColor lighter = LegibleFace(QColor(0, 0, 128), QColor(128, 128, 128));
    QVERIFY(ContrastRatio(QColor(0, 0, 128), lighter) >= 4.5);
    QVERIFY(lighter.lightness() > 128);
  }

  // Return presses the focused button, else Ok; Escape is Cancel.
  void colourDialogKeys() {
    host_ = Host{};
    host_.colours.evenPoints = 0x123456;
    {
      TForm2 form(nullptr, host_, chooser_);
      form.Button7->setFocus();
      QTest::keyClick(form.Button7, Qt::Key_Return);
      QCOMPARE(host_.colours, BoardColours{});
      QVERIFY(form.isVisible());
      QVERIFY(form.ok->isDefault());
      form.setFocus();
      QTest::keyClick(&form, Qt::Key_Enter);
      QVERIFY(!form.isVisible());
      QCOMPARE(host_.colours, BoardColours{});
    }
    host_.colours.evenPoints = 0x123456;
    const BoardColours opened = host_.colours;
    TForm2 form(nullptr, host_, chooser_);
    form.Button7Click();
    QTest::keyClick(&form, Qt::Key_Escape);
    QVERIFY(!form.isVisible());
    QCOMPARE(host_.colours, opened);
  }

  void aboutBoxClosesOnEnter() {
    TAboutBox box(nullptr);
    QTimer::singleShot(0, &box, [&] { QTest::keyClick(&box, Qt::Key_Enter); });
    QCOMPARE(box.exec(), int(QDialog::Accepted));
  }
};

}  // namespace morvik

using namespace morvik;

QTEST_MAIN(LegibilityTest)
#include "legibility_test.moc"
