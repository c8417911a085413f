#include "ui/RecordNavigator.h"

#include "platform/MessageBoxes.h"
#include "storage/RecordFile.h"
#include "ui/FileActionGuard.h"
#include "ui/UnsavedChanges.h"

#include <QLabel>

#include <algorithm>

RecordNavigator::RecordNavigator(MessageBoxes &messages, QWidget *window, QLabel *positionLabel,
                                 const RecordLayout &layout, PathSource filePath, ShowRecord show,
                                 QString appendedMessage, MessageBoxes::Kind failureKind)
    : m_messages(messages)
    , m_window(window)
    , m_positionLabel(positionLabel)
    , m_layout(layout)
    , m_filePath(std::move(filePath))
    , m_show(std::move(show))
    , m_appendedMessage(std::move(appendedMessage))
    , m_failureKind(failureKind)
    , m_changedElsewhere([this] { return m_messages.question(m_window, changedElsewhereQuestion()); })
{
}

QString RecordNavigator::insertedMessage()
{
    return QString::fromUtf8("La scheda corrente è stata inserita in archivio.");
}

QString RecordNavigator::changedElsewhereQuestion()
{
    return QString::fromUtf8(
        "La scheda è stata modificata da un'altra copia del programma dopo essere stata "
        "mostrata.\r\n\r\nSalvare comunque le modifiche, sostituendo quelle dell'altra copia?");
}

void RecordNavigator::shown(const Record &record, qint64 position)
{
    m_position = position;
    m_positionLabel->setText(QString::number(position));
    m_shownRecord = record.bytes();
}

void RecordNavigator::forgetPosition()
{
    m_position.reset();
    m_positionLabel->clear();
    m_shownRecord.clear();
}

qint64 RecordNavigator::shownPosition() const
{
    return m_position.value_or(0);
}

void RecordNavigator::open(RecordFile &file) const
{
    file.openOrCreate(m_filePath(), m_layout.recordSize());
    if (m_maxRecords)
        file.refuseBeyond(*m_maxRecords);
}

void RecordNavigator::sayEmpty() const
{
    m_messages.information(m_window, QString::fromUtf8("L'archivio non contiene nessuna scheda."));
}

// Opens the file, lets choose(shown position, record count) pick the record,
// reads it and closes the file; only then is the card changed.
template<typename Choose> RecordNavigator::Move RecordNavigator::navigate(Choose choose, bool changesSettled)
{
    Record record(m_layout);
    Move move { Move::Stay };
    qint64 position = 0;
    const bool done = runFileAction(m_messages, m_window, m_failureKind, [&] {
        RecordFile file;
        open(file);
        const qint64 count = file.recordCount();
        move = count == 0 ? Move { Move::Empty } : choose(shownPosition(), count);
        if (move.kind == Move::Show) {
            file.seekRecord(move.index);
            file.readNext(record);
            position = file.currentIndex();
        }
        file.closeFile();
    });
    if (!done)
        return { Move::Stay };
    if (move.kind == Move::Show && !changesSettled && m_unsaved && m_unsaved->changed()) {
        if (!m_unsaved->allowsLeaving())
            return { Move::Stay };
        // Saving may have given the card a position and the file a record:
        // the move is chosen again from there, as after a press of Save.
        return navigate(choose, true);
    }
    if (move.kind == Move::Show)
        m_show(record, position);
    return move;
}

void RecordNavigator::first()
{
    if (navigate([](qint64, qint64) { return Move { Move::Show, 0 }; }).kind == Move::Empty)
        sayEmpty();
}

void RecordNavigator::last()
{
    if (navigate([](qint64, qint64 count) { return Move { Move::Show, count - 1 }; }).kind == Move::Empty)
        sayEmpty();
}

void RecordNavigator::next()
{
    // A new card (no position, 0) stands before the first record; at the last
    // record nothing happens and nothing is said.
    const Move move = navigate([](qint64 shown, qint64 count) {
        return shown < count ? Move { Move::Show, shown } : Move { Move::Stay };
    });
    if (move.kind == Move::Empty) {
        forgetPosition();
        sayEmpty();
    }
}

void RecordNavigator::previous()
{
    // The first card stays whatever the file holds; a new card goes to the
    // first record. A position beyond the end (the file was replaced behind
    // the card's back) goes to the last record rather than reading past the end.
    const bool onFirst = m_position == 1;
    const Move move = navigate([onFirst](qint64 shown, qint64 count) {
        if (onFirst)
            return Move { Move::Stay };
        return Move { Move::Show, std::clamp<qint64>(shown - 2, 0, count - 1) };
    });
    if (move.kind == Move::Empty && !onFirst)
        sayEmpty();
}

std::optional<RecordNavigator::Saved> RecordNavigator::save(const Record &record)
{
    const qint64 at = shownPosition();
    Saved saved { 0, false };
    bool changedElsewhere = false;
    // The question about a record changed elsewhere is asked with the file
    // closed: another copy waits only a moment for the lock.
    const auto write = [&](bool overChangesElsewhere) {
        return runFileAction(m_messages, m_window, m_failureKind, [&] {
            RecordFile file;
            open(file);
            const qint64 count = file.recordCount();
            // A position beyond the end means the file was replaced or cut
            // behind the card's back: writing there would leave a gap of
            // records that never existed, so the card is appended instead.
            saved.replaced = at > 0 && at <= count;
            changedElsewhere
                = saved.replaced && !overChangesElsewhere && !file.holdsRecord(at - 1, m_shownRecord);
            if (!changedElsewhere) {
                file.seekRecord(saved.replaced ? at - 1 : count);
                file.writeNext(record);
                saved.position = file.currentIndex();
            }
            file.closeFile();
        });
    };
    if (!write(false))
        return std::nullopt;
    if (changedElsewhere && !(m_changedElsewhere() && write(true)))
        return std::nullopt;
    shown(record, saved.position);
    return saved;
}

void RecordNavigator::confirm(const Saved &saved) const
{
    m_messages.information(m_window,
        saved.replaced
            ? QString::fromUtf8("Le modifiche apportate alla scheda corrente sono state salvate in archivio.")
            : m_appendedMessage);
}

bool RecordNavigator::allowsDuplicate() const
{
    if (m_position)
        return true;
    m_messages.warning(m_window,
        QString::fromUtf8("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                          "questa è stata inserita in archivio."));
    return false;
}

bool RecordNavigator::reachFile()
{
    return runFileAction(m_messages, m_window, m_failureKind, [&] {
        RecordFile file;
        open(file);
        file.closeFile();
    });
}
