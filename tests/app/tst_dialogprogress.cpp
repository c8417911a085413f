// The real progress dialog: the work runs on a thread of its own while the
// windows' thread shows its steps, and "Annulla" only asks it to stop.
#include "AppFixture.h"

#include "app/QtPlatform.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

using namespace std::chrono_literals;

QWidget *progressDialog()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("frmAvanzamento") && window->isVisible())
            return window;
    }
    return nullptr;
}

// Calls look on the windows' thread every few milliseconds, from the time the
// dialog shows until look returns true.
class DialogWatch
{
public:
    explicit DialogWatch(std::function<bool(QWidget *)> look)
    {
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this, look] {
            if (QWidget *dialog = progressDialog(); dialog && look(dialog))
                m_timer.stop();
        });
        m_timer.start(5);
    }

private:
    QTimer m_timer;
};

// The work's side: waits until the windows' thread has seen what it looks for.
void waitUntil(const std::atomic<bool> &flag)
{
    for (int i = 0; i < 1000 && !flag; ++i)
        std::this_thread::sleep_for(5ms);
}

struct Undone
{
};

} // namespace

class tst_DialogProgress : public QObject
{
    Q_OBJECT

private:
    DialogProgress m_progress;

private Q_SLOTS:
    void work_runsAwayFromTheWindows_whileTheDialogShowsItsSteps()
    {
        QWidget owner;
        owner.show();
        std::atomic<bool> seenHalf = false;
        std::atomic<bool> seenUnstoppable = false;
        QString title;
        QString label;
        int bar = -1;
        bool modal = false;
        bool stillOpenAfterClose = false;
        DialogWatch watch([&](QWidget *dialog) {
            const QString shown = dialog->findChild<QLabel *>()->text();
            auto *annulla = child<QPushButton>(dialog, "cmdAnnulla");
            if (shown == QString::fromUtf8("Metà strada") && !seenHalf) {
                title = dialog->windowTitle();
                label = annulla->text();
                bar = child<QProgressBar>(dialog, "barAvanzamento")->value();
                modal = dialog->windowModality() == Qt::ApplicationModal;
                seenHalf = true;
            } else if (shown == QStringLiteral("Fino in fondo") && !annulla->isEnabled()) {
                dialog->close(); // refused: nothing stops this step
                stillOpenAfterClose = dialog->isVisible();
                seenUnstoppable = true;
                return true;
            }
            return false;
        });
        QThread *workThread = nullptr;
        bool goOn = false;
        m_progress.run(&owner, QStringLiteral("Prova"), { 0, 0, QStringLiteral("Inizio") },
            [&](Progress::Reporter &reporter) {
                workThread = QThread::currentThread();
                goOn = reporter.report({ 5'000'000'000, 10'000'000'000, QString::fromUtf8("Metà strada") });
                waitUntil(seenHalf);
                reporter.report({ 10, 10, QStringLiteral("Fino in fondo"), false });
                waitUntil(seenUnstoppable);
            });
        QVERIFY(seenHalf && seenUnstoppable && goOn);
        QVERIFY(workThread && workThread != QThread::currentThread());
        QCOMPARE(title, QStringLiteral("Prova"));
        QCOMPARE(label, QStringLiteral("Annulla"));
        QCOMPARE(bar, 500); // thousandths of totals beyond an int
        QVERIFY(modal);
        QVERIFY(stillOpenAfterClose);
        QVERIFY(!progressDialog());
    }

    // "Annulla" asks; the dialog stays, saying that it is stopping, until the
    // work has undone itself, and what the work throws reaches the caller.
    void annulla_asksTheWorkToStop_andTheDialogWaitsForIt()
    {
        std::atomic<bool> stopping = false;
        std::atomic<bool> seenUndoing = false;
        bool openWhileUndoing = false;
        QString labelWhileUndoing;
        DialogWatch watch([&](QWidget *dialog) {
            auto *annulla = child<QPushButton>(dialog, "cmdAnnulla");
            if (!stopping) {
                if (annulla->isEnabled())
                    annulla->click();
                return false;
            }
            openWhileUndoing = dialog->isVisible() && !annulla->isEnabled();
            labelWhileUndoing = dialog->findChild<QLabel *>()->text();
            seenUndoing = true;
            return true;
        });
        bool thrown = false;
        try {
            m_progress.run(nullptr, QStringLiteral("Prova"), {}, [&](Progress::Reporter &reporter) {
                for (int step = 0; reporter.report({ step, 1000, QStringLiteral("Avanti") }); ++step)
                    std::this_thread::sleep_for(1ms);
                stopping = true;
                // Undoing takes a while; the dialog must still be there.
                waitUntil(seenUndoing);
                throw Undone();
            });
        } catch (const Undone &) {
            thrown = true;
        }
        QVERIFY(thrown);
        QVERIFY(seenUndoing);
        QVERIFY(openWhileUndoing);
        QCOMPARE(labelWhileUndoing, QString::fromUtf8("Annullamento in corso…"));
        QVERIFY(!progressDialog());
    }
};

ZAMPORA_GUI_TEST_MAIN(tst_DialogProgress)
#include "tst_dialogprogress.moc"
