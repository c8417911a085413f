#pragma once

#include "backup/Backup.h"

namespace Backup {

// Counts the files and bytes a backup or restore has done and tells its
// ProgressReport, throwing Cancelled when the report asks to stop. Each call
// is a point where the work may stop: the caller makes sure that unwinding
// from there leaves everything as it was.
class ProgressCounter
{
public:
    ProgressCounter(const ProgressReport &report, Progress::Stage stage, Totals total)
        : m_report(report)
        , m_progress { stage, {}, total }
    {
    }

    void addBytes(qint64 bytes)
    {
        m_progress.done.bytes += bytes;
        tell();
    }
    void addFile()
    {
        ++m_progress.done.files;
        tell();
    }
    /// Tells the progress again, at a point of return the work has reached.
    void tell()
    {
        if (m_report && !m_report(m_progress))
            throw Cancelled();
    }
    /// Tells of a stage that goes on to its end whatever the report answers.
    void beginUnstoppable(Progress::Stage stage)
    {
        m_progress.stage = stage;
        if (m_report)
            m_report(m_progress);
    }

private:
    const ProgressReport &m_report;
    Progress m_progress;
};

} // namespace Backup
