#pragma once

// The schedule window opened from the main menu on a temporary program folder
// whose clock says 28/02/2024, with helpers to write year files and read them
// back.

#include "AppFixture.h"

#include "app/frmAvvio.h"
#include "schedule/frmScadenzario.h"
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
