#pragma once

#include "kennel/DogLogFile.h"
#include "kennel/HealthDue.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// The health booklets of the dogs (the archive of storage/HealthRecord.h) as
// the booklet's window, the start-up check and the deadline lists see them:
// one dog's entries in date order, whether each is still due, and every dog's
// entries due in a period.
//
// An entry is repeated once the same dog has a later entry of the same kind
// and the same vaccine or product (letter case aside): the booster was given,
// so the earlier due date asks for nothing any more. Only the latest entry
// of each such series can be due.
namespace HealthBooklet {

struct Entry
{
    qint64 dog = 0; // the position of the dog's card
    QDate date;
    HealthDue::Kind kind = HealthDue::Kind::Vaccinazione;
    QString what;
    QString batch;
    QString veterinarian;
    QString result;
    QString note;
    QDate due; // invalid: not to be repeated
    int noticeDays = HealthDue::defaultNoticeDays;
    qint64 position = 0; // 1-based, in the archive
    // The record as read from the archive, which a change or a deletion
    // expects to find there still; empty for an entry not read from it.
    QByteArray stored {};
    // Entries of one dog with the same series repeat each other: the kind and
    // the vaccine or product, letter case aside. Set when read.
    quint64 series = 0;
};

/// The most records the archive may hold: a hundred entries for each of ten
/// thousand dogs. A larger file is no archive anyone kept (a sparse or
/// damaged file, say) and is refused unread.
inline constexpr qint64 maximumRecords = 1'000'000;

/// The archive: its records, its name (one for every dog) and its largest size.
extern const DogLogFile::Format format;

/// The kind whose name (HealthDue::kindNames) is text; nothing for any other.
std::optional<HealthDue::Kind> kindNamed(QStringView text);

/// The entries of one dog in date order (entries of one date in file order),
/// the empty slots a deleted entry left (of any dog) and how many of the
/// dog's records could not be read as an entry. Creates the archive empty
/// when missing. Throws RecordFileError, OversizedFileError for an archive of
/// more than maximumRecords records, as every function below that opens it.
struct Booklet
{
    QList<Entry> entries;
    QList<qint64> emptySlots;
    qint64 unreadable = 0;
};
Booklet read(const QString &path, qint64 dog);

/// Whether a later entry of booklet (the dog's entries) repeats entry.
bool isRepeated(const Entry &entry, const QList<Entry> &booklet);

/// How near entry's due date is on today: None once it is repeated.
HealthDue::State state(const Entry &entry, const QList<Entry> &booklet, QDate today);

/// Why an entry cannot be stored: the Italian warning and which box it concerns.
struct Problem
{
    enum Box { Date, Due, Notice } box;
    QString message;
};

/// The notice typed: a whole number of days from 0 to 365, trimmed.
std::optional<int> parseNotice(QStringView text);

/// Checks an entry before it is stored, in this order: the date exists as
/// "dd/mm/yyyy"; the due date, when given, exists and is not before the
/// date; the notice is a whole number of days parseNotice accepts.
std::optional<Problem> check(QStringView date, QStringView due, QStringView notice);

/// The booster of given, given on today to a dog born on birth (invalid when
/// unknown): the same kind, vaccine or product, veterinarian and notice, due
/// again after the kind's usual interval for the dog's age then.
Entry booster(const Entry &given, QDate today, QDate birth);

// Each function below opens and closes the archive.

/// Stores a new entry in the first empty slot, else at the end. Returns its position.
qint64 add(const QString &path, const Entry &entry);

/// Writes entry over shown, an entry read(). False, and nothing written,
/// when shown's record no longer holds what was read: another copy of the
/// program changed or deleted it, and its slot may hold another entry.
bool replace(const QString &path, const Entry &shown, const Entry &entry);

/// Deletes shown, an entry read(), by emptying its record: no record moves.
/// False, and nothing written, as for replace().
bool remove(const QString &path, const Entry &shown);

// Every dog's due dates, read without creating the archive (none without it).

/// The entries, of any dog and not repeated, that are overdue on today or
/// due within their notice: what the start-up check announces. In order of
/// due date.
QList<Entry> toAnnounce(const QString &path, QDate today);

/// The entries, of any dog and not repeated, due from first to last
/// included. In order of due date.
QList<Entry> dueBetween(const QString &path, QDate first, QDate last);

/// The line that announces entry of the dog named dogName:
/// "Richiamo rabbia — Rex, 14/03/2026" for a vaccination, the kind and what
/// otherwise ("Sverminazione Drontal — Rex, 14/03/2026").
QString announcement(const Entry &entry, const QString &dogName);

} // namespace HealthBooklet
