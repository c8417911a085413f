#pragma once

#include "ui/RecordNavigator.h"
#include "ui/UnsavedChanges.h"

#include <QStringList>

#include <optional>

class ArchiveWindow;
class QAbstractButton;

// What a card window does its own way; CardController does the rest, in the
// same order for every card.
class CardContent
{
public:
    /// What tells a changed card, in a fixed order: the values Save would
    /// store, and whatever else the card keeps with them (the dog's photo).
    virtual QStringList cardValues() const = 0;
    /// Shows a stored record; the card already stands at its position.
    virtual void showValues(const Record &record) = 0;
    /// Empties the card for a new record and puts the focus where typing starts.
    virtual void blankValues() = 0;
    /// Turns the card shown into the start of a copy, which already has no
    /// position: empties what a copy does not keep and places the focus.
    /// False stops the duplicate, its reason already said.
    virtual bool startCopy() = 0;
    /// The record Save writes, once the card's own checks pass; none, after
    /// the failed check's message, when one does not.
    virtual std::optional<Record> checkedRecord() = 0;
    /// Runs once the record is on the disk, before the user is told.
    virtual void afterSave() { }

protected:
    ~CardContent() = default;
};

// The life of a card on an archive window (dogs, owners, schedule entries):
// one record file walked with the four arrows, New, Save and Duplicate, the
// position of the record shown, and the question about unsaved changes. The
// card's state is taken as unchanged each time it shows what it stands for: a
// stored record, a blank card, a card just saved.
class CardController
{
public:
    struct Buttons
    {
        QAbstractButton *newCard;
        QAbstractButton *save;
        QAbstractButton *duplicate;
        QAbstractButton *first;
        QAbstractButton *previous;
        QAbstractButton *next;
        QAbstractButton *last;
        QAbstractButton *exit;
    };
    struct Setup
    {
        const RecordLayout &layout;
        RecordNavigator::PathSource filePath;
        QLabel *positionLabel;
        Buttons buttons;
        /// What a save that appends says (RecordNavigator).
        QString appendedMessage = RecordNavigator::insertedMessage();
    };

    /// Connects the buttons; the card shows nothing until show() or clear().
    CardController(MessageBoxes &messages, ArchiveWindow *window, CardContent &content, Setup setup);

    /// The position (from 1) of the record shown; none for a new card.
    std::optional<qint64> position() const { return m_navigator.position(); }

    /// Shows a stored record at its position, as the arrows do.
    void show(const Record &record, qint64 position);
    /// A new, empty card.
    void clear();
    /// Save with the card's checks, then the confirmation; true when stored.
    bool save();
    /// A stored card becomes the start of a new one with its values.
    void duplicate();
    /// Proves the record file can be reached; the access message when not.
    bool reachFile() { return m_navigator.reachFile(); }

    /// Before the card is replaced or closed (UnsavedChanges::allowsLeaving).
    bool allowsLeaving() { return m_unsaved.allowsLeaving(); }

private:
    MessageBoxes &m_messages;
    ArchiveWindow *m_window;
    CardContent &m_content;
    RecordNavigator m_navigator;
    UnsavedChanges m_unsaved;
};
