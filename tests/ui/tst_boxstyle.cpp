#include "AppFixture.h"
#include "ui/BoxStyle.h"

#include <QLineEdit>
#include <QVBoxLayout>

class tst_BoxStyle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // What the user sees: the focused box is painted yellow, the others Alice
    // blue; the focus moving repaints both.
    void focusedBoxIsYellowOthersAliceBlue()
    {
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        QLineEdit *name = new QLineEdit;
        QLineEdit *breed = new QLineEdit;
        layout->addWidget(name);
        layout->addWidget(breed);
        BoxStyle::applyFocusColours(&window);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));

        const QColor yellow(0xFF, 0xFF, 0x00);
        const QColor aliceBlue(0xF0, 0xF8, 0xFF);
        name->setFocus();
        QTRY_COMPARE(backgroundOf(name), yellow);
        QCOMPARE(backgroundOf(breed), aliceBlue);

        breed->setFocus();
        QTRY_COMPARE(backgroundOf(breed), yellow);
        QCOMPARE(backgroundOf(name), aliceBlue);
    }

private:
    // A pixel well inside the box, away from its border and its text.
    static QColor backgroundOf(QLineEdit *box)
    {
        const QImage image = box->grab().toImage();
        return image.pixelColor(image.width() - 6, image.height() / 2);
    }
};

ZAMPORA_GUI_TEST_MAIN(tst_BoxStyle)
#include "tst_boxstyle.moc"
