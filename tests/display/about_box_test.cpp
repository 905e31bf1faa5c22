// The About box: the title from the application, its layout, the picture and OK.
#include <QGuiApplication>
#include <QTest>
#include <QTimer>

#include "display/Unit3.h"
#include "display/application_title.h"

namespace morvik {

class AboutBoxTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void titleLabelShowsTheApplicationTitle() {
    SetApplicationTitle(QStringLiteral("Morvik - Ver. 1.10 Beta"));
    TAboutBox box(nullptr);
    QCOMPARE(box.Label3->text(), QString("Morvik - Ver. 1.10 Beta"));
    QVERIFY(box.Label3->font().underline());
  }

  void layout_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Panel1") << "Panel1" << QRect(8, 8, 409, 265);
    QTest::newRow("ProgramIcon") << "ProgramIcon" << QRect(8, 8, 185, 249);
    QTest::newRow("Label3") << "Label3" << QRect(216, 16, 150, 26);
    QTest::newRow("Label1") << "Label1" << QRect(208, 48, 171, 104);
    QTest::newRow("Label4") << "Label4" << QRect(208, 160, 167, 39);
    QTest::newRow("Label2") << "Label2" << QRect(208, 208, 175, 52);
    QTest::newRow("OKButton") << "OKButton" << QRect(335, 284, 75, 25);
  }

  void layout() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    TAboutBox box(nullptr);
    QCOMPARE(box.windowTitle(), QString("About"));
    QCOMPARE(box.size(), QSize(425, 316));
    QVERIFY(box.windowFlags() & Qt::WindowStaysOnTopHint);
    auto* control = box.findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), geometry);
  }

  void textsAndPicture() {
    TAboutBox box(nullptr);
    QCOMPARE(box.Label4->text(), QString("Note: All results will, if possible, be mailed to the "
                                         "below mail-address for statistical purposes."));
    QVERIFY(box.Label1->text().contains("1.5 million games"));
    QVERIFY(box.Label2->text().contains('@'));
    QCOMPARE(box.ProgramIcon->pixmap().size(), QSize(322, 425));
    QVERIFY(box.ProgramIcon->hasScaledContents());
  }

  void okClosesTheBox() {
    TAboutBox box(nullptr);
    QVERIFY(box.OKButton->isDefault());
    QTimer::singleShot(0, &box, [&] {
      QCOMPARE(box.focusWidget(), box.OKButton);
      QTest::keyClick(&box, Qt::Key_Return);
    });
    QCOMPARE(box.exec(), int(QDialog::Accepted));
    QVERIFY(!box.isVisible());
  }
};

}  // namespace morvik

using namespace morvik;

QTEST_MAIN(AboutBoxTest)
#include "about_box_test.moc"
