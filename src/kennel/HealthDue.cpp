#include "kennel/HealthDue.h"

QStringList HealthDue::kindNames()
{
    return { QStringLiteral("Vaccinazione"), QStringLiteral("Sverminazione"), QStringLiteral("Antiparassitario"),
        QStringLiteral("Visita"), QStringLiteral("Esame/Test"), QStringLiteral("Terapia"), QStringLiteral("Altro") };
}

QStringList HealthDue::usualVaccines()
{
    return { QStringLiteral("cimurro"), QStringLiteral("epatite"), QStringLiteral("parvovirosi"),
        QStringLiteral("leptospirosi"), QStringLiteral("rabbia"), QStringLiteral("tosse dei canili"),
        QStringLiteral("leishmaniosi") };
}

HealthDue::Interval HealthDue::defaultInterval(Kind kind, QDate treated, QDate birth)
{
    const bool puppy = birth.isValid() && treated.isValid() && birth.daysTo(treated) < puppySeriesDays;
    switch (kind) {
    case Kind::Vaccinazione:
        return puppy ? Interval { 0, 21 } : Interval { 12, 0 };
    case Kind::Sverminazione:
        return puppy ? Interval { 0, 14 } : Interval { 3, 0 };
    case Kind::Antiparassitario:
        return { 1, 0 };
    case Kind::Visita:
    case Kind::EsameTest:
        return { 12, 0 };
    case Kind::Terapia:
    case Kind::Altro:
        break;
    }
    return {};
}

QDate HealthDue::dueAfter(QDate given, Interval interval)
{
    if (!given.isValid() || interval.isNone())
        return {};
    return given.addMonths(interval.months).addDays(interval.days);
}

HealthDue::State HealthDue::state(QDate due, QDate today, int noticeDays)
{
    if (!due.isValid())
        return State::None;
    const qint64 daysLeft = today.daysTo(due);
    if (daysLeft < 0)
        return State::Overdue;
    return daysLeft <= noticeDays ? State::DueSoon : State::Ok;
}

QString HealthDue::stateWord(State state)
{
    switch (state) {
    case State::Overdue:
        return QStringLiteral("scaduto");
    case State::DueSoon:
        return QStringLiteral("in scadenza");
    case State::Ok:
        return QStringLiteral("ok");
    case State::None:
        break;
    }
    return {};
}
