#pragma once

// The schedule window opened from the main menu on a temporary program folder
// whose clock says 28/02/2024, with helpers to write year files and read them
// back, and to write the dog archive and health booklets' entries whose due
// dates the schedule shows beside its own.

#include "AppFixture.h"

#include "app/frmAvvio.h"
#include "kennel/HealthBooklet.h"
#include "schedule/frmScadenzario.h"
#include "storage/DogRecord.h"
#include "storage/HealthRecord.h"
#include "storage/ScheduleRecord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <map>

using EntryValues = std::map<ScheduleRecord::Field, QString>;
using Shown = RecordingMessageBoxes::Shown;
using Kind = MessageBoxes::Kind;

class ScheduleFixture : public AppFixture
{
public:
    /// Writes the year files first, if any, so that the window's first
    /// showing already finds them.
    explicit ScheduleFixture(std::function<void(ScheduleFixture &)> before = {})
    {
        if (before)
            before(*this);
        openFromMenu("btnScadenze", window());
    }

    frmScadenzario *window() { return &app().schedule(); }
    QLineEdit *box(const char *name) { return child<QLineEdit>(window(), name); }
    QComboBox *selector(const char *name) { return child<QComboBox>(window(), name); }
    QCheckBox *check(const char *name) { return child<QCheckBox>(window(), name); }
    QString label(const char *name) { return child<QLabel>(window(), name)->text(); }

    /// Types a year in the start view and presses "Apri".
    void openYear(const QString &year)
    {
        QLineEdit *yearBox = box("txtAnno");
        yearBox->clear();
        QTest::keyClicks(yearBox, year);
        click(child(window(), "btnApri"));
    }

    static QByteArray entry(const EntryValues &values)
    {
        return recordBytes(ScheduleRecord::layout(), FieldValues(values.begin(), values.end()));
    }
    /// An entry falling due on date with the notice given, for a dog.
    static QByteArray deadline(const QString &date, const QString &notice, const QString &dog = QStringLiteral("Fido"))
    {
        return entry({ { ScheduleRecord::Giorno, date.left(2) }, { ScheduleRecord::Data, date },
            { ScheduleRecord::Anno, date.right(4) }, { ScheduleRecord::Avviso, notice },
            { ScheduleRecord::Nome, dog } });
    }
    void writeYear(int year, const QList<QByteArray> &entries)
    {
        QByteArray bytes;
        for (const QByteArray &e : entries)
            bytes += e;
        writeFile(ScheduleRecord::fileNameForYear(year), bytes);
    }
    QByteArray yearFile(int year) const { return readFile(ScheduleRecord::fileNameForYear(year)); }
    QByteArray entryAt(int year, int position) const
    {
        return recordAt(yearFile(year), ScheduleRecord::layout(), position);
    }

    /// Writes the dog archive: one card for each name, in order (a blank
    /// name, a card without one).
    static void writeDogs(const TestContext &folder, const QStringList &names)
    {
        QByteArray bytes;
        for (const QString &name : names)
            bytes += recordBytes(DogRecord::layout(), { { DogRecord::Nome, name } });
        folder.writeFile(DogRecord::fileName, bytes);
    }
    /// Adds an entry of the dog at position dog, given a year before due
    /// ("dd/mm/yyyy"), to the health booklets' archive; returns its position.
    static qint64 addHealthEntry(const TestContext &folder, qint64 dog, HealthDue::Kind kind,
        const QString &what, const QString &due, int notice = HealthDue::defaultNoticeDays,
        const QString &veterinarian = {}, const QString &note = {})
    {
        HealthBooklet::Entry entry;
        entry.dog = dog;
        entry.due = QDate::fromString(due, QStringLiteral("dd/MM/yyyy"));
        entry.date = entry.due.addYears(-1);
        entry.kind = kind;
        entry.what = what;
        entry.noticeDays = notice;
        entry.veterinarian = veterinarian;
        entry.note = note;
        return HealthBooklet::add(folder.path(HealthRecord::fileName()), entry);
    }

    /// Fills a card that Save accepts: 5 March at 09:30 with 3 days of notice.
    void fillCard()
    {
        chooseFromList("txtGiorno", QStringLiteral("05"));
        chooseFromList("txtMese", QStringLiteral("Marzo"));
        chooseFromList("txtOreApp", QStringLiteral("09"));
        chooseFromList("txtMinutiApp", QStringLiteral("30"));
        QTest::keyClicks(box("txtAvviso"), QStringLiteral("3"));
        QTest::keyClicks(box("txtProprietario"), QStringLiteral("Anna Bianchi"));
        QTest::keyClicks(box("txtNome"), QStringLiteral("Fido"));
        QTest::keyClicks(box("txtDettagli"), QStringLiteral("Richiamo vaccino"));
    }
    /// Picks an item of a selector's list, as a click in its drop-down does.
    void chooseFromList(const char *name, const QString &item)
    {
        QComboBox *list = selector(name);
        list->setFocus();
        list->setCurrentIndex(list->findText(item));
    }
};
