#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// When the next treatment of a dog's health booklet falls due, and how near
// it is: the intervals a keeper would otherwise count by hand (a booster a
// year on, the next dose of a puppy's series three weeks on) and the state a
// due date is in on a given day.
namespace HealthDue {

/// What an entry of the booklet records.
enum class Kind { Vaccinazione, Sverminazione, Antiparassitario, Visita, EsameTest, Terapia, Altro };

/// The kinds as the booklet names them, in the order of Kind.
QStringList kindNames();

/// The usual vaccines, offered in the booklet's drop-down beside free text.
QStringList usualVaccines();

/// A span of whole months and days; months are counted first, so that a
/// date keeps its day of the month (or the month's last day, when shorter).
struct Interval
{
    int months = 0;
    int days = 0;
    bool isNone() const { return months == 0 && days == 0; }
    bool operator==(const Interval &) const = default;
};

/// A dog under this many days old when treated is in its puppy series.
inline constexpr int puppySeriesDays = 16 * 7;

/// The interval after which an entry of kind, given on treated to a dog
/// born on birth (invalid when unknown), is due again; none for a kind that
/// is not repeated (a therapy, anything else). A puppy's vaccinations come
/// three weeks apart and its wormings two; a grown dog's vaccinations,
/// visits and tests come yearly, wormings every three months and
/// antiparasitics monthly.
Interval defaultInterval(Kind kind, QDate treated, QDate birth);

/// The day interval after given; an invalid date for none.
QDate dueAfter(QDate given, Interval interval);

/// How near a due date is.
enum class State { None, Overdue, DueSoon, Ok };

/// Overdue once the due day has passed, due soon from noticeDays before it
/// to the day itself, Ok before that; None without a due date.
State state(QDate due, QDate today, int noticeDays);

/// "scaduto", "in scadenza", "ok", or nothing for None.
QString stateWord(State state);

/// The notice a new entry takes, in days.
inline constexpr int defaultNoticeDays = 7;

} // namespace HealthDue
