#include "schedule/HealthDeadlineList.h"

#include "core/DateText.h"
#include "kennel/DogCards.h"
#include "kennel/HealthBooklet.h"
#include "storage/DogRecord.h"
#include "storage/HealthRecord.h"
#include "storage/ProgramFolder.h"

namespace HealthDeadlineList {

namespace {

    // The printed columns' widths in characters: a due date, and the widths
    // of the booklet's fields (a longer dog's name is cut).
    constexpr int printedWidths[] = { 10, 24, 16, 40, 11, 40 };
    constexpr int cellCount = int(std::size(printedWidths));
    constexpr int columnGap = 2;

    QString printedLine(const QStringList &cells)
    {
        QString line;
        for (int column = 0; column < cellCount; ++column) {
            const int width = printedWidths[column];
            line += cells.value(column).left(width).leftJustified(column + 1 < cellCount ? width + columnGap : 0);
        }
        return line.trimmed();
    }

} // namespace

std::optional<Problem> check(QStringView from, QStringView to)
{
    const QDate first = DateText::parse(from.trimmed());
    if (!first.isValid()) {
        return Problem { Problem::From,
            QString::fromUtf8("Attenzione: la data iniziale del periodo non esiste. Indicarla nella forma "
                              "gg/mm/aaaa (per esempio 01/03/2026).") };
    }
    const QDate last = DateText::parse(to.trimmed());
    if (!last.isValid()) {
        return Problem { Problem::To,
            QString::fromUtf8("Attenzione: la data finale del periodo non esiste. Indicarla nella forma "
                              "gg/mm/aaaa (per esempio 31/03/2026).") };
    }
    if (last < first) {
        return Problem { Problem::To,
            QString::fromUtf8("Attenzione: la fine del periodo (%1) precede il suo inizio (%2). Indicare una "
                              "data finale dal %2 in poi.")
                .arg(DateText::format(last), DateText::format(first)) };
    }
    return std::nullopt;
}

Period period(QStringView from, QStringView to)
{
    return { DateText::parse(from.trimmed()), DateText::parse(to.trimmed()) };
}

Period defaultPeriod(QDate today)
{
    return { today, today.addDays(30) };
}

ExportRows readRows(const ProgramFolder &folder, const Period &period, QDate today)
{
    const QList<HealthBooklet::Entry> due
        = HealthBooklet::dueBetween(folder.filePath(HealthRecord::fileName()), period.first, period.last);
    QList<qint64> dogs;
    for (const HealthBooklet::Entry &entry : due)
        dogs.append(entry.dog);
    const QHash<qint64, QString> names = DogCards::names(folder.filePath(DogRecord::fileName), dogs);

    ExportRows rows(cellCount);
    const QStringList kinds = HealthDue::kindNames();
    for (const HealthBooklet::Entry &entry : due) {
        const QString cells[] = { DateText::format(entry.due), names.value(entry.dog), kinds.at(int(entry.kind)),
            entry.what, HealthDue::stateWord(HealthDue::state(entry.due, today, entry.noticeDays)),
            entry.veterinarian };
        rows.append(cells);
    }
    return rows;
}

QStringList printedLines(const ExportRows &rows)
{
    QStringList lines { printedLine({ QStringLiteral("Scadenza"), QStringLiteral("Cane"), QStringLiteral("Tipo"),
                            QStringLiteral("Cosa"), QStringLiteral("Stato"), QStringLiteral("Veterinario") }) };
    int width = columnGap * (cellCount - 1);
    for (const int columnWidth : printedWidths)
        width += columnWidth;
    lines.append(QString(width, u'-'));
    for (int row = 0; row < rows.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < cellCount; ++column)
            cells.append(rows.cell(row, column).toString());
        lines.append(printedLine(cells));
    }
    if (rows.rowCount() == 0)
        lines.append(QString::fromUtf8("Nessuna scadenza sanitaria nel periodo."));
    return lines;
}

} // namespace HealthDeadlineList
