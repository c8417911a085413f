#pragma once

#include "kennel/DogLogFile.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// A dog's weight log (the weight file of storage/WeightRecord.h) as its
// window shows it: the weighings in date order, the change from one to the
// next and, for a young dog, the average daily gain between them. Weights are
// held in whole grams, so that the arithmetic is exact: a weight is typed
// with at most three decimals of a kilogram.
namespace WeightLog {

struct Weighing
{
    QDate date;
    int grams = 0;
    QString note;
    qint64 position = 0; // 1-based, in the weight file
    // The record as read from the file, which a change or a deletion expects
    // to find there still; empty for a weighing not read from the file.
    QByteArray stored {};
};

/// The most records a weight file may hold: a weighing a day for over 270
/// years, and the largest log whose window is measured to open in good time.
/// A larger file is no log anyone kept (a sparse or damaged file, say) and is
/// refused unread.
inline constexpr qint64 maximumRecords = 100'000;

/// The weight files: their records, their names and their largest size.
extern const DogLogFile::Format format;

/// The heaviest weight accepted, in grams.
inline constexpr int maximumGrams = 150'000;

/// Reads a weight typed in kilograms ("12", "12,3", "12,35", "12,345",
/// trimmed): digits with at most one comma and three decimals, more than 0
/// and at most 150 kg. Nothing for any other text, a point included.
std::optional<int> parseGrams(QStringView kilograms);

/// The weight as the file and the window write it: kilograms with the comma
/// and two or three decimals ("12,35", "12,345", "12,00"); with places 3,
/// always three ("12,350"), so that a column of weights lines up.
QString kilograms(int grams, int places = 2);

/// A change of weight with its sign ("+0,70", "-0,25"; "0,00" for none),
/// its decimals as kilograms() writes them.
QString change(int grams, int places = 2);

/// The decimals a column of these weights needs: 3 when any has grams
/// beyond the tens, else 2.
int placesFor(const QList<Weighing> &weighings);

/// The average gain in grams per day from earlier to later; nothing when
/// they share a date (or later is not later).
std::optional<double> gainPerDay(const Weighing &earlier, const Weighing &later);

/// A gain per day rounded to a tenth of a gram, with its sign and the comma,
/// without a trailing ",0" ("+100", "+83,3", "-28,6", "0").
QString gainText(double gramsPerDay);

/// Whether the gain per day is shown for a weighing made on day: the dog is
/// under a year old then. A dog whose birth date is unknown (invalid) counts
/// as young: the breeder weighing a litter may not have written it yet.
bool isYoung(QDate birth, QDate day);

/// The readable weighings in date order (weighings of one date, which only a
/// file written elsewhere holds, in file order), the empty slots a deleted
/// weighing left, and how many records could not be read as a weighing.
struct Log
{
    QList<Weighing> weighings;
    QList<qint64> emptySlots;
    qint64 unreadable = 0;
};

/// Reads the weight file at path, creating it empty when missing; a record
/// whose date and weight are both blank is an empty slot. Throws
/// RecordFileError, OversizedFileError for a file of more than
/// maximumRecords records, as every function below that opens the file.
Log read(const QString &path);

/// Why a weighing cannot be stored: the Italian warning and which box it concerns.
struct Problem
{
    enum Box { Date, Weight } box;
    QString message;
};

/// Checks a weighing before it is stored, in this order: the date exists as
/// "dd/mm/yyyy" and is not before the dog's birth (when birth is known), the
/// weight is a number of kilograms parseGrams accepts, and no other weighing
/// of the log (the one at editedPosition aside) has that date, unless the
/// weighing at editedPosition keeps its own.
std::optional<Problem> check(QStringView date, QStringView weight, const QList<Weighing> &log,
                             qint64 editedPosition, QDate birth);

/// What to ask (Yes/No) before storing a weighing that passed check() but is
/// unlikely: a date after today, and a weight that differs by more than half
/// from the weighing before it in the log (the one being corrected aside).
/// Either may be right (a puppy can double its weight in a few weeks), so
/// each is a question naming the figures, in that order.
QList<Problem> doubts(const Weighing &weighing, const QList<Weighing> &log, QDate today);

// Each function below opens and closes the file.

/// Stores a new weighing in the first empty slot, else at the end. Returns
/// its position.
qint64 add(const QString &path, const Weighing &weighing);

/// Writes weighing over shown, a weighing read(). False, and nothing written,
/// when shown's record no longer holds what was read: another copy of the
/// program changed or deleted it, and its slot may hold another weighing.
bool replace(const QString &path, const Weighing &shown, const Weighing &weighing);

/// Deletes shown, a weighing read(), by emptying its record: no record moves,
/// and the next new weighing takes the slot. False, and nothing written, as
/// for replace().
bool remove(const QString &path, const Weighing &shown);

} // namespace WeightLog
