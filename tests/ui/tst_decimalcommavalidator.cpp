// A weight typed or pasted into a decimal box arrives as typed, with the
// point read as the comma, or not at all; the box's own keys work as usual.
#include "AppFixture.h"

#include "ui/DecimalCommaValidator.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

class tst_DecimalCommaValidator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_box = std::make_unique<QLineEdit>();
        m_box->setValidator(new DecimalCommaValidator(3, m_box.get()));
        m_box->show();
        m_box->setFocus();
    }

    void typed_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::newRow("point for the comma") << "12.5" << "12,5";
        QTest::newRow("comma") << "12,35" << "12,35";
        QTest::newRow("minus refused") << "-5" << "5";
        QTest::newRow("letters refused") << "1a2" << "12";
        QTest::newRow("second comma refused") << "1,2,3" << "1,23";
        QTest::newRow("fourth decimal refused") << "1,2345" << "1,234";
    }

    void typed()
    {
        QFETCH(QString, keys);
        QFETCH(QString, shown);
        QTest::keyClicks(m_box.get(), keys);
        QCOMPARE(m_box->text(), shown);
    }

    // A paste arrives whole, with its point as the comma, or not at all.
    void pasted_data()
    {
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("shown");
        QTest::newRow("point") << "12.5" << "12,5";
        QTest::newRow("minus") << "-5" << "";
        QTest::newRow("unit") << "12 kg" << "";
    }

    void pasted()
    {
        QFETCH(QString, clipboard);
        QFETCH(QString, shown);
        QGuiApplication::clipboard()->setText(clipboard);
        QTest::keySequence(m_box.get(), QKeySequence::Paste);
        QCOMPARE(m_box->text(), shown);
    }

    void editingKeysWorkAsInAnyBox()
    {
        QTest::keyClicks(m_box.get(), QStringLiteral("12,5"));
        QTest::keyClick(m_box.get(), Qt::Key_Home);
        QCOMPARE(m_box->cursorPosition(), 0);
        QTest::keyClick(m_box.get(), Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(m_box->selectedText(), QStringLiteral("1"));
        QTest::keyClick(m_box.get(), Qt::Key_End);
        QCOMPARE(m_box->cursorPosition(), 4);
        QTest::keyClick(m_box.get(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(m_box->selectedText(), QStringLiteral("12,5"));
    }

private:
    std::unique_ptr<QLineEdit> m_box;
};

ZAMPORA_GUI_TEST_MAIN(tst_DecimalCommaValidator)
#include "tst_decimalcommavalidator.moc"
