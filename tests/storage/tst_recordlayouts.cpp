#include "storage/CostRecord.h"
#include "storage/DogRecord.h"
#include "storage/Flags.h"
#include "storage/OwnerRecord.h"
#include "storage/Record.h"
#include "storage/ScheduleRecord.h"
#include "storage/WeightRecord.h"

#include <QTest>

#include <span>

namespace {

struct ExpectedField
{
    const char *name;
    int capacity;
    int offset;
};

// DogRecord: name, capacity, first byte of every field.
const ExpectedField dogRecordFields[] = {
    { "Nome", 50, 0 },
    { "Sesso", 1, 51 },
    { "DataNasc", 10, 53 },
    { "Gruppo", 50, 64 },
    { "Razza", 50, 115 },
    { "Mantello", 50, 166 },
    { "Pelo", 50, 217 },
    { "Segni", 250, 268 },
    { "Altezza", 50, 519 },
    { "Lunghezza", 50, 570 },
    { "Taglia", 50, 621 },
    { "Peso", 50, 672 },
    { "Sterilizzato", 50, 723 },
    { "Libretto", 250, 774 },
    { "Medico", 250, 1025 },
    { "ROI", 250, 1276 },
    { "Microchip", 50, 1527 },
    { "DataApp", 10, 1578 },
    { "Localizzazione", 50, 1589 },
    { "Tatuaggio", 250, 1640 },
    { "Pedigree", 250, 1891 },
    { "Aggressivo", 250, 2142 },
    { "Guinzaglio", 250, 2393 },
    { "Giochi", 250, 2644 },
    { "Note", 250, 2895 },
    { "Proprietario", 50, 3146 },
    { "Recapito", 50, 3197 },
    { "CodFisc", 16, 3248 },
    { "ComuneRes", 50, 3265 },
    { "InizioProp", 10, 3316 },
    { "Allevatore", 250, 3327 },
    { "Passaggi", 250, 3578 },
    { "Padre", 250, 3829 },
    { "NonniPat", 250, 4080 },
    { "BisnonniPat", 250, 4331 },
    { "TrisnonniPat", 250, 4582 },
    { "Madre", 250, 4833 },
    { "NonniMat", 250, 5084 },
    { "BisnonniMat", 250, 5335 },
    { "TrisnonniMat", 250, 5586 },
    { "CampionatiIta", 250, 5837 },
    { "CampionatiInt", 250, 6088 },
    { "Titoli", 250, 6339 },
    { "Accompagnatori", 250, 6590 },
    { "Iscrizioni", 250, 6841 },
    { "Vaccinazioni", 250, 7092 },
    { "Sverminazioni", 250, 7343 },
    { "Trattamenti", 250, 7594 },
    { "Accertamenti", 250, 7845 },
    { "Malattie", 250, 8096 },
    { "Interventi", 250, 8347 },
    { "Profilassi", 250, 8598 },
    { "Difetti", 250, 8849 },
    { "Alimentazione", 250, 9100 },
    { "File01", 250, 9351 },
    { "File02", 250, 9602 },
    { "File03", 250, 9853 },
    { "Desc01", 250, 10104 },
    { "Desc02", 250, 10355 },
    { "Desc03", 250, 10606 },
};

// OwnerRecord: name, capacity, first byte of every field.
const ExpectedField ownerRecordFields[] = {
    { "Cliente", 50, 0 },
    { "DataNasc", 30, 51 },
    { "ComuneNasc", 50, 82 },
    { "ProvNasc", 2, 133 },
    { "Sesso", 1, 136 },
    { "Recapito", 50, 138 },
    { "IndirizzoRes", 50, 189 },
    { "ProvRes", 2, 240 },
    { "ComuneRes", 50, 243 },
    { "CapRes", 5, 294 },
    { "Estremi", 250, 300 },
    { "TelCasa", 30, 551 },
    { "TelUff", 30, 582 },
    { "TelCel", 30, 613 },
    { "Fax", 30, 644 },
    { "Email", 50, 675 },
    { "CodFisc", 16, 726 },
    { "Carta", 30, 743 },
    { "ScadeCarta", 30, 774 },
    { "PartitaIva", 11, 805 },
    { "Iban", 27, 817 },
    { "Documento", 120, 845 },
    { "Occupazione", 50, 966 },
    { "Civile", 50, 1017 },
    { "Titoli", 120, 1068 },
    { "CaniOra", 250, 1189 },
    { "CaniPrima", 250, 1440 },
    { "Questioni", 250, 1691 },
    { "Note", 250, 1942 },
    { "Ricontatta", 2, 2193 },
    { "File01", 250, 2196 },
    { "File02", 250, 2447 },
    { "File03", 250, 2698 },
    { "Desc01", 250, 2949 },
    { "Desc02", 250, 3200 },
    { "Desc03", 250, 3451 },
};

// ScheduleRecord: name, capacity, first byte of every field.
const ExpectedField scheduleRecordFields[] = {
    { "Giorno", 2, 0 },
    { "Mese", 10, 3 },
    { "Anno", 4, 14 },
    { "Data", 10, 19 },
    { "OreApp", 2, 30 },
    { "MinutiApp", 2, 33 },
    { "Ora", 5, 36 },
    { "Avviso", 3, 42 },
    { "Proprietario", 50, 46 },
    { "CodFisc", 16, 97 },
    { "Recapito", 50, 114 },
    { "Nome", 50, 165 },
    { "DataNasc", 50, 216 },
    { "Razza", 50, 267 },
    { "Mantello", 50, 318 },
    { "Microchip", 50, 369 },
    { "Segni", 250, 420 },
    { "Persona", 50, 671 },
    { "Dettagli", 250, 722 },
    { "Officina", 150, 973 },
    { "Costo", 15, 1124 },
    { "Contatto", 50, 1140 },
    { "Note", 250, 1191 },
    { "DaConfermare", 2, 1442 },
    { "Effettuata", 2, 1445 },
};

// CostRecord: name, capacity, first byte of every field.
const ExpectedField costRecordFields[] = {
    { "Data", 10, 0 },
    { "Causale", 40, 11 },
    { "Pagatore", 26, 52 },
    { "Beneficiario", 26, 79 },
    { "Importo", 15, 106 },
};

// WeightRecord: name, capacity, first byte of every field.
const ExpectedField weightRecordFields[] = {
    { "Data", 10, 0 },
    { "Peso", 10, 11 },
    { "Note", 100, 22 },
};

struct ExpectedLayout
{
    const char *name;
    const RecordLayout &layout;
    std::span<const ExpectedField> fields;
    int recordSize;
};

const ExpectedLayout expectedLayouts[] = {
    { "dog", DogRecord::layout(), dogRecordFields, 10857 },
    { "owner", OwnerRecord::layout(), ownerRecordFields, 3702 },
    { "schedule", ScheduleRecord::layout(), scheduleRecordFields, 1448 },
    { "cost", CostRecord::layout(), costRecordFields, 122 },
    { "weight", WeightRecord::layout(), weightRecordFields, 123 },
};

} // namespace

class TestRecordLayouts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyField_hasItsNameCapacityAndOffset_data();
    void everyField_hasItsNameCapacityAndOffset();
    void layouts_haveTheirRecordSizeAndFieldCount_data();
    void layouts_haveTheirRecordSizeAndFieldCount();
    void fieldEnums_matchTheLayoutOrder();
    void indexOf_unknownName_isMinusOne();
    void fileNames();
    void flags_areStoredAsTheirThreeBytes();
    void flagParse_data();
    void flagParse();
    void monthNumber_data();
    void monthNumber();
};

void TestRecordLayouts::everyField_hasItsNameCapacityAndOffset_data()
{
    QTest::addColumn<const RecordLayout *>("layout");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<int>("offset");
    for (const ExpectedLayout &expected : expectedLayouts) {
        int index = 0;
        for (const ExpectedField &field : expected.fields) {
            QTest::addRow("%s %s", expected.name, field.name)
                << &expected.layout << index++ << QString::fromLatin1(field.name) << field.capacity
                << field.offset;
        }
    }
}

void TestRecordLayouts::everyField_hasItsNameCapacityAndOffset()
{
    QFETCH(const RecordLayout *, layout);
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(int, capacity);
    QFETCH(int, offset);
    QCOMPARE(layout->indexOf(name), index);
    QCOMPARE(layout->field(index).capacity, capacity);
    QCOMPARE(layout->field(index).offset, offset);
}

void TestRecordLayouts::layouts_haveTheirRecordSizeAndFieldCount_data()
{
    QTest::addColumn<const RecordLayout *>("layout");
    QTest::addColumn<int>("fieldCount");
    QTest::addColumn<int>("recordSize");
    for (const ExpectedLayout &expected : expectedLayouts)
        QTest::newRow(expected.name) << &expected.layout << int(expected.fields.size())
                                     << expected.recordSize;
}

void TestRecordLayouts::layouts_haveTheirRecordSizeAndFieldCount()
{
    QFETCH(const RecordLayout *, layout);
    QFETCH(int, fieldCount);
    QFETCH(int, recordSize);
    QCOMPARE(layout->fieldCount(), fieldCount);
    QCOMPARE(layout->recordSize(), recordSize);
    QCOMPARE(Record(*layout).size(), recordSize);
}

void TestRecordLayouts::fieldEnums_matchTheLayoutOrder()
{
    QCOMPARE(DogRecord::FieldCount, 60);
    QCOMPARE(DogRecord::recordSize, 10857);
    QCOMPARE(DogRecord::Alimentazione, DogRecord::layout().indexOf(u"Alimentazione"));
    QCOMPARE(OwnerRecord::FieldCount, 36);
    QCOMPARE(OwnerRecord::recordSize, 3702);
    QCOMPARE(OwnerRecord::Ricontatta, OwnerRecord::layout().indexOf(u"Ricontatta"));
    QCOMPARE(ScheduleRecord::FieldCount, 25);
    QCOMPARE(ScheduleRecord::recordSize, 1448);
    QCOMPARE(ScheduleRecord::Costo, ScheduleRecord::layout().indexOf(u"Costo"));
    QCOMPARE(CostRecord::FieldCount, 5);
    QCOMPARE(CostRecord::recordSize, 122);
    QCOMPARE(CostRecord::Importo, CostRecord::layout().indexOf(u"Importo"));
    QCOMPARE(WeightRecord::FieldCount, 3);
    QCOMPARE(WeightRecord::recordSize, 123);
    QCOMPARE(WeightRecord::Note, WeightRecord::layout().indexOf(u"Note"));
}

void TestRecordLayouts::indexOf_unknownName_isMinusOne()
{
    QCOMPARE(DogRecord::layout().indexOf(u"nome"), -1);
    QCOMPARE(CostRecord::layout().indexOf(u""), -1);
}

void TestRecordLayouts::fileNames()
{
    QCOMPARE(DogRecord::fileName, QStringLiteral("Anagrafica_Cani.pro"));
    QCOMPARE(OwnerRecord::fileName, QStringLiteral("Proprietari.pro"));
    QCOMPARE(ScheduleRecord::fileNameForYear(2025), QStringLiteral("2025.sca"));
    QCOMPARE(CostRecord::fileNameForDog(7), QStringLiteral("Costi_Cane_7.pro"));
    QCOMPARE(WeightRecord::fileNameForDog(7), QStringLiteral("Pesi_Cane_7.pro"));
}

void TestRecordLayouts::flags_areStoredAsTheirThreeBytes()
{
    Record entry(ScheduleRecord::layout());
    entry.setValue(ScheduleRecord::DaConfermare, FlagText::no());
    entry.setValue(ScheduleRecord::Effettuata, FlagText::of(true));
    QCOMPARE(entry.bytes().mid(1442), QByteArray("\x02No\x02S\xEC"));

    Record owner(OwnerRecord::layout());
    owner.setValue(OwnerRecord::Ricontatta, FlagText::yes());
    QCOMPARE(owner.bytes().mid(2193, 3), QByteArray("\x02S\xEC"));
    QCOMPARE(FlagText::parse(owner.value(OwnerRecord::Ricontatta)), true);
}

void TestRecordLayouts::flagParse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<bool>>("ticked");
    QTest::newRow("yes") << QStringLiteral("S\u00EC") << std::optional<bool>(true);
    QTest::newRow("no") << QStringLiteral("No") << std::optional<bool>(false);
    QTest::newRow("empty") << QString() << std::optional<bool>();
    QTest::newRow("other case") << QStringLiteral("NO") << std::optional<bool>();
    QTest::newRow("unaccented") << QStringLiteral("Si") << std::optional<bool>();
}

void TestRecordLayouts::flagParse()
{
    QFETCH(QString, text);
    QFETCH(std::optional<bool>, ticked);
    QCOMPARE(FlagText::parse(text), ticked);
}

void TestRecordLayouts::monthNumber_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<std::optional<int>>("number");
    QTest::newRow("as stored") << QStringLiteral("Gennaio") << std::optional<int>(1);
    QTest::newRow("any case, blanks around") << QStringLiteral(" MARZO ") << std::optional<int>(3);
    QTest::newRow("last") << QStringLiteral("dicembre") << std::optional<int>(12);
    QTest::newRow("not a month") << QStringLiteral("Gen") << std::optional<int>();
    QTest::newRow("empty") << QString() << std::optional<int>();
}

void TestRecordLayouts::monthNumber()
{
    QFETCH(QString, name);
    QFETCH(std::optional<int>, number);
    QCOMPARE(ScheduleRecord::monthNumber(name), number);
    if (number)
        QCOMPARE(ScheduleRecord::months[*number - 1].number, *number);
}

QTEST_GUILESS_MAIN(TestRecordLayouts)
#include "tst_recordlayouts.moc"
