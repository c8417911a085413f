#include "core/ScheduleRules.h"

#include "core/DateText.h"
#include "storage/ProgramFolder.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/Windows1252.h"

#include <QFileInfo>

namespace ScheduleRules {

namespace {

    // A field's text as its stored bytes, trimmed as fromShortText trims.
    // Dates and notices are plain digits, so reading them needs no decoding:
    // the start-up check then costs little more than reading the file.
    QLatin1StringView fieldBytes(RecordView entry, ScheduleRecord::Field field)
    {
        const QByteArrayView bytes = entry.storedBytes(field);
        return QLatin1StringView(bytes.data(), bytes.size());
    }

    std::optional<int> readNotice(QLatin1StringView text)
    {
        if (text.isEmpty())
            return std::nullopt;
        int days = 0;
        for (const char c : text) {
            if (c < '0' || c > '9')
                return std::nullopt;
            days = days * 10 + (c - '0');
            if (days > 100000000) // no file field is that long; keeps addDays sane
                return std::nullopt;
        }
        return days;
    }

    enum class Rule { Empty, ShorterThanTwo };

    struct Check
    {
        ScheduleRecord::Field field;
        Rule rule;
        const char *message;
    };

    // The checks of a card, in the order Save makes them.
    constexpr Check checks[] = {
        { ScheduleRecord::Giorno, Rule::Empty,
            "Attenzione: per salvare la scheda è necessario indicare il giorno della scadenza." },
        { ScheduleRecord::Giorno, Rule::ShorterThanTwo,
            "Attenzione: per salvare la scheda è necessario indicare il giorno della scadenza usando due cifre." },
        { ScheduleRecord::Mese, Rule::Empty,
            "Attenzione: per salvare la scheda è necessario indicare il mese della scadenza." },
        { ScheduleRecord::OreApp, Rule::Empty,
            "Attenzione: per salvare la scheda è necessario indicare l'ora dell'appuntamento." },
        { ScheduleRecord::MinutiApp, Rule::Empty,
            "Attenzione: per salvare la scheda è necessario indicare i minuti dell'ora dell'appuntamento." },
        { ScheduleRecord::OreApp, Rule::ShorterThanTwo,
            "Attenzione: per salvare la scheda è necessario indicare l'ora dell'appuntamento usando due cifre." },
        { ScheduleRecord::MinutiApp, Rule::ShorterThanTwo,
            "Attenzione: per salvare la scheda è necessario indicare i minuti dell'ora dell'appuntamento "
            "usando due cifre." },
        { ScheduleRecord::Avviso, Rule::Empty,
            "Attenzione: per salvare la scheda è necessario indicare i giorni di preavviso." },
        { ScheduleRecord::Proprietario, Rule::Empty,
            "Attenzione: per salvare la scheda è necessario indicare il nome del proprietario del cane." },
        { ScheduleRecord::Nome, Rule::Empty,
            "Attenzione: per salvare la scheda è necessario indicare il nome del cane a cui la scadenza "
            "si riferisce." },
        { ScheduleRecord::Dettagli, Rule::Empty,
            "Attenzione: per salvare la scheda è necessario indicare la causale della scadenza." },
    };

    const QString validDateNeeded = QStringLiteral("Per poter salvare la scheda è necessario indicare una data valida.");

} // namespace

bool isImminent(QDate deadline, int noticeDays, QDate day)
{
    return deadline.addDays(-noticeDays) <= day && day <= deadline;
}

std::optional<bool> isImminentOn(RecordView entry, QDate day)
{
    const QDate deadline = DateText::parse(fieldBytes(entry, ScheduleRecord::Data));
    const std::optional<int> notice = noticeDays(entry);
    if (!deadline.isValid() || !notice)
        return std::nullopt;
    return isImminent(deadline, *notice, day);
}

std::optional<int> noticeDays(RecordView entry)
{
    return readNotice(fieldBytes(entry, ScheduleRecord::Avviso));
}

QStringList imminentYearFiles(const ProgramFolder &folder, QDate day)
{
    QStringList files { folder.filePath(ScheduleRecord::fileNameForYear(day.year())) };
    const QString nextYear = folder.filePath(ScheduleRecord::fileNameForYear(day.year() + 1));
    if (QFileInfo::exists(nextYear))
        files.append(nextYear);
    return files;
}

qint64 countImminent(const ProgramFolder &folder, QDate day)
{
    qint64 imminent = 0;
    for (const QString &yearFile : imminentYearFiles(folder, day)) {
        RecordFile file;
        file.openOrCreate(yearFile, ScheduleRecord::recordSize);
        while (!file.atEnd()) {
            // Judged where it was read, without a copy: two fields of each.
            const RecordView entry(ScheduleRecord::layout(), file.readNextInPlace());
            // An entry that cannot be judged (written by another program, or
            // damaged) must not hide the deadlines stored after it.
            if (isImminentOn(entry, day).value_or(false))
                ++imminent;
        }
        file.closeFile();
    }
    return imminent;
}

QSet<QDate> daysWithEntries(const ProgramFolder &folder, int year)
{
    const QString yearFile = folder.filePath(ScheduleRecord::fileNameForYear(year));
    QSet<QDate> days;
    if (!QFileInfo::exists(yearFile))
        return days;
    RecordFile file;
    file.openOrCreate(yearFile, ScheduleRecord::recordSize);
    while (!file.atEnd()) {
        const RecordView entry(ScheduleRecord::layout(), file.readNextInPlace());
        const QDate day = DateText::parse(fieldBytes(entry, ScheduleRecord::Data));
        if (day.year() == year)
            days.insert(day);
    }
    file.closeFile();
    return days;
}

void appendChronologicalKey(QString &text, RecordView entry)
{
    // Each stored byte is one character: the month is bytes 3 and 4 of Data,
    // as many of them as it holds.
    const QByteArrayView date = entry.storedBytes(ScheduleRecord::Data);
    Windows1252::appendDecoded(text, date.size() > 3 ? date.sliced(3, std::min<qsizetype>(2, date.size() - 3)) : QByteArrayView());
    for (const int field : { ScheduleRecord::Giorno, ScheduleRecord::OreApp, ScheduleRecord::MinutiApp })
        Windows1252::appendDecoded(text, entry.storedBytes(field));
}

std::optional<SaveProblem> checkForSave(Record &entry)
{
    for (const Check &check : checks) {
        const qsizetype length = entry.value(check.field).size();
        if (check.rule == Rule::Empty ? length == 0 : length < 2)
            return SaveProblem { check.field, QString::fromUtf8(check.message) };
    }
    entry.setValue(ScheduleRecord::Ora,
        entry.value(ScheduleRecord::OreApp) + u':' + entry.value(ScheduleRecord::MinutiApp));

    const std::optional<int> month = ScheduleRecord::monthNumber(entry.value(ScheduleRecord::Mese));
    if (!month) {
        return SaveProblem { ScheduleRecord::Mese,
            QStringLiteral("Attenzione: selezionare il mese dal menu a cascata.\n\r\n\r") + validDateNeeded };
    }
    const QString date = entry.value(ScheduleRecord::Giorno) + u'/' + QStringLiteral("%1").arg(*month, 2, 10, QLatin1Char('0'))
        + u'/' + entry.value(ScheduleRecord::Anno);
    entry.setValue(ScheduleRecord::Data, date);
    if (!DateText::parse(date).isValid()) {
        return SaveProblem { ScheduleRecord::Giorno,
            QStringLiteral("Attenzione: la data ") + entry.value(ScheduleRecord::Data) + QStringLiteral(" non esiste.")
                + QStringLiteral("\n\r\n\r") + validDateNeeded,
            true };
    }
    return std::nullopt;
}

} // namespace ScheduleRules
