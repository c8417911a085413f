#include "calendar/CalendarExport.h"
#include "storage/DogRecord.h"
#include "storage/HealthRecord.h"
#include "storage/ProgramFolder.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ScheduleRecord.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeZone>

#include <libical/ical.h>

#include <optional>

namespace {

using Field = ScheduleRecord::Field;

// One entry as the year file holds it, and the event it should become.
struct Entry
{
    QString data;
    QString ora;
    QString avviso;
    QString dettagli;
    QString proprietario;
    QString nome;
    QString costo;
    QString daConfermare;
    QString effettuata;

    Record record() const
    {
        Record entry(ScheduleRecord::layout());
        const std::pair<Field, QString> values[] = {
            { ScheduleRecord::Data, data }, { ScheduleRecord::Ora, ora }, { ScheduleRecord::Avviso, avviso },
            { ScheduleRecord::Dettagli, dettagli }, { ScheduleRecord::Proprietario, proprietario },
            { ScheduleRecord::Nome, nome }, { ScheduleRecord::Costo, costo },
            { ScheduleRecord::DaConfermare, daConfermare }, { ScheduleRecord::Effettuata, effettuata },
        };
        for (const auto &[field, value] : values)
            entry.setValue(field, value);
        return entry;
    }

    QString description() const
    {
        return QString::fromUtf8("Proprietario: %1\nNome cane: %2\nImporto in euro: %3\n"
                                 "Appuntamento da confermare: %4\nPagamento effettuato: %5")
            .arg(proprietario, nome, costo, daConfermare, effettuata);
    }

    /// The moment of the deadline, from the system's own zone database.
    QDateTime start() const
    {
        return QDateTime(QDate::fromString(data, QStringLiteral("dd/MM/yyyy")),
            QTime::fromString(ora, QStringLiteral("hh:mm")), QTimeZone("Europe/Rome"));
    }
};

const QString longReason = QString::fromUtf8("Richiamo è già fissato, però: ").repeated(9).left(250);

// Positions 2 and 4 cannot be read (no 31 February, no hour 25) and are left
// out; position 5 has a notice that is not a number and gets no alarm; the
// last one is half an hour before summer time ends.
const QList<Entry> entries = {
    { "05/03/2025", "09:30", "3", "Vaccino, richiamo; antirabbica", QString::fromUtf8("Niccolò Bianchi"), "Fido",
        "12,50", QString::fromUtf8("Sì"), "No" },
    { "31/02/2025", "10:00", "1", "Data impossibile", "Rossi", "Pippo", "0,00", "No", "No" },
    { "15/07/2025", "18:45", "0", longReason, "Anna Verdi", "Luna", "150,0025", "No", QString::fromUtf8("Sì") },
    { "10/10/2025", "25:00", "2", "Ora impossibile", "Neri", "Rex", "0,00", "No", "No" },
    { "20/10/2025", "08:05", "x", "Toelettatura", "Gialli", "Birba", "30,00", "No", "No" },
    { "26/10/2025", "02:30", "999", "Fine dell'ora legale", "Blu", "Argo", "0,00", "No", "No" },
};
const QList<qint64> exportedPositions = { 1, 3, 5, 6 };

QString text(icalcomponent *component, icalproperty_kind kind)
{
    icalproperty *property = icalcomponent_get_first_property(component, kind);
    return property ? QString::fromUtf8(icalproperty_get_value_as_string(property)) : QString();
}

// A health booklet's entry, and the whole-day event it should become in
// 2026's calendar: its summary and its alarm, in seconds from the day's start.
struct HealthCase
{
    qint64 dog;
    const char *date;
    HealthDue::Kind kind;
    const char *what;
    const char *due;
    int notice;
    const char *veterinarian;
};

// Dog 1 is Rex, dog 2 Luna. The third entry falls due in 2027 and stays out;
// the others come in order of due date, the first and last days of the year
// included.
const HealthCase healthCases[] = {
    { 1, "14/03/2025", HealthDue::Kind::Vaccinazione, "rabbia", "14/03/2026", 7, "Dott. Bianchi" },
    { 2, "01/10/2025", HealthDue::Kind::Sverminazione, "Drontal", "01/01/2026", 0, "" },
    { 1, "05/01/2026", HealthDue::Kind::Vaccinazione, "cimurro", "05/01/2027", 7, "" },
    { 2, "01/12/2026", HealthDue::Kind::Antiparassitario, "", "31/12/2026", 3, "" },
};
struct HealthEvent
{
    qint64 position;
    QString summary;
    QString description;
    QDate day;
    int alarmSeconds;
};
const QList<HealthEvent> healthEvents = {
    { 2, QString::fromUtf8("Sverminazione Drontal — Luna, 01/01/2026"), "Cane: Luna\nTipo: Sverminazione\nCosa: Drontal",
        QDate(2026, 1, 1), 9 * 3600 },
    { 1, QString::fromUtf8("Richiamo rabbia — Rex, 14/03/2026"),
        "Cane: Rex\nTipo: Vaccinazione\nCosa: rabbia\nVeterinario: Dott. Bianchi", QDate(2026, 3, 14),
        -7 * 86400 + 9 * 3600 },
    { 4, QString::fromUtf8("Antiparassitario — Luna, 31/12/2026"), "Cane: Luna\nTipo: Antiparassitario",
        QDate(2026, 12, 31), -3 * 86400 + 9 * 3600 },
};

void writeHealthFolder(const QString &folder)
{
    RecordFile dogs;
    dogs.openOrCreate(folder + "/" + DogRecord::fileName, DogRecord::recordSize);
    for (const char *name : { "Rex", "Luna" }) {
        Record card(DogRecord::layout());
        card.setValue(DogRecord::Nome, QString::fromUtf8(name));
        dogs.writeNext(card);
    }
    dogs.closeFile();
    for (const HealthCase &item : healthCases) {
        HealthBooklet::Entry entry;
        entry.dog = item.dog;
        entry.date = QDate::fromString(item.date, "dd/MM/yyyy");
        entry.kind = item.kind;
        entry.what = QString::fromUtf8(item.what);
        entry.due = QDate::fromString(item.due, "dd/MM/yyyy");
        entry.noticeDays = item.notice;
        entry.veterinarian = QString::fromUtf8(item.veterinarian);
        HealthBooklet::add(folder + "/" + HealthRecord::fileName(), entry);
    }
}

/// The events of a calendar file as Python's icalendar reads them; nothing
/// (and the test skipped) when it is not installed.
std::optional<QJsonArray> readInPython(const QString &ics)
{
    QProcess probe;
    probe.start(QStringLiteral(ZAMPORA_SYSTEM_PYTHON), { "-c", "import icalendar" });
    if (!probe.waitForFinished() || probe.exitCode() != 0)
        return std::nullopt;
    QProcess reader;
    reader.start(QStringLiteral(ZAMPORA_SYSTEM_PYTHON), { QStringLiteral(ZAMPORA_CALENDAR_READER), ics });
    if (!reader.waitForFinished() || reader.exitCode() != 0) {
        qWarning("%s", reader.readAllStandardError().constData());
        return QJsonArray {};
    }
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
}

int errorsIn(icalcomponent *component)
{
    int errors = icalcomponent_count_properties(component, ICAL_XLICERROR_PROPERTY);
    for (icalcomponent *inner = icalcomponent_get_first_component(component, ICAL_ANY_COMPONENT); inner;
         inner = icalcomponent_get_next_component(component, ICAL_ANY_COMPONENT))
        errors += errorsIn(inner);
    return errors;
}

} // namespace

class tst_CalendarExport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QString m_ics;
    CalendarExport::Summary m_summary;

private Q_SLOTS:
    void initTestCase()
    {
        RecordFile year;
        year.openOrCreate(m_folder.filePath("2025.sca"), ScheduleRecord::recordSize);
        for (const Entry &entry : entries)
            year.writeNext(entry.record());
        year.closeFile();
        m_ics = m_folder.filePath("Scadenze_2025.ics");
        m_summary = CalendarExport::exportYear(ProgramFolder(m_folder.path()), 2025, m_ics,
            QDateTime(QDate(2025, 1, 2), QTime(8, 0), Qt::UTC));
    }

    // A folder without health booklets exports the schedule alone, with the
    // message it always had.
    void closingMessage_countsWhatWasLeftOut()
    {
        QCOMPARE(m_summary.written, 4);
        QCOMPARE(m_summary.skipped, 2);
        QCOMPARE(m_summary.health, 0);
        QCOMPARE(CalendarExport::closingMessage(m_summary),
            QString::fromUtf8("Il calendario è stato esportato con 4 scadenze.\n\r\n\r2 schede non sono state "
                              "esportate perché la loro data o la loro ora non sono leggibili."));
        QVERIFY(!QFileInfo::exists(m_folder.filePath(HealthRecord::fileName())));
    }

    void closingMessage_namesTheHealthItems_data()
    {
        QTest::addColumn<int>("written");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<int>("health");
        QTest::addColumn<QString>("message");
        QTest::newRow("one of each") << 1 << 0 << 1
                                     << QString::fromUtf8("Il calendario è stato esportato con 1 scadenza e 1 scadenza sanitaria.");
        QTest::newRow("health items alone") << 0 << 0 << 3
                                            << QString::fromUtf8("Il calendario è stato esportato con 0 scadenze e 3 scadenze sanitarie.");
        QTest::newRow("with a skipped entry")
            << 2 << 1 << 2
            << QString::fromUtf8("Il calendario è stato esportato con 2 scadenze e 2 scadenze sanitarie.\n\r\n\r1 scheda "
                                 "non è stata esportata perché la sua data o la sua ora non sono leggibili.");
    }
    void closingMessage_namesTheHealthItems()
    {
        QFETCH(int, written);
        QFETCH(int, skipped);
        QFETCH(int, health);
        QFETCH(QString, message);
        QCOMPARE(CalendarExport::closingMessage({ written, skipped, health }), message);
    }

    // The booklets' items due in the year become whole-day events, named by
    // position in the booklets' archive, with their alarm at nine on the
    // first day of the notice; both readers see the same.
    void healthItems_readBackAsWholeDayEvents()
    {
        QTemporaryDir folder;
        writeHealthFolder(folder.path());
        const QString ics = folder.filePath("Scadenze_2026.ics");
        const CalendarExport::Summary summary = CalendarExport::exportYear(
            ProgramFolder(folder.path()), 2026, ics, QDateTime(QDate(2026, 1, 2), QTime(8, 0), Qt::UTC));
        QCOMPARE(summary.written, 0);
        QCOMPARE(summary.health, int(healthEvents.size()));
        QVERIFY(!QFileInfo::exists(folder.filePath("2026.sca")));

        QFile file(ics);
        QVERIFY(file.open(QIODevice::ReadOnly));
        icalcomponent *calendar = icalparser_parse_string(file.readAll().constData());
        QVERIFY(calendar);
        icalrestriction_check(calendar);
        QCOMPARE(errorsIn(calendar), 0);
        int index = 0;
        for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
             event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT), ++index) {
            QVERIFY(index < healthEvents.size());
            const HealthEvent &expected = healthEvents[index];
            QCOMPARE(QString::fromUtf8(icalcomponent_get_uid(event)),
                QStringLiteral("Libretti_Sanitari.pro-%1@zampora").arg(expected.position));
            QCOMPARE(QString::fromUtf8(icalcomponent_get_summary(event)), expected.summary);
            QCOMPARE(QString::fromUtf8(icalcomponent_get_description(event)), expected.description);
            const icaltimetype start = icalcomponent_get_dtstart(event);
            QVERIFY(start.is_date);
            QCOMPARE(QDate(start.year, start.month, start.day), expected.day);
            icalcomponent *alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
            QVERIFY(alarm);
            const icaltriggertype trigger
                = icalproperty_get_trigger(icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY));
            QCOMPARE(icaldurationtype_as_int(trigger.duration), expected.alarmSeconds);
        }
        QCOMPARE(index, healthEvents.size());
        icalcomponent_free(calendar);

        const std::optional<QJsonArray> events = readInPython(ics);
        if (!events)
            QSKIP("Python's icalendar (python3-icalendar) is not installed");
        QCOMPARE(events->size(), healthEvents.size());
        for (qsizetype i = 0; i < events->size(); ++i) {
            const QJsonObject event = (*events)[i].toObject();
            const HealthEvent &expected = healthEvents[i];
            QCOMPARE(event["uid"].toString(), QStringLiteral("Libretti_Sanitari.pro-%1@zampora").arg(expected.position));
            QCOMPARE(event["summary"].toString(), expected.summary);
            QCOMPARE(event["description"].toString(), expected.description);
            QCOMPARE(event["start"].toString(), expected.day.toString(Qt::ISODate));
            QCOMPARE(event["alarms"].toArray(), (QJsonArray { expected.alarmSeconds }));
        }
    }

    // Read back with libical: valid by the standard's rules, and every event
    // as the entry it came from, at the right moment in Italian time.
    void writtenCalendar_readsBackAsTheEntries()
    {
        QFile file(m_ics);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        for (const QByteArray &line : bytes.split('\n'))
            QVERIFY2(line.size() <= 76, line.constData()); // folded at 75 octets, before the "\r"
        icalcomponent *calendar = icalparser_parse_string(bytes.constData());
        QVERIFY(calendar);
        icalrestriction_check(calendar);
        QCOMPARE(errorsIn(calendar), 0);
        icaltimezone *rome = icalcomponent_get_timezone(calendar, "Europe/Rome");
        QVERIFY(rome);

        int index = 0;
        for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); event;
             event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT), ++index) {
            QVERIFY(index < exportedPositions.size());
            const qint64 position = exportedPositions[index];
            const Entry &entry = entries[position - 1];
            QCOMPARE(QString::fromUtf8(icalcomponent_get_uid(event)), QStringLiteral("2025.sca-%1@zampora").arg(position));
            QCOMPARE(QString::fromUtf8(icalcomponent_get_summary(event)), entry.dettagli);
            QCOMPARE(QString::fromUtf8(icalcomponent_get_description(event)), entry.description());

            icalproperty *start = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
            icalparameter *zone = icalproperty_get_first_parameter(start, ICAL_TZID_PARAMETER);
            QVERIFY(zone);
            QCOMPARE(QByteArray(icalparameter_get_tzid(zone)), QByteArray("Europe/Rome"));
            icaltimetype local = icalproperty_get_dtstart(start);
            QCOMPARE(qint64(icaltime_as_timet_with_zone(local, rome)), entry.start().toSecsSinceEpoch());

            icalcomponent *alarm = icalcomponent_get_first_component(event, ICAL_VALARM_COMPONENT);
            const std::optional<int> notice = entry.avviso == "x" ? std::nullopt : std::optional(entry.avviso.toInt());
            QCOMPARE(alarm != nullptr, notice.has_value());
            if (alarm) {
                const icaltriggertype trigger
                    = icalproperty_get_trigger(icalcomponent_get_first_property(alarm, ICAL_TRIGGER_PROPERTY));
                QCOMPARE(icaldurationtype_as_int(trigger.duration), -*notice * 86400);
                QCOMPARE(text(alarm, ICAL_ACTION_PROPERTY), QStringLiteral("DISPLAY"));
            }
        }
        QCOMPARE(index, exportedPositions.size());
        icalcomponent_free(calendar);
    }

    // A second reader, written by other people: the file means the same to it.
    void writtenCalendar_readsTheSameInPythonsIcalendar()
    {
        const std::optional<QJsonArray> read = readInPython(m_ics);
        if (!read)
            QSKIP("Python's icalendar (python3-icalendar) is not installed");
        const QJsonArray &events = *read;
        QCOMPARE(events.size(), exportedPositions.size());
        for (qsizetype i = 0; i < events.size(); ++i) {
            const QJsonObject event = events[i].toObject();
            const Entry &entry = entries[exportedPositions[i] - 1];
            QCOMPARE(event["uid"].toString(), QStringLiteral("2025.sca-%1@zampora").arg(exportedPositions[i]));
            QCOMPARE(event["summary"].toString(), entry.dettagli);
            QCOMPARE(event["description"].toString(), entry.description());
            QCOMPARE(event["start"].toString(), entry.start().toString(Qt::ISODate));
            const QJsonArray alarms = event["alarms"].toArray();
            if (entry.avviso == "x")
                QVERIFY(alarms.isEmpty());
            else
                QCOMPARE(alarms, (QJsonArray { -entry.avviso.toInt() * 86400 }));
        }
    }

    void exportYear_thatCannotWrite_throws()
    {
        const QString ics = m_folder.filePath("manca/Scadenze.ics");
        try {
            CalendarExport::exportYear(ProgramFolder(m_folder.path()), 2025, ics, QDateTime::currentDateTimeUtc());
            QFAIL("the calendar was written");
        } catch (const CalendarExport::WriteError &error) {
            QCOMPARE(error.message(),
                QString::fromUtf8("Attenzione: non è stato possibile scrivere il file %1.").arg(QDir::toNativeSeparators(ics)));
        }
    }

    // An export only reads: a year without a file is an empty calendar.
    void exportYear_ofAYearWithoutFile_createsNothing()
    {
        const QString ics = m_folder.filePath("Scadenze_2030.ics");
        const CalendarExport::Summary summary = CalendarExport::exportYear(
            ProgramFolder(m_folder.path()), 2030, ics, QDateTime::currentDateTimeUtc());
        QCOMPARE(summary.written, 0);
        QVERIFY(!QFileInfo::exists(m_folder.filePath("2030.sca")));
        QVERIFY(QFileInfo(ics).size() > 0);
    }
};

QTEST_GUILESS_MAIN(tst_CalendarExport)
#include "tst_calendarexport.moc"
