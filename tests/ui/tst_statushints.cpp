#include "AppFixture.h"
#include "ui/PictureButton.h"
#include "ui/StatusHints.h"

#include <QLabel>

// A window with two hinted controls, one picture button without a hint, a
// background and the status strip, as the archive windows have them.
class tst_StatusHints : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_window->resize(400, 200);
        m_strip = new QLabel(QStringLiteral("Pronto"), m_window.get());
        m_strip->setGeometry(0, 180, 400, 20);
        m_save
            = new PictureButton(QStringLiteral("cmdSalva"), QStringLiteral(":/app/info.svg"), m_window.get());
        m_save->setStatusText(QStringLiteral("Salva la scheda in archivio"));
        m_save->setGeometry(10, 10, 40, 40);
        m_noHint = new PictureButton(
            QStringLiteral("cmdSenza"), QStringLiteral(":/app/guida.svg"), m_window.get());
        m_noHint->setGeometry(60, 10, 40, 40);
        m_box = new QWidget(m_window.get());
        m_box->setGeometry(110, 10, 40, 40);

        auto *hints = new StatusHints(m_strip);
        hints->addPictureButtons(m_window.get());
        hints->addHint(m_box, QStringLiteral("Nome del cane"));
        hints->addBackground(m_window.get());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void enteringAControlWritesItsHint()
    {
        QTest::mouseMove(m_save);
        QCOMPARE(m_strip->text(), QStringLiteral("Salva la scheda in archivio"));
        QTest::mouseMove(m_box);
        QCOMPARE(m_strip->text(), QStringLiteral("Nome del cane"));
    }

    // Back on the background the strip is emptied, not given back the text it
    // had at the start.
    void backgroundEmptiesTheStrip()
    {
        QTest::mouseMove(m_save);
        QTest::mouseMove(m_window.get(), QPoint(300, 100));
        QCOMPARE(m_strip->text(), QString());
    }

    void buttonWithoutDescriptionLeavesTheStrip()
    {
        QTest::mouseMove(m_save);
        QTest::mouseMove(m_noHint);
        QCOMPARE(m_strip->text(), QStringLiteral("Salva la scheda in archivio"));
        QCOMPARE(m_save->accessibleDescription(), QStringLiteral("Salva la scheda in archivio"));
    }

private:
    std::unique_ptr<QWidget> m_window;
    QLabel *m_strip = nullptr;
    PictureButton *m_save = nullptr;
    PictureButton *m_noHint = nullptr;
    QWidget *m_box = nullptr;
};

ZAMPORA_GUI_TEST_MAIN(tst_StatusHints)
#include "tst_statushints.moc"
