#include "calendar/CalendarExport.h"

#include "core/DateText.h"
#include "core/ScheduleRules.h"
#include "kennel/DogCards.h"
#include "storage/DogRecord.h"
#include "storage/HealthRecord.h"
#include "storage/ProgramFolder.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ScheduleRecord.h"
#include "storage/WholeFile.h"

#include <QDir>
#include <QFileInfo>

#include <libical/ical.h>

#include <memory>
#include <optional>

namespace CalendarExport {

WriteError::WriteError(const QString &message)
    : std::runtime_error(message.toStdString())
    , m_message(message)
{
}

namespace {

    // The program's dates and times are Italian wall-clock times.
    constexpr const char *zoneId = "Europe/Rome";

    struct ComponentDeleter
    {
        void operator()(icalcomponent *component) const { icalcomponent_free(component); }
    };
    using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

    QByteArray utf8(const QString &text)
    {
        return text.toUtf8();
    }

    // "hh:mm" with hours 00 to 23 and minutes 00 to 59; nothing otherwise.
    std::optional<QTime> readTime(const QString &text)
    {
        if (text.size() != 5 || text[2] != u':')
            return std::nullopt;
        for (int i : { 0, 1, 3, 4 }) {
            if (!text[i].isDigit() || text[i].unicode() > '9')
                return std::nullopt;
        }
        const QTime time(text.left(2).toInt(), text.mid(3, 2).toInt());
        if (!time.isValid())
            return std::nullopt;
        return time;
    }

    icalproperty *localTime(icalproperty *(*make)(struct icaltimetype), QDate date, QTime time)
    {
        icaltimetype local = icaltime_null_time();
        local.year = date.year();
        local.month = date.month();
        local.day = date.day();
        local.hour = time.hour();
        local.minute = time.minute();
        local.second = 0;
        local.is_date = 0;
        icalproperty *property = make(local);
        icalproperty_add_parameter(property, icalparameter_new_tzid(zoneId));
        return property;
    }

    // One rule of Italian time: from DTSTART on, every year on the last
    // Sunday of the month the clocks move from one offset to the other.
    icalcomponent *observance(icalcomponent *kind, const char *name, int fromSeconds, int toSeconds,
                              const char *start, const char *rule)
    {
        icalcomponent_add_property(kind, icalproperty_new_tzname(name));
        icalcomponent_add_property(kind, icalproperty_new_tzoffsetfrom(fromSeconds));
        icalcomponent_add_property(kind, icalproperty_new_tzoffsetto(toSeconds));
        icalcomponent_add_property(kind, icalproperty_new_dtstart(icaltime_from_string(start)));
        icalcomponent_add_property(kind, icalproperty_new_rrule(icalrecurrencetype_from_string(rule)));
        return kind;
    }

    // The time zone written out in full, so that a reader needs no zone
    // database of its own. The European summer-time rules have held in Italy
    // since 1996, earlier than any schedule the program keeps.
    icalcomponent *romeZone()
    {
        icalcomponent *zone = icalcomponent_new_vtimezone();
        icalcomponent_add_property(zone, icalproperty_new_tzid(zoneId));
        icalcomponent_add_component(zone,
            observance(icalcomponent_new_xdaylight(), "CEST", 3600, 7200, "19700329T020000",
                "FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU"));
        icalcomponent_add_component(zone,
            observance(icalcomponent_new_xstandard(), "CET", 7200, 3600, "19701025T030000",
                "FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU"));
        return zone;
    }

    QString description(const Record &entry)
    {
        using namespace ScheduleRecord;
        const std::pair<const char *, Field> lines[] = {
            { "Proprietario: ", Proprietario },
            { "Nome cane: ", Nome },
            { "Importo in euro: ", Costo },
            { "Appuntamento da confermare: ", DaConfermare },
            { "Pagamento effettuato: ", Effettuata },
        };
        QStringList text;
        for (const auto &[caption, field] : lines)
            text.append(QString::fromUtf8(caption) + entry.value(field));
        return text.join(u'\n');
    }

    icalcomponent *event(const QString &yearFileName, qint64 position, const Record &entry, QDate date, QTime time,
                         const icaltimetype &stamp)
    {
        icalcomponent *event = icalcomponent_new_vevent();
        icalcomponent_add_property(event, icalproperty_new_uid(utf8(uid(yearFileName, position)).constData()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
        icalcomponent_add_property(event, localTime(icalproperty_new_dtstart, date, time));
        const QByteArray summary = utf8(entry.value(ScheduleRecord::Dettagli));
        icalcomponent_add_property(event, icalproperty_new_summary(summary.constData()));
        icalcomponent_add_property(event, icalproperty_new_description(utf8(description(entry)).constData()));

        // The alarm fires on the first day the program counts the entry as
        // imminent; a notice it cannot read gives no alarm, as it gives no
        // notice in the program.
        if (const std::optional<int> notice = ScheduleRules::noticeDays(entry)) {
            icalcomponent *alarm = icalcomponent_new_valarm();
            icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
            icaltriggertype trigger {};
            trigger.time = icaltime_null_time();
            trigger.duration = icaldurationtype_null_duration();
            trigger.duration.is_neg = 1;
            trigger.duration.days = unsigned(*notice);
            icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
            icalcomponent_add_property(alarm, icalproperty_new_description(summary.constData()));
            icalcomponent_add_component(event, alarm);
        }
        return event;
    }

    // A due date is a day, not an appointment: the event takes the whole day
    // and blocks no hour of it. Its alarm rings at nine in the morning of the
    // first day of the notice, the day the program's start-up check first
    // announces it, rather than at midnight.
    constexpr int alarmHour = 9;

    QString healthDescription(const HealthItem &item)
    {
        const HealthBooklet::Entry &entry = item.entry;
        QStringList text { QStringLiteral("Cane: ") + item.dogName,
            QStringLiteral("Tipo: ") + HealthDue::kindNames().at(int(entry.kind)) };
        if (!entry.what.isEmpty())
            text.append(QStringLiteral("Cosa: ") + entry.what);
        if (!entry.veterinarian.isEmpty())
            text.append(QStringLiteral("Veterinario: ") + entry.veterinarian);
        return text.join(u'\n');
    }

    icalcomponent *healthEvent(const HealthItem &item, const icaltimetype &stamp)
    {
        const HealthBooklet::Entry &entry = item.entry;
        icalcomponent *event = icalcomponent_new_vevent();
        icalcomponent_add_property(
            event, icalproperty_new_uid(utf8(uid(HealthRecord::fileName(), entry.position)).constData()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
        icaltimetype day = icaltime_null_date();
        day.year = entry.due.year();
        day.month = entry.due.month();
        day.day = entry.due.day();
        icalcomponent_add_property(event, icalproperty_new_dtstart(day));
        const QByteArray summary = utf8(HealthBooklet::announcement(entry, item.dogName));
        icalcomponent_add_property(event, icalproperty_new_summary(summary.constData()));
        icalcomponent_add_property(event, icalproperty_new_description(utf8(healthDescription(item)).constData()));
        icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));

        icalcomponent *alarm = icalcomponent_new_valarm();
        icalcomponent_add_property(alarm, icalproperty_new_action(ICAL_ACTION_DISPLAY));
        icaltriggertype trigger {};
        trigger.time = icaltime_null_time();
        trigger.duration = icaldurationtype_from_int(alarmHour * 3600 - entry.noticeDays * 86400);
        icalcomponent_add_property(alarm, icalproperty_new_trigger(trigger));
        icalcomponent_add_property(alarm, icalproperty_new_description(summary.constData()));
        icalcomponent_add_component(event, alarm);
        return event;
    }

    QList<HealthItem> healthItems(const ProgramFolder &folder, int year)
    {
        const QList<HealthBooklet::Entry> due = HealthBooklet::dueBetween(
            folder.filePath(HealthRecord::fileName()), QDate(year, 1, 1), QDate(year, 12, 31));
        QList<qint64> dogs;
        for (const HealthBooklet::Entry &entry : due)
            dogs.append(entry.dog);
        const QHash<qint64, QString> names = DogCards::names(folder.filePath(DogRecord::fileName), dogs);
        QList<HealthItem> items;
        for (const HealthBooklet::Entry &entry : due)
            items.append({ entry, names.value(entry.dog) });
        return items;
    }

} // namespace

QString uid(const QString &yearFileName, qint64 position)
{
    return yearFileName + u'-' + QString::number(position) + QStringLiteral("@zampora");
}

QByteArray calendarText(const QString &yearFileName, const QList<Record> &entries, const QList<HealthItem> &health,
                        const QDateTime &stamp, Summary *summary)
{
    Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Zampora//Scadenze e Appuntamenti//IT"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_component(calendar.get(), romeZone());

    const icaltimetype utcStamp
        = icaltime_from_timet_with_zone(stamp.toSecsSinceEpoch(), 0, icaltimezone_get_utc_timezone());
    Summary counted;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const Record &entry = entries[i];
        const QDate date = DateText::parse(entry.value(ScheduleRecord::Data));
        const std::optional<QTime> time = readTime(entry.value(ScheduleRecord::Ora));
        if (!date.isValid() || !time) {
            ++counted.skipped;
            continue;
        }
        icalcomponent_add_component(calendar.get(), event(yearFileName, i + 1, entry, date, *time, utcStamp));
        ++counted.written;
    }
    for (const HealthItem &item : health) {
        icalcomponent_add_component(calendar.get(), healthEvent(item, utcStamp));
        ++counted.health;
    }
    if (summary)
        *summary = counted;

    char *text = icalcomponent_as_ical_string_r(calendar.get());
    const QByteArray bytes(text);
    icalmemory_free_buffer(text);
    return bytes;
}

Summary exportYear(const ProgramFolder &folder, int year, const QString &icsPath, const QDateTime &stamp)
{
    if (folder.keeps(icsPath))
        throw WriteError(keptFileMessage(icsPath));
    const QString yearFileName = ScheduleRecord::fileNameForYear(year);
    QList<Record> entries;
    if (QFileInfo::exists(folder.filePath(yearFileName))) {
        RecordFile file;
        file.openOrCreate(folder.filePath(yearFileName), ScheduleRecord::recordSize);
        while (!file.atEnd()) {
            Record entry(ScheduleRecord::layout());
            file.readNext(entry);
            entries.append(entry);
        }
        file.closeFile();
    }

    Summary summary;
    const QByteArray text = calendarText(yearFileName, entries, healthItems(folder, year), stamp, &summary);
    if (writeWholeFile(icsPath, text)) {
        throw WriteError(
            QStringLiteral("Attenzione: non è stato possibile scrivere il file %1.").arg(QDir::toNativeSeparators(icsPath)));
    }
    return summary;
}

QString closingMessage(const Summary &summary)
{
    QString message = summary.written == 1
        ? QStringLiteral("Il calendario è stato esportato con 1 scadenza")
        : QStringLiteral("Il calendario è stato esportato con %1 scadenze").arg(summary.written);
    if (summary.health == 1)
        message += QStringLiteral(" e 1 scadenza sanitaria");
    else if (summary.health > 1)
        message += QStringLiteral(" e %1 scadenze sanitarie").arg(summary.health);
    message += u'.';
    if (summary.skipped == 1) {
        message += QStringLiteral("\n\r\n\r1 scheda non è stata esportata perché la sua data o la sua ora "
                                  "non sono leggibili.");
    } else if (summary.skipped > 1) {
        message += QStringLiteral("\n\r\n\r%1 schede non sono state esportate perché la loro data o la loro ora "
                                  "non sono leggibili.")
                       .arg(summary.skipped);
    }
    return message;
}

} // namespace CalendarExport
