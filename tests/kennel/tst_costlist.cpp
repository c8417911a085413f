// The cost list of a dog without its window: the fixed-width lines, the total
// summed in binary floating point, the amounts the box can hold, the scans
// of a cost file and the table whose rows keep their costs' positions.

#include "kennel/CostList.h"
#include "kennel/CostTable.h"
#include "storage/CostRecord.h"
#include "storage/RecordFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

Record cost(const QString &date, const QString &reason, const QString &payer, const QString &payee,
            const QString &amount)
{
    Record record(CostRecord::layout());
    record.setValue(CostRecord::Data, date);
    record.setValue(CostRecord::Causale, reason);
    record.setValue(CostRecord::Pagatore, payer);
    record.setValue(CostRecord::Beneficiario, payee);
    record.setValue(CostRecord::Importo, amount);
    return record;
}

Record costOf(const QString &amount, const QString &reason = QStringLiteral("Visita"))
{
    return cost(QStringLiteral("01/03/2024"), reason, QStringLiteral("Anna"), QStringLiteral("Dr. Neri"), amount);
}

} // namespace

class tst_CostList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
    }

    void lineLinesUpItsColumns()
    {
        const QString line = CostList::line(cost(QStringLiteral(" 05/03/2024 "), QStringLiteral("Vaccino"),
            QStringLiteral("Anna Rossi"), QStringLiteral("Clinica San Rocco"), QStringLiteral("45,50")));
        QCOMPARE(line,
            QString::fromUtf8("Data: 05/03/2024   Da: Anna Rossi                   A: Clinica San Rocco         "
                              "  Causale: Vaccino                                   Costo: € 45,50"));
        // Every value fills its field's whole width, so the columns stand
        // where they stand whatever the values.
        const QString full = CostList::line(cost(QString(10, u'd'), QString(40, u'c'), QString(26, u'p'),
            QString(26, u'b'), QStringLiteral("1,00")));
        QCOMPARE(full.indexOf(u'p'), line.indexOf(QStringLiteral("Anna")));
        QCOMPARE(full.indexOf(u'b'), line.indexOf(QStringLiteral("Clinica")));
        QCOMPARE(full.indexOf(u'c'), line.indexOf(QStringLiteral("Vaccino")));
        QCOMPARE(full.indexOf(QStringLiteral("Costo")), line.indexOf(QStringLiteral("Costo")));
    }

    void total_data()
    {
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QString>("total");
        QTest::newRow("none") << QStringList() << QString::fromUtf8("€ 0,00");
        // 10.1 + 20.2 is 30.299999999999997 in binary: the shortest form
        // (30,3) is what gets its two decimals.
        QTest::newRow("binary sum") << QStringList { u"10,10"_s, u"20,20"_s } << QString::fromUtf8("€ 30,30");
        QTest::newRow("cents") << QStringList { u"0,10"_s, u"0,20"_s, u"0,05"_s } << QString::fromUtf8("€ 0,35");
        QTest::newRow("blank left out") << QStringList { u"12,00"_s, u""_s, u"3,50"_s } << QString::fromUtf8("€ 15,50");
        QTest::newRow("foreign text adds nothing") << QStringList { u"12,00"_s, u"dodici"_s } << QString::fromUtf8("€ 12,00");
    }

    void total()
    {
        QFETCH(QStringList, amounts);
        QFETCH(QString, total);
        QByteArray bytes;
        for (const QString &amount : amounts)
            bytes += costOf(amount).bytes();
        write(bytes);
        const CostList::Listing listing = CostList::read(path());
        QCOMPARE(CostList::totalText(listing.sum), total);
        QCOMPARE(listing.costs.size(), amounts.size() - amounts.count(QString()));
    }

    void readCreatesTheEmptyFileAndKeepsTheOrder()
    {
        QVERIFY(!QFile::exists(path()));
        QVERIFY(CostList::read(path()).costs.isEmpty());
        QCOMPARE(QFileInfo(path()).size(), 0);

        const Record first = costOf(QStringLiteral("1,00"), QStringLiteral("Primo"));
        const Record third = costOf(QStringLiteral("2,00"), QStringLiteral("Terzo"));
        write(first.bytes() + costOf(QString(), QStringLiteral("Vuoto")).bytes() + third.bytes());
        const QList<CostList::Cost> costs = CostList::read(path()).costs;
        QCOMPARE(costs.size(), 2);
        QCOMPARE(costs[0].record.bytes(), first.bytes());
        QCOMPARE(costs[0].position, 1);
        QCOMPARE(costs[1].record.bytes(), third.bytes());
        QCOMPARE(costs[1].position, 3); // the cost without an amount keeps its place
    }

    void readOfAFolderFails()
    {
        QVERIFY(QDir().mkdir(path()));
        QVERIFY_THROWS_EXCEPTION(RecordFileError, CostList::read(path()));
    }

    // Each row keeps its cost's position. Costs of the same values show the
    // same line: a pick on any of them edits the last in the file. A record
    // the list leaves out is never picked, even when its bytes read as the
    // same cost.
    void aPickAmongIdenticalCostsEditsTheLast()
    {
        const Record same = costOf(QStringLiteral("5,00"));
        QByteArray damaged = same.bytes();
        damaged[0] = char(200); // a ten-character date claiming 200
        write(same.bytes() + costOf(QStringLiteral("6,00")).bytes() + same.bytes()
            + costOf(QStringLiteral("7,00")).bytes() + damaged);
        CostTable table;
        table.setCosts(CostList::read(path()).costs);
        QCOMPARE(table.rowCount(), 4);
        QCOMPARE(table.text(0, 0), CostList::line(same));
        QCOMPARE(table.index(3, 0).data().toString(), CostList::line(costOf(QStringLiteral("7,00"))));
        QCOMPARE(table.rowOf(4), 3);
        QCOMPARE(table.rowOf(5), -1);
        for (int row : { 0, 2 }) {
            QCOMPARE(table.edited(row).position, 3);
            QCOMPARE(table.edited(row).record.bytes(), same.bytes());
        }
        QCOMPARE(table.edited(1).position, 2);
        QCOMPARE(table.edited(3).position, 4);
    }

    // Whatever text a foreign or damaged file holds, every record with an
    // amount gives one line whose columns stand where they always do; a
    // record whose length bytes claim more than their fields hold is left
    // out and counted. Even records here have their lengths within their
    // fields, odd ones every length beyond its field.
    void randomBytesKeepTheColumns()
    {
        QRandomGenerator random(20240305);
        QByteArray bytes(200 * CostRecord::recordSize, Qt::Uninitialized);
        for (char &byte : bytes)
            byte = char(random.bounded(256));
        for (int record = 0; record < 200; ++record) {
            char *at = bytes.data() + record * CostRecord::recordSize;
            for (const FieldSpec &field : CostRecord::layout().fields()) {
                const int length = static_cast<unsigned char>(at[field.offset]);
                at[field.offset] = char(
                    record % 2 == 0 ? length % (field.capacity + 1) : std::max(length, field.capacity + 1));
            }
        }
        write(bytes);
        const CostList::Listing listing = CostList::read(path());
        QCOMPARE(listing.unreadable, 100);
        QVERIFY(listing.costs.size() <= 100);
        QVERIFY(!listing.costs.isEmpty());
        for (const CostList::Cost &cost : listing.costs) {
            const QString line = CostList::line(cost.record);
            QVERIFY(line.startsWith(u"Data: "_s));
            QCOMPARE(line.indexOf(u"  Costo: € "_s), 132);
        }
        QVERIFY(std::isfinite(listing.sum));
    }

    void boxAmount_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole") << u"12"_s << u"12,00"_s;
        QTest::newRow("binary 1,005") << u"1,005"_s << u"1,00"_s;
        QTest::newRow("twelve digits fit") << u"123456789012"_s << u"123456789012,00"_s;
        // Thirteen digits and their decimals would be cut by the field.
        QTest::newRow("thirteen digits") << u"1234567890123"_s << u"0,00"_s;
        QTest::newRow("two commas") << u"1,2,3"_s << u"0,00"_s;
    }

    void boxAmount()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QCOMPARE(CostList::boxAmount(typed), shown);
    }

private:
    QString path() const { return m_folder->filePath(CostRecord::fileNameForDog(5)); }
    void write(const QByteArray &bytes) const
    {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    std::unique_ptr<QTemporaryDir> m_folder; // a fresh one for every test
};

QTEST_GUILESS_MAIN(tst_CostList)
#include "tst_costlist.moc"
