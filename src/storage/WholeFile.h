#pragma once

#include <QSaveFile>
#include <QString>

#include <concepts>
#include <optional>

// The one way the program writes a file whole: settings, backups, calendars,
// PDF and spreadsheet documents, album photos. The new content takes the
// file's place only once all of it is on stable storage; any failure leaves
// the earlier file exactly as it was and nothing beside it.
//
// QSaveFile alone does not promise that: with Qt 6.4 its commit() flushes
// while closing without looking at the result and ignores a failed sync, so
// on a full disk it renames a cut or empty file into place and reports
// success. Here the flush and the sync are checked before the rename, and a
// write that failed since opening (whoever ignored its result) cancels it.
class WholeFileWriter
{
public:
    explicit WholeFileWriter(const QString &path);
    WholeFileWriter(const WholeFileWriter &) = delete;
    WholeFileWriter &operator=(const WholeFileWriter &) = delete;

    /// Creates the temporary file beside the path; false when it cannot.
    bool open();
    /// Where the content goes once open: nothing written there shows at the
    /// path before commit().
    QIODevice &device() { return m_file; }
    /// Puts the content in place: true only once the file holds all of it on
    /// stable storage. On false the earlier file is untouched and the
    /// temporary file is gone.
    bool commit();
    /// Why open() or commit() failed.
    QString errorString() const { return m_failure.isEmpty() ? m_file.errorString() : m_failure; }

private:
    QSaveFile m_file;
    QString m_failure;
};

/// Writes the file at path whole from fill(device), which returns false when
/// it could not give all the content. Returns why it failed, or nothing once
/// the file holds the content; a failure leaves the earlier file as it was.
template<typename Fill>
    requires std::invocable<Fill &, QIODevice &>
std::optional<QString> writeWholeFile(const QString &path, Fill &&fill)
{
    WholeFileWriter writer(path);
    if (!writer.open())
        return writer.errorString();
    if (!fill(writer.device()))
        return writer.errorString(); // the unfinished content is discarded with the writer
    if (!writer.commit())
        return writer.errorString();
    return std::nullopt;
}

/// Writes bytes as the whole content of the file at path, as writeWholeFile().
std::optional<QString> writeWholeFile(const QString &path, const QByteArray &bytes);
