// The RTF dog card, byte for byte.

#include "export/DogCardRtf.h"

#include <QTest>

#include <numeric>

using namespace Qt::Literals::StringLiterals;

namespace {

const QByteArray head = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1040"
                        "{\\fonttbl{\\f0\\fnil\\fcharset0 Verdana;}{\\f1\\fnil Verdana;}}"
                        "{\\colortbl ;\\red0\\green0\\blue0;}"
                        "\\viewkind4\\uc1\\pard\\qc\\cf1\\b\\f0\\fs24 SCHEDA ANAGRAFICA CANE\\f1\\fs16"
                        "\\par \\fs24 ________________________________________________\\par";

QByteArray paragraph(const QByteArray &label, const QByteArray &value)
{
    return "\\par \\b " + label + ":\\b0\\f1  \\f0 " + value + "\\par";
}

QList<QString> valuesWith(const QString &name, const QString &note)
{
    QList<QString> values(54);
    values.front() = name;
    values.back() = note;
    return values;
}

} // namespace

class tst_DogCardRtf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The labels and the boxes that supply them, in document order.
    void fieldsInDocumentOrder()
    {
        const QStringList labels {
            u"Nome cane"_s,
            u"Sesso"_s,
            u"Data nascita"_s,
            u"Gruppo appartenenza"_s,
            u"Razza"_s,
            u"Colore mantello"_s,
            u"Tipologia pelo"_s,
            u"Segni particolari"_s,
            u"Altezza"_s,
            u"Lunghezza"_s,
            u"Taglia"_s,
            u"Peso"_s,
            u"Sterilizzato"_s,
            u"Libretto sanitario"_s,
            u"Medico veterinario"_s,
            u"Numero ROI"_s,
            u"Codice microchip"_s,
            u"Data applicazione"_s,
            u"Localizzazione microchip"_s,
            u"Tatuaggio"_s,
            u"Pedigree"_s,
            u"Comportamento verso persone o altri cani"_s,
            u"Comportamento al guinzaglio"_s,
            u"Giochi preferiti"_s,
            u"Proprietario attuale"_s,
            u"Telefono preferenziale"_s,
            u"Codice fiscale"_s,
            u"Comune di residenza"_s,
            u"Data inizio possesso"_s,
            u"Allevatore"_s,
            u"Passaggi di possesso"_s,
            u"Padre"_s,
            u"Nonni paterni"_s,
            u"Bisnonni paterni"_s,
            u"Trisnonni paterni"_s,
            u"Madre"_s,
            u"Nonni materni"_s,
            u"Bisnonni materni"_s,
            u"Trisnonni materni"_s,
            u"Campionati italiani"_s,
            u"Campionati internazionali"_s,
            u"Titoli e brevetti vari"_s,
            u"Accompagnatori"_s,
            u"Iscrizioni a club"_s,
            u"Vaccinazioni"_s,
            u"Sverminazioni"_s,
            u"Trattamenti antiparassitari"_s,
            u"Accertamenti diagnostici"_s,
            u"Malattie pregresse"_s,
            u"Interventi chirurgici"_s,
            u"Profilassi in corso"_s,
            u"Difetti fisici"_s,
            u"Alimentazione"_s,
            u"Note"_s,
        };
        QStringList shownLabels;
        QList<int> boxes;
        for (const DogCardRtf::Field &field : DogCardRtf::fields()) {
            shownLabels << field.label.toString();
            boxes << field.field;
        }
        QCOMPARE(shownLabels, labels);
        // The 54 boxes of the card in record order, but the notes come last.
        QList<int> expectedBoxes(54);
        std::iota(expectedBoxes.begin(), expectedBoxes.end(), 0);
        expectedBoxes.move(DogRecord::Note, 53);
        QCOMPARE(boxes, expectedBoxes);
    }

    void document_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("note");
        QTest::addColumn<QByteArray>("nameInDocument");
        QTest::addColumn<QByteArray>("noteInDocument");
        QTest::newRow("empty boxes: label, colon and blank only")
            << QString() << QString() << QByteArray() << QByteArray();
        QTest::newRow("values trimmed")
            << u"  Fido "_s << u"\tsta bene  "_s << QByteArray("Fido") << QByteArray("sta bene");
        QTest::newRow("backslash and braces escaped")
            << u"C:\\cani\\{Fido}"_s << u"}{"_s << QByteArray("C:\\\\cani\\\\\\{Fido\\}")
            << QByteArray("\\}\\{");
        QTest::newRow("accented letters and the euro in the code page")
            << u"Perché più"_s << u"€ 5"_s << QByteArray("Perch\xE9 pi\xF9") << QByteArray("\x80 5");
        QTest::newRow("characters beyond the code page as Unicode escapes")
            << u"Ω✓"_s << u"🐶"_s << QByteArray("\\u937?\\u10003?") << QByteArray("\\u-10179?\\u-9162?");
    }
    void document()
    {
        QFETCH(QString, name);
        QFETCH(QString, note);
        QFETCH(QByteArray, nameInDocument);
        QFETCH(QByteArray, noteInDocument);

        QByteArray expected
            = head + "\\par \\pard\\f0\\fs20 Nome cane:\\b0\\f1  \\f0 " + nameInDocument + "\\par";
        for (const DogCardRtf::Field &field : DogCardRtf::fields().subspan(1, 52))
            expected += paragraph(field.label.toLatin1(), QByteArray());
        expected += "\\par \\b Note:\\b0\\f1  \\f0 " + noteInDocument + "\\b\\par\\par }";
        QCOMPARE(DogCardRtf::document(valuesWith(name, note)), expected);
    }
};

QTEST_GUILESS_MAIN(tst_DogCardRtf)
#include "tst_dogcardrtf.moc"
