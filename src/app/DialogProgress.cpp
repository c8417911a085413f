#include "app/QtPlatform.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <thread>

namespace {

// The bar counts in thousandths: the work's own units (bytes of a backup of
// several gigabytes) need not fit in an int.
constexpr int barSteps = 1000;

// A QProgressDialog that never closes itself: its own cancel() would hide it
// at once, while the work is still running. Here "Annulla", Escape and the
// window's close button only ask the work to stop.
class WorkDialog final : public QProgressDialog
{
public:
    WorkDialog(QWidget *owner, const QString &title)
        : QProgressDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
        , m_bar(new QProgressBar(this))
        , m_cancel(new QPushButton(QStringLiteral("Annulla"), this))
    {
        setObjectName(QStringLiteral("frmAvanzamento"));
        setWindowTitle(title);
        setWindowModality(Qt::ApplicationModal);
        setAutoClose(false);
        setAutoReset(false);
        setMinimumWidth(480);
        m_bar->setObjectName(QStringLiteral("barAvanzamento"));
        m_bar->setTextVisible(false);
        m_cancel->setObjectName(QStringLiteral("cmdAnnulla"));
        // The bar is set directly, never through setValue(), which would run
        // the event loop from inside the handler of a step.
        setBar(m_bar);
        setCancelButton(m_cancel);
        // Drops the dialog's own cancel(), connected by name, which no pointer
        // to it matches.
        disconnect(this, &QProgressDialog::canceled, this, nullptr);
        connect(this, &QProgressDialog::canceled, this, [this] {
            m_cancelled = true;
            m_cancel->setEnabled(false);
            setLabelText(QString::fromUtf8("Annullamento in corso…"));
        });
    }

    bool cancelled() const { return m_cancelled; }

    void showStep(const Progress::Step &step)
    {
        m_bar->setRange(0, step.total > 0 ? barSteps : 0);
        if (step.total > 0)
            m_bar->setValue(int(std::clamp<qint64>(step.done * barSteps / step.total, 0, barSteps)));
        // Once asked to stop, the dialog says so until the work ends, unless
        // the work has gone past its last point of return.
        if (m_cancelled && step.cancellable)
            return;
        setLabelText(step.label);
        m_cancel->setEnabled(step.cancellable);
    }

    void reject() override
    {
        if (m_cancel->isEnabled())
            m_cancel->click();
    }

protected:
    void closeEvent(QCloseEvent *event) override
    {
        event->ignore();
        reject();
    }

private:
    QProgressBar *m_bar;
    QPushButton *m_cancel;
    std::atomic<bool> m_cancelled = false;
};

// Carries the work's steps to the dialog. Steps come faster than the screen
// needs them: only the latest is kept, and one delivery at a time is queued.
class QueuedReporter final : public Progress::Reporter
{
public:
    explicit QueuedReporter(WorkDialog &dialog)
        : m_dialog(dialog)
    {
    }

    bool report(const Progress::Step &step) override
    {
        bool queue = false;
        {
            const std::lock_guard lock(m_mutex);
            m_latest = step;
            queue = !std::exchange(m_queued, true);
        }
        if (queue)
            QMetaObject::invokeMethod(&m_dialog, [this] { deliver(); }, Qt::QueuedConnection);
        return !m_dialog.cancelled();
    }

private:
    void deliver()
    {
        Progress::Step step;
        {
            const std::lock_guard lock(m_mutex);
            step = m_latest;
            m_queued = false;
        }
        m_dialog.showStep(step);
    }

    WorkDialog &m_dialog;
    std::mutex m_mutex;
    Progress::Step m_latest;
    bool m_queued = false;
};

} // namespace

void DialogProgress::run(QWidget *owner, const QString &title, const Step &first, const Work &work)
{
    std::exception_ptr failure;
    QEventLoop loop;
    WorkDialog dialog(owner, title);
    // A delivery still queued when the loop ends is never run: no event is
    // handled before the dialog, going, drops it.
    QueuedReporter reporter(dialog);
    dialog.showStep(first);
    dialog.show();
    std::thread worker([&] {
        try {
            work(reporter);
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    worker.join();
    if (failure)
        std::rethrow_exception(failure);
}
