// Searching the archives without windows: the result lines, their order, the
// criteria, the scans (collecting lines with their positions, loading by a
// chosen line) and which records a chosen row stands for.
#include "search/ArchiveSearch.h"
#include "search/ResultLines.h"
#include "storage/DogRecord.h"
#include "storage/OwnerRecord.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ScheduleRecord.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace {

using Values = std::map<int, QString>;

Record recordOf(const RecordLayout &layout, const Values &values)
{
    Record record(layout);
    for (const auto &[field, text] : values)
        record.setValue(field, text);
    return record;
}

Record dog(const QString &name, const QString &breed = QStringLiteral("Pastore"))
{
    return recordOf(DogRecord::layout(), { { DogRecord::Nome, name }, { DogRecord::Razza, breed } });
}

} // namespace

using namespace ArchiveSearch;

class tst_ArchiveSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dogLinePadsCutsAndKeepsTheTelephoneWhole()
    {
        const Record record = recordOf(DogRecord::layout(),
            { { DogRecord::Nome, QStringLiteral("Argo del Poggio Alto dei Colli Fioriti") },
                { DogRecord::Razza, QStringLiteral("Pastore tedesco") },
                { DogRecord::Microchip, QStringLiteral("380260000123456") },
                { DogRecord::Proprietario, QStringLiteral("  Rossi Mario  ") },
                { DogRecord::Recapito, QStringLiteral("333 1234567 (sera, dopo le 20)") } });
        const QString line = ResultLines::dogSearch(record);
        QCOMPARE(line,
            QStringLiteral("Argo del Poggio Alto dei Colli") + QStringLiteral("  Razza: ")
                + QStringLiteral("Pastore tedesco").leftJustified(28) + QStringLiteral("  Chip: ")
                + QStringLiteral("380260000123456").leftJustified(20) + QStringLiteral("  Prop. ")
                + QStringLiteral("Rossi Mario").leftJustified(30) + QStringLiteral("  Tel. ")
                + QStringLiteral("333 1234567 (sera, dopo le 20)"));
    }

    void ownerLinesDifferOnlyInTheirLastField()
    {
        const Record record = recordOf(OwnerRecord::layout(),
            { { OwnerRecord::Cliente, QStringLiteral("Bianchi Giovanna Maria Teresa") },
                { OwnerRecord::Recapito, QStringLiteral("02 12345678901234") },
                { OwnerRecord::Occupazione, QStringLiteral("Veterinaria") },
                { OwnerRecord::CaniOra, QStringLiteral("Argo, Bobi") },
                { OwnerRecord::Questioni, QStringLiteral("Saldo di marzo") },
                { OwnerRecord::Note, QStringLiteral("Cliente dal 2019") } });
        const QString columns = QStringLiteral("Bianchi Giovanna Maria Ter") + QStringLiteral("  Tel. ")
            + QStringLiteral("02 123456789012") + QStringLiteral("  ") + QStringLiteral("Veterinaria").leftJustified(25)
            + QStringLiteral("  Cani: ") + QStringLiteral("Argo, Bobi").leftJustified(30) + QStringLiteral("  ");
        QCOMPARE(ResultLines::ownerSearch(record), columns + QStringLiteral("Cliente dal 2019"));
        QCOMPARE(ResultLines::ownerToRecontact(record), columns + QStringLiteral("Saldo di marzo"));
        // "  Tel. " always starts in column 27, however short the name.
        const Record shortName = recordOf(OwnerRecord::layout(), { { OwnerRecord::Cliente, QStringLiteral("Bo") } });
        QCOMPARE(ResultLines::ownerToRecontact(shortName).indexOf(QStringLiteral("  Tel. ")), 26);
    }

    void scheduleLineEndsWithTheWholeAmount()
    {
        const Record record = recordOf(ScheduleRecord::layout(),
            { { ScheduleRecord::Dettagli, QStringLiteral("Vaccino") },
                { ScheduleRecord::Data, QStringLiteral("05/03/2025") }, { ScheduleRecord::Ora, QStringLiteral("09:30") },
                { ScheduleRecord::Proprietario, QStringLiteral("Rossi Mario") },
                { ScheduleRecord::Nome, QStringLiteral("Argo") }, { ScheduleRecord::Costo, QStringLiteral("1234,5678") } });
        QCOMPARE(ResultLines::scheduleEntry(record),
            QStringLiteral("Vaccino").leftJustified(30) + QStringLiteral("  Data: 05/03/2025  Ora: 09:30  Prop. ")
                + QStringLiteral("Rossi Mario").leftJustified(28) + QStringLiteral("  Cane: ")
                + QStringLiteral("Argo").leftJustified(28) + QString::fromUtf8("  € 1234,5678"));
    }

    // Each position follows its line.
    void linesSortByCodeWithAToZFolded()
    {
        ResultLines::Listing listing { { QStringLiteral("bobi"), QStringLiteral("Èrcole"), QStringLiteral("argo"),
                                           QStringLiteral("Zara"), QStringLiteral("BOBI"), QStringLiteral("[Rex]"),
                                           QStringLiteral("_fido"), QStringLiteral("D\u2019Artagnan"),
                                           QStringLiteral("Dàrio"), QStringLiteral("1 Primo") },
            { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 } };
        ResultLines::sortAsListed(listing);
        // '[' and '_' sort between the capitals and the small letters, so after
        // every name once a to z are capitals; "bobi" before "BOBI" as in the
        // file; the typographic apostrophe (0x92) before "à" (0xE0).
        QCOMPARE(listing.lines,
            (QStringList { QStringLiteral("1 Primo"), QStringLiteral("argo"), QStringLiteral("bobi"),
                QStringLiteral("BOBI"), QStringLiteral("D\u2019Artagnan"), QStringLiteral("Dàrio"),
                QStringLiteral("Zara"), QStringLiteral("[Rex]"), QStringLiteral("_fido"), QStringLiteral("Èrcole") }));
        QCOMPARE(listing.positions, (QList<qint64> { 10, 3, 1, 5, 8, 9, 4, 6, 7, 2 }));
    }

    // A chosen row stands for every listed row whose line reads the same once
    // trimmed, case counting, in file order whatever the list's order.
    void positionsAlike_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QList<qint64>>("positions");
        QTest::newRow("a line of its own") << 1 << QList<qint64> { 2 };
        QTest::newRow("the last in the file chosen") << 0 << QList<qint64> { 3, 5, 7 };
        QTest::newRow("the first in the file chosen") << 3 << QList<qint64> { 3, 5, 7 };
        QTest::newRow("blanks around count for nothing") << 2 << QList<qint64> { 3, 5, 7 };
    }
    void positionsAlike()
    {
        QFETCH(int, row);
        QFETCH(QList<qint64>, positions);
        const ResultLines::Listing listing {
            { QStringLiteral("Argo"), QStringLiteral("ARGO"), QStringLiteral(" Argo  "), QStringLiteral("Argo") },
            { 7, 2, 5, 3 } };
        QCOMPARE(ResultLines::positionsAlike(listing, row), positions);
    }

    // One criterion on the name, or two (name and breed) combined with AND.
    void matching_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QString>("typedBreed");
        QTest::addColumn<bool>("listed");

        QTest::newRow("no criterion lists every card") << "Argo" << "" << "" << true;
        QTest::newRow("capitals find small letters") << "argo" << "ARGO" << "" << true;
        QTest::newRow("small letters find capitals") << "ARGO" << "rg" << "" << true;
        QTest::newRow("accented small letter misses its capital") << "ÈRCOLE" << "èrcole" << "" << false;
        QTest::newRow("accented letter finds itself") << "Èrcole" << "Èrc" << "" << true;
        QTest::newRow("consecutive words inside the field") << "Argo del Poggio" << "o del p" << "" << true;
        QTest::newRow("trailing blank misses a name ending with the text") << "Argo" << "argo " << "" << false;
        QTest::newRow("trailing blank finds a blank inside the field") << "Argo Junior" << "argo " << "" << true;
        QTest::newRow("leading blank is typed text too") << "Argo" << " argo" << "" << false;
        QTest::newRow("blank-only criterion is ignored") << "Argo" << "   " << "" << true;
        QTest::newRow("two criteria, both found") << "Argo" << "arg" << "pastore" << true;
        QTest::newRow("two criteria, one missing") << "Argo" << "arg" << "setter" << false;
        QTest::newRow("a sign of the upper range finds itself") << "Fido €" << "€" << "" << true;
        QTest::newRow("upper-range capital misses its small letter") << "ŒDIPO" << "œ" << "" << false;
        // Stored as "?" had it been saved: still no field can hold it.
        QTest::newRow("a character no field holds finds nothing") << "Argo?" << "o✓" << "" << false;
    }
    void matching()
    {
        QFETCH(QString, name);
        QFETCH(QString, typedName);
        QFETCH(QString, typedBreed);
        QFETCH(bool, listed);
        const Criteria criteria({ { DogRecord::Nome, typedName }, { DogRecord::Gruppo, QStringLiteral(" ") },
            { DogRecord::Razza, typedBreed } });
        QCOMPARE(criteria.matches(dog(name, QStringLiteral("Pastore tedesco"))), listed);
    }

    // A flag's list takes the records whose field holds the text exactly.
    void fieldHolds_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("holds");
        QTest::newRow("same text") << "Sì" << "Sì" << true;
        QTest::newRow("another case") << "SÌ" << "Sì" << false;
        QTest::newRow("another text") << "No" << "Sì" << false;
        QTest::newRow("only a part") << "Sì!" << "Sì" << false;
        QTest::newRow("a character no field holds") << "S?" << "S✓" << false;
    }
    void fieldHolds()
    {
        QFETCH(QString, stored);
        QFETCH(QString, text);
        QFETCH(bool, holds);
        QCOMPARE(FieldHolds(DogRecord::Razza, text)(dog(QStringLiteral("Argo"), stored)), holds);
    }

    void init() { QVERIFY(m_folder.isValid()); }

    void collectingKeepsFileOrderPositionsAndWhatWasReadBeforeAFailure()
    {
        writeDogs({ dog(QStringLiteral("Zara")), dog(QStringLiteral("Argo")), dog(QStringLiteral("Bobi")) },
            QByteArray());
        RecordFile file;
        file.openOrCreate(path(), DogRecord::recordSize);
        ResultLines::Listing listing;
        collectLines(file, DogRecord::layout(), [](RecordView r) { return r.value(DogRecord::Nome) != u"Argo"; },
            ResultLines::dogSearch, listing);
        QCOMPARE(listing.lines.size(), 2);
        QVERIFY(listing.lines[0].startsWith(QStringLiteral("Zara ")));
        QVERIFY(listing.lines[1].startsWith(QStringLiteral("Bobi ")));
        QCOMPARE(listing.positions, (QList<qint64> { 1, 3 }));

        // A file that shrinks under the scan (another program cuts it): the
        // read fails, and the lines read before the failure stay, each with
        // its position.
        writeDogs(QList<Record>(10, dog(QStringLiteral("Argo"))), QByteArray());
        listing = {};
        file.openOrCreate(path(), DogRecord::recordSize);
        QVERIFY(QFile::resize(path(), 9 * DogRecord::recordSize));
        QVERIFY_THROWS_EXCEPTION(RecordFileError,
            collectLines(file, DogRecord::layout(), [](RecordView) { return true; }, ResultLines::dogSearch, listing));
        QVERIFY(!listing.lines.isEmpty());
        QVERIFY(listing.lines.size() < 10);
        QCOMPARE(listing.positions.size(), listing.lines.size());
        QCOMPARE(listing.positions.last(), qint64(listing.positions.size()));
    }

    // Each record is read again at its position, in the order given; one past
    // the last record (the file was cut short since it was listed) is passed over.
    void loadingByPositionReadsEachRecordThere()
    {
        writeDogs({ dog(QStringLiteral("Argo")), dog(QStringLiteral("Bobi")), dog(QStringLiteral("Cleo")) },
            QByteArray(100, 'z'));
        RecordFile file;
        file.openOrCreate(path(), DogRecord::recordSize);
        QStringList loaded;
        const auto load = [&loaded](const Record &record, qint64 position) {
            loaded.append(QString::number(position) + record.value(DogRecord::Nome));
        };
        QCOMPARE(loadRecordsAt(file, DogRecord::layout(), { 3, 1, 4 }, load), 2);
        QCOMPARE(loaded, (QStringList { QStringLiteral("3Cleo"), QStringLiteral("1Argo") }));
    }


private:
    QString path() const { return m_folder.filePath(DogRecord::fileName); }
    void writeDogs(const QList<Record> &dogs, const QByteArray &tail)
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        for (const Record &record : dogs)
            file.write(record.bytes());
        file.write(tail);
    }

    QTemporaryDir m_folder;
};

QTEST_GUILESS_MAIN(tst_ArchiveSearch)
#include "tst_archivesearch.moc"
