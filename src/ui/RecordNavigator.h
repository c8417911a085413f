#pragma once

#include "platform/MessageBoxes.h"
#include "storage/Record.h"

#include <QString>

#include <functional>
#include <optional>

class QLabel;
class QWidget;
class RecordFile;
class UnsavedChanges;

// What the card windows (dogs, owners, schedule entries) share: walking one
// record file with the four arrows, and saving the card in place or at the
// end. The position of the record shown is the card's only link to the file;
// none means the card has not been stored yet. The position label shows it
// and is never read back. Every action opens the file, creating it
// empty when missing, and closes it before it returns; on any failure the
// access message appears (an error box unless the window asks for another
// kind) and the card stays as it was.
//
// The record a stored card was shown with (or last saved as) is kept, so that
// a save can tell whether another copy of the program has changed it since:
// records are addressed by position, and a save must not silently undo the
// other copy's work.
class RecordNavigator
{
public:
    using PathSource = std::function<QString()>;
    using ShowRecord = std::function<void(const Record &record, qint64 position)>;
    /// Whether to save over a record another copy of the program changed.
    using ChangedElsewhere = std::function<bool()>;

    struct Saved
    {
        qint64 position;
        bool replaced; // false when the card was appended
    };

    /// filePath() names the record file at each action; show() fills the card
    /// from a record read at a position (passing it on to shown()).
    /// appendedMessage confirms a new card: the schedule says "salvata" where
    /// the dog and owner cards say "inserita".
    RecordNavigator(MessageBoxes &messages, QWidget *window, QLabel *positionLabel,
                    const RecordLayout &layout, PathSource filePath, ShowRecord show,
                    QString appendedMessage = insertedMessage(),
                    MessageBoxes::Kind failureKind = MessageBoxes::Kind::Error);

    /// "La scheda corrente è stata inserita in archivio."
    static QString insertedMessage();
    /// The Yes/No question a save asks, unless the window decides otherwise,
    /// when the record it replaces changed since the card showed it.
    static QString changedElsewhereQuestion();

    /// The position (from 1) of the record the card shows; none for a card
    /// not stored yet.
    std::optional<qint64> position() const { return m_position; }
    /// The card stands for no stored record any more: a new card, or a copy.
    void forgetPosition();

    /// From now on a move that would show another record asks first about
    /// the card's unsaved changes; a move that shows nothing asks nothing.
    void guardMovesWith(UnsavedChanges &changes) { m_unsaved = &changes; }
    /// Replaces the question a save asks about a record changed elsewhere:
    /// decide() says whether to save over it.
    void whenChangedElsewhere(ChangedElsewhere decide) { m_changedElsewhere = std::move(decide); }
    /// From now on a file larger than maxRecords records is refused unread
    /// by every action, which then shows why.
    void refuseFilesBeyond(qint64 maxRecords) { m_maxRecords = maxRecords; }

    /// Every way a record reaches the card ends here: the card takes its
    /// position, which the label shows, and a later save checks that the file
    /// still holds record there.
    void shown(const Record &record, qint64 position);

    void first();
    void previous();
    void next();
    void last();

    /// Replaces the record at the shown position, or appends a new card, and
    /// shows the position it was written at. Nothing is said yet: the window
    /// may finish its own work before confirm(). A record changed elsewhere
    /// since it was shown is replaced only when the window (by default the
    /// user) agrees.
    std::optional<Saved> save(const Record &record);
    /// The information box that tells the user the save went through.
    void confirm(const Saved &saved) const;

    /// Duplicating needs a stored card: otherwise a warning and false.
    bool allowsDuplicate() const;

    /// Opens the file, creating it empty when missing, and closes it: proves
    /// the archive can be reached. False, after the access message as an
    /// error box, when it cannot.
    bool reachFile();

private:
    struct Move
    {
        enum Kind { Show, Stay, Empty } kind;
        qint64 index = 0;
    };
    template<typename Choose> Move navigate(Choose choose, bool changesSettled = false);
    qint64 shownPosition() const;
    void sayEmpty() const;
    void open(RecordFile &file) const;

    MessageBoxes &m_messages;
    QWidget *m_window;
    QLabel *m_positionLabel;
    const RecordLayout &m_layout;
    PathSource m_filePath;
    ShowRecord m_show;
    QString m_appendedMessage;
    MessageBoxes::Kind m_failureKind;
    UnsavedChanges *m_unsaved = nullptr;
    ChangedElsewhere m_changedElsewhere;
    std::optional<qint64> m_maxRecords;
    std::optional<qint64> m_position;
    QByteArray m_shownRecord; // as the file held it when shown or saved
};
