#include "AppFixture.h"
#include "ui/EnterKeyRing.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>

// Three boxes in a shown, active window, as the windows have them.
class tst_EnterKeyRing : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(m_window.get());
        for (QLineEdit *&box : m_boxes)
            layout->addWidget(box = new QLineEdit);
        m_ring = new EnterKeyRing(m_window.get());
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void enterFollowsTheChain_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    }

    void enterFollowsTheChain()
    {
        QFETCH(int, key);
        m_ring->chain({ m_boxes[0], m_boxes[1], m_boxes[2] });
        m_boxes[0]->setFocus();
        QTest::keyClick(m_boxes[0], Qt::Key(key));
        QVERIFY(m_boxes[1]->hasFocus());
        QTest::keyClick(m_boxes[1], Qt::Key(key));
        QVERIFY(m_boxes[2]->hasFocus());
        // The last box has no successor: Enter stays with it.
        QTest::keyClick(m_boxes[2], Qt::Key(key));
        QVERIFY(m_boxes[2]->hasFocus());
    }

    void otherKeysReachTheBox()
    {
        m_ring->chain({ m_boxes[0], m_boxes[1] });
        m_boxes[0]->setFocus();
        QTest::keyClicks(m_boxes[0], QStringLiteral("Fido"));
        QCOMPARE(m_boxes[0]->text(), QStringLiteral("Fido"));
        QVERIFY(m_boxes[0]->hasFocus());
    }

    // A link asks for its target at each Enter, so a window can skip boxes
    // that are hidden or disabled at that moment; no target leaves Enter alone.
    void linkTargetIsChosenAtEachEnter()
    {
        QLineEdit *next = m_boxes[2];
        m_ring->link(m_boxes[0], [&next] { return next; });
        m_boxes[0]->setFocus();
        QTest::keyClick(m_boxes[0], Qt::Key_Return);
        QVERIFY(m_boxes[2]->hasFocus());

        next = m_boxes[1];
        m_boxes[0]->setFocus();
        QTest::keyClick(m_boxes[0], Qt::Key_Return);
        QVERIFY(m_boxes[1]->hasFocus());

        next = nullptr;
        m_boxes[0]->setFocus();
        QTest::keyClick(m_boxes[0], Qt::Key_Return);
        QVERIFY(m_boxes[0]->hasFocus());
    }

    // In a window that is no dialog a button takes no Enter by itself: the
    // ring's button, and one given to the ring, are pressed by it.
    void enterPressesAButton()
    {
        auto *find = new QPushButton(QStringLiteral("Trova"), m_window.get());
        auto *open = new QPushButton(QStringLiteral("OK"), m_window.get());
        find->show();
        open->show();
        m_ring->chain({ m_boxes[0], find });
        m_ring->pressOnEnter(open);
        QSignalSpy found(find, &QPushButton::clicked);
        QSignalSpy opened(open, &QPushButton::clicked);
        m_boxes[0]->setFocus();
        QTest::keyClick(m_boxes[0], Qt::Key_Return);
        QVERIFY(find->hasFocus());
        QCOMPARE(found.count(), 0);
        QTest::keyClick(find, Qt::Key_Return);
        QTest::keyClick(find, Qt::Key_Enter);
        QCOMPARE(found.count(), 2);
        QVERIFY(find->hasFocus());
        QTest::keyClick(open, Qt::Key_Return);
        QCOMPARE(opened.count(), 1);
    }

private:
    std::unique_ptr<QWidget> m_window;
    QLineEdit *m_boxes[3] = {};
    EnterKeyRing *m_ring = nullptr;
};

ZAMPORA_GUI_TEST_MAIN(tst_EnterKeyRing)
#include "tst_enterkeyring.moc"
