#pragma once

#include <QString>

#include <functional>

class QWidget;

// Long work (a backup, a restore, a large export) done away from the windows'
// thread while a modal dialog says how far it has come and offers "Annulla".
// The windows stay painted and the program answers the desktop meanwhile, but
// no other window takes input until the work has ended.
class Progress
{
public:
    /// One step of the work as the dialog shows it: done of total (in any
    /// unit; a total of 0 shows a busy bar) and what is going on. A step that
    /// is not cancellable greys "Annulla" out: the work has reached a point
    /// it must finish.
    struct Step
    {
        qint64 done = 0;
        qint64 total = 0;
        QString label;
        bool cancellable = true;
    };

    /// What the work reports through, from its own thread.
    class Reporter
    {
    public:
        virtual ~Reporter() = default;
        /// Shows the step; false once the user has asked the work to stop.
        /// The work stops at the next point where stopping leaves everything
        /// as it was, by throwing an exception of its own.
        virtual bool report(const Step &step) = 0;
    };
    using Work = std::function<void(Reporter &)>;

    virtual ~Progress() = default;

    /// Runs work while a modal dialog titled title, over owner, shows its
    /// steps, starting from first; returns once work has returned. Work must
    /// not touch a window nor show a message: whatever it throws is thrown
    /// again here, once the dialog has closed, for the caller to show.
    virtual void run(QWidget *owner, const QString &title, const Step &first, const Work &work) = 0;
};
