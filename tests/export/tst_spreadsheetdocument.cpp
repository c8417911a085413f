// The spreadsheet document, byte for byte, and the rows the archive exports
// read from their record files.

#include "export/ExportError.h"
#include "export/ExportGrid.h"
#include "export/SpreadsheetDocument.h"
#include "export/SpreadsheetExports.h"
#include "storage/DogRecord.h"
#include "storage/OwnerRecord.h"
#include "storage/Record.h"
#include "storage/ScheduleRecord.h"
#include "storage/ShortText.h"
#include "storage/WholeFile.h"
#include "storage/Windows1252.h"

#include <QAbstractTableModel>
#include <QBuffer>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// The fixed head of every document, with the sheet name between its two parts.
const QByteArray headBeforeName
    = "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
      "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
      "xmlns=\"http://www.w3.org/TR/REC-html40\"><head>"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">"
      "<!--[if gte mso 9]><xml><x:ExcelWorkbook><x:ExcelWorksheets>"
      "<x:ExcelWorksheet><x:Name>";
const QByteArray headAfterName = "</x:Name><x:WorksheetOptions><x:Selected/><x:Panes><x:Pane>"
                                 "<x:Number>1</x:Number><x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>"
                                 "<x:ProtectContents>False</x:ProtectContents>"
                                 "<x:ProtectObjects>False</x:ProtectObjects>"
                                 "<x:ProtectScenarios>False</x:ProtectScenarios></x:WorksheetOptions>"
                                 "</x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook></xml><![endif]-->"
                                 "<style>.text{mso-number-format:\"\\@\";}</style>"
                                 "</head><body><table x:str>";
const QByteArray end = "</table></body></html>";

QByteArray headerCell(const QByteArray &width, const QByteArray &label)
{
    return "<td style=\"text-align: left; font-weight: bold;\" width=" + width + ">" + label + "</td>";
}

// A cell both spreadsheet programs keep as typed: Excel by its class, whose
// style in the head is the text format, LibreOffice by its number format.
QByteArray textCell(const QByteArray &text)
{
    return "<td style=\"text-align: left;\" class=\"text\" sdnum=\"1040;0;@\">" + text + "</td>";
}

// A cell left for the spreadsheet program to read as a number.
QByteArray amountCell(const QByteArray &text)
{
    return "<td style=\"text-align: left;\">" + text + "</td>";
}

// A two-column sheet with an accented label, as the small fixture of these tests.
constexpr SpreadsheetColumn twoColumns[] = { { u"Nome cane", 250 }, { u"Modalit\u00E0", 100 } };
constexpr SpreadsheetFormat twoColumnSheet { u"Prova.xls", u"Riepilogo \u00E8", twoColumns };
const QByteArray twoColumnHead = headBeforeName + "Riepilogo \xE8" + headAfterName + "<tr>"
    + headerCell("250", "Nome cane") + headerCell("100", "Modalit\xE0") + "</tr>";

// The same text in a text column and in an amount column.
constexpr SpreadsheetColumn textAndAmount[]
    = { { u"Causale", 300 }, { u"Importo in euro", 200, CellKind::Amount } };
constexpr SpreadsheetFormat amountSheet { u"Prova.xls", u"Importi", textAndAmount };
const QByteArray amountHead = headBeforeName + "Importi" + headAfterName + "<tr>"
    + headerCell("300", "Causale") + headerCell("200", "Importo in euro") + "</tr>";

// A grid as the windows have it: the running number, then the cells.
ExportGrid *gridOf(std::span<const SpreadsheetColumn> columns, const QList<QStringList> &rows)
{
    auto *grid = new ExportGrid(columns);
    ExportRows filled(int(columns.size()));
    for (const QStringList &row : rows)
        filled.append(row);
    grid->setRows(std::move(filled));
    return grid;
}

QByteArray written(const SpreadsheetFormat &format, const QList<QStringList> &rows)
{
    std::unique_ptr<ExportGrid> grid(gridOf(format.columns, rows));
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    writeGridSpreadsheet(buffer, format, *grid);
    return buffer.data();
}

QByteArray recordOf(const RecordLayout &layout, const std::function<QString(int)> &value)
{
    Record record(layout);
    for (int field = 0; field < layout.fieldCount(); ++field)
        record.setValue(field, value(field));
    return record.bytes();
}

// A record in which every field holds its own number, so a row shows which
// field filled each of its cells.
QByteArray numberedFields(const RecordLayout &layout)
{
    return recordOf(layout, [](int field) { return QString::number(field); });
}

QString n(int field)
{
    return QString::number(field);
}

QString joined(int town, int province)
{
    return n(town) + u' ' + n(province);
}

// The cell texts of a document's data rows, references resolved back.
QStringList cellsOf(const QByteArray &document)
{
    static const QRegularExpression cell(u"<td style=\"text-align: left;\"[^>]*>(.*?)</td>"_s);
    static const QRegularExpression reference(u"&#([0-9]+);"_s);
    QStringList cells;
    auto matches = cell.globalMatch(Windows1252::decode(document));
    while (matches.hasNext()) {
        QString text = matches.next().captured(1);
        QString resolved;
        qsizetype last = 0;
        auto references = reference.globalMatch(text);
        while (references.hasNext()) {
            const auto found = references.next();
            resolved += text.mid(last, found.capturedStart() - last);
            const char32_t code = found.captured(1).toUInt();
            resolved += QString::fromUcs4(&code, 1);
            last = found.capturedEnd();
        }
        resolved += text.mid(last);
        resolved.replace(u"&lt;"_s, u"<"_s).replace(u"&gt;"_s, u">"_s).replace(u"&amp;"_s, u"&"_s);
        cells.append(resolved);
    }
    return cells;
}

// A grid as other windows may have it: any table model whose column 0 is the
// running number.
class TableModel : public QAbstractTableModel
{
public:
    explicit TableModel(QList<QStringList> rows)
        : m_rows(std::move(rows))
    {
    }
    int rowCount(const QModelIndex & = {}) const override { return int(m_rows.size()); }
    int columnCount(const QModelIndex & = {}) const override
    {
        return m_rows.isEmpty() ? 0 : int(m_rows[0].size());
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        return role == Qt::DisplayRole ? QVariant(m_rows[index.row()][index.column()]) : QVariant();
    }

private:
    QList<QStringList> m_rows;
};

// A device that takes the first bytes it is given and then refuses, as a
// full disk does.
class FailingDevice : public QIODevice
{
public:
    explicit FailingDevice(qint64 room)
        : m_room(room)
    {
        open(QIODevice::WriteOnly);
    }
    qint64 taken = 0;

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *, qint64 length) override
    {
        if (taken + length > m_room)
            return -1;
        taken += length;
        return length;
    }

private:
    qint64 m_room;
};

} // namespace

class tst_SpreadsheetDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void document_data()
    {
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("no rows: the header row alone") << QList<QStringList> {} << twoColumnHead + end;
        QTest::newRow("cells trimmed, blanks only give an empty cell")
            << QList<QStringList> { { u"  Fido \t"_s, u"   "_s } }
            << twoColumnHead + "<tr>" + textCell("Fido") + textCell("") + "</tr>" + end;
        QTest::newRow("markup characters as references, braces unchanged")
            << QList<QStringList> { { u"<Rex & Lilli>"_s, u"{\"a\"}"_s } }
            << twoColumnHead + "<tr>" + textCell("&lt;Rex &amp; Lilli&gt;") + textCell("{\"a\"}") + "</tr>"
                + end;
        QTest::newRow("accented letters and the euro in the code page")
            << QList<QStringList> { { u"Perché"_s, u"€ 5,00"_s } }
            << twoColumnHead + "<tr>" + textCell("Perch\xE9") + textCell("\x80 5,00") + "</tr>" + end;
        QTest::newRow("characters beyond the code page as numeric references")
            << QList<QStringList> { { u"Zoë ✓ Ω"_s, u"🐶"_s } }
            << twoColumnHead + "<tr>" + textCell("Zo\xEB &#10003; &#937;") + textCell("&#128054;") + "</tr>"
                + end;
        QTest::newRow("formulas and codes are text")
            << QList<QStringList> { { u"=1+1"_s, u"00184"_s }, { u"@x"_s, u"380260000123456"_s } }
            << twoColumnHead + "<tr>" + textCell("=1+1") + textCell("00184") + "</tr>" + "<tr>"
                + textCell("@x") + textCell("380260000123456") + "</tr>" + end;
        QTest::newRow("rows in grid order, missing cells empty")
            << QList<QStringList> { { u"Uno"_s, u"1"_s }, { u"Due"_s } }
            << twoColumnHead + "<tr>" + textCell("Uno") + textCell("1") + "</tr>" + "<tr>" + textCell("Due")
                + textCell("") + "</tr>" + end;
    }
    void document()
    {
        QFETCH(QList<QStringList>, rows);
        QFETCH(QByteArray, expected);
        QCOMPARE(written(twoColumnSheet, rows), expected);
    }

    // An amount as the amount rules write it stays a number in an amount
    // column; whatever else such a column holds is text, and a text column
    // keeps even an amount as text.
    void amountColumn_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("number");
        QTest::newRow("two decimals") << u"12,50"_s << true;
        QTest::newRow("four decimals, trimmed") << u" 0,1235 "_s << true;
        QTest::newRow("whole") << u"12"_s << true;
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("formula") << u"=1+1"_s << false;
        QTest::newRow("signed") << u"-3,00"_s << false;
        QTest::newRow("point") << u"12.50"_s << false;
        QTest::newRow("no decimals after the comma") << u"12,"_s << false;
        QTest::newRow("no digit before the comma") << u",5"_s << false;
        QTest::newRow("two commas") << u"1,2,3"_s << false;
        QTest::newRow("currency") << u"5,00 EUR"_s << false;
    }
    void amountColumn()
    {
        QFETCH(QString, text);
        QFETCH(bool, number);
        const QByteArray bytes = text.trimmed().toLatin1();
        QCOMPARE(written(amountSheet, { { text, text } }),
            amountHead + "<tr>" + textCell(bytes) + (number ? amountCell(bytes) : textCell(bytes)) + "</tr>"
                + end);
    }

    // Of all six exports, only the schedule's amount is read as a number:
    // every code, date and name is kept as typed.
    void onlyTheAmountIsANumberColumn()
    {
        for (const SpreadsheetFormat *format :
            { &SpreadsheetExports::dogs().format, &SpreadsheetExports::owners().format,
                &SpreadsheetExports::schedule().format, &SpreadsheetExports::imminentDeadlines(),
                &SpreadsheetExports::dailyDeadlines(), &SpreadsheetExports::monthlyDeadlines() }) {
            for (const SpreadsheetColumn &column : format->columns)
                QCOMPARE(column.kind == CellKind::Amount, column.label == u"Importo in euro");
        }
    }

    // The deadline lists hand over their own grid of 21 columns: the running
    // number is left out and the document is the one the archive grids give.
    void anyGridModelWritesColumnsOneToN()
    {
        const SpreadsheetFormat &format = SpreadsheetExports::imminentDeadlines();
        QList<QStringList> modelRows;
        QList<QStringList> cells;
        for (int row = 0; row < 3; ++row) {
            QStringList line { QString::number(row + 1) };
            for (int column = 1; column <= 20; ++column)
                line << u" %1 & %2 ✓"_s.arg(row).arg(column);
            modelRows << line;
            cells << line.mid(1);
        }
        const TableModel model(modelRows);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        writeGridSpreadsheet(buffer, format, model);
        QCOMPARE(buffer.data(), written(format, cells));
        QVERIFY(buffer.data().contains(
            "width=150>Codice univoco</td></tr><tr>" + textCell("0 &amp; 1 &#10003;")));
    }

    // Whatever a cell holds comes back from the document as the trimmed text.
    void randomCellsComeBack()
    {
        QStringList characters;
        for (const QChar c : u"ab <>&;#{}\\\"'àèéìòù€ŠœΩ✓\t"_s)
            characters << QString(c);
        characters << QString::fromUcs4(U"🐶");
        QRandomGenerator random(20240228);
        QList<QStringList> rows;
        QStringList expected;
        for (int i = 0; i < 200; ++i) {
            QString text;
            for (int length = random.bounded(12); length > 0; --length)
                text += characters[random.bounded(characters.size())];
            rows.append({ text, QString() });
            expected << trimmedText(text) << QString();
        }
        QCOMPARE(cellsOf(written(twoColumnSheet, rows)), expected);
    }

    // Rows are kept in large blocks: rows filling several blocks, a row too
    // long for any block and a row with no text at all keep every cell, in
    // the order and with the numbers they are given.
    void rowsKeepTheirCellsAcrossBlocks()
    {
        ExportRows rows(3);
        std::vector<QString> texts;
        const auto rowText = [](int row) {
            return QString(1000 + row % 7, QChar(u'a' + row % 26)) + QString::number(row);
        };
        for (int row = 0; row < 3000; ++row) {
            QString text;
            if (row == 1500)
                text = QString(3 << 20, u'x'); // three million characters: more than a block
            else if (row != 2000)
                text = rowText(row);
            const quint32 ends[] = { quint32(text.size() / 3), quint32(text.size() / 2), quint32(text.size()) };
            rows.append(text, ends, 10'000 + row);
            texts.push_back(std::move(text));
        }
        std::vector<int> reversed(3000);
        for (int row = 0; row < 3000; ++row)
            reversed[size_t(row)] = 2999 - row;
        rows.reorder(reversed);
        QCOMPARE(rows.rowCount(), 3000);
        for (int row = 0; row < 3000; ++row) {
            const int was = 2999 - row;
            const QString &text = texts[size_t(was)];
            QCOMPARE(rows.number(row), 10'000 + was);
            QCOMPARE(rows.cell(row, 0), QStringView(text).first(text.size() / 3));
            QCOMPARE(rows.cell(row, 1), QStringView(text).sliced(text.size() / 3, text.size() / 2 - text.size() / 3));
            QCOMPARE(rows.cell(row, 2), QStringView(text).sliced(text.size() / 2));
        }
    }

    // Rows reach the device while later rows are still being written: the
    // document is never held whole.
    void rowsReachTheDeviceAsTheyAreWritten()
    {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        SpreadsheetWriter writer(buffer, twoColumnSheet);
        for (int row = 0; row < 2000; ++row) {
            writer.beginRow();
            writer.writeCell(QString(200, u'x'));
            writer.writeCell(QString(200, u'y'));
            writer.endRow();
        }
        const qint64 beforeFinish = buffer.size();
        writer.finish();
        QVERIFY(buffer.size() > 800 * 1000);
        QVERIFY2(buffer.size() - beforeFinish < 64 * 1024, qPrintable(QString::number(beforeFinish)));
        QVERIFY(buffer.data().endsWith(end));
    }

    void refusedWriteFails()
    {
        FailingDevice device(1000);
        const auto writeAll = [&] {
            SpreadsheetWriter writer(device, twoColumnSheet);
            for (int row = 0; row < 1000; ++row) {
                writer.beginRow();
                writer.writeCell(u"Fido"_s);
                writer.endRow();
            }
            writer.finish();
        };
        QVERIFY_THROWS_EXCEPTION(ExportError, writeAll());
    }

    // The new content replaces the file only when all of it was written.
    void failedWriteKeepsTheEarlierFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"Cani.xls"_s);
        QCOMPARE(writeWholeFile(path, QByteArray("earlier")), std::nullopt);
        QVERIFY_THROWS_EXCEPTION(ExportError, writeWholeFile(path, [](QIODevice &device) {
            device.write("partial");
            throw ExportError("disk full");
            return true;
        }));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), "earlier");
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList { u"Cani.xls"_s });

        // A file that cannot be made (a folder holds the name) fails too.
        QVERIFY(QDir(dir.path()).mkdir(u"Proprietari.xls"_s));
        QVERIFY(writeWholeFile(dir.filePath(u"Proprietari.xls"_s), QByteArray("x")));
    }

    // Each archive export reads its columns from the right fields, in the
    // order of its header; the owner's towns carry their provinces.
    void archiveRows_data()
    {
        QTest::addColumn<const SpreadsheetExports::ArchiveExport *>("archive");
        QTest::addColumn<QStringList>("cells");
        {
            using namespace DogRecord;
            QTest::newRow("dogs") << &SpreadsheetExports::dogs()
                                  << QStringList { n(Nome), n(Sesso), n(DataNasc), n(Gruppo), n(Razza),
                                         n(Mantello), n(Segni), n(Sterilizzato), n(Libretto), n(Medico),
                                         n(ROI), n(Microchip), n(DataApp), n(Localizzazione), n(Tatuaggio),
                                         n(Pedigree), n(Proprietario), n(Recapito), n(CodFisc), n(ComuneRes),
                                         n(InizioProp), n(Allevatore), n(Vaccinazioni), n(Alimentazione),
                                         n(Note) };
        }
        {
            using namespace OwnerRecord;
            QTest::newRow("owners") << &SpreadsheetExports::owners()
                                    << QStringList { n(Cliente), n(DataNasc), joined(ComuneNasc, ProvNasc),
                                           n(Recapito), n(IndirizzoRes), joined(ComuneRes, ProvRes),
                                           n(Estremi), n(TelCasa), n(TelUff), n(TelCel), n(Fax), n(Email),
                                           n(CodFisc), n(PartitaIva), n(Carta), n(ScadeCarta), n(Iban),
                                           n(Documento), n(Occupazione), n(Civile), n(Titoli), n(CaniOra),
                                           n(CaniPrima), n(Questioni), n(Note) };
        }
        {
            using namespace ScheduleRecord;
            QTest::newRow("schedule")
                << &SpreadsheetExports::schedule()
                << QStringList { n(Data), n(Ora), n(Proprietario), n(CodFisc), n(Recapito), n(Nome),
                       n(DataNasc), n(Razza), n(Mantello), n(Microchip), n(Segni), n(Persona), n(Dettagli),
                       n(Officina), n(Costo), n(Contatto), n(DaConfermare), n(Effettuata), n(Note) };
        }
    }
    void archiveRows()
    {
        QFETCH(const SpreadsheetExports::ArchiveExport *, archive);
        QFETCH(QStringList, cells);
        QTemporaryDir dir;
        const QString path = dir.filePath(u"archivio.pro"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(numberedFields(archive->layout) + numberedFields(archive->layout));
        file.close();

        const ExportRows rows = SpreadsheetExports::readArchiveRows(path, *archive);
        QCOMPARE(rows.rowCount(), 2);
        QCOMPARE(int(archive->format.columns.size()), int(cells.size()));
        for (int row = 0; row < 2; ++row) {
            QStringList read;
            for (int column = 0; column < rows.columnCount(); ++column)
                read << rows.cell(row, column).toString();
            QCOMPARE(read, cells);
        }
    }

    void ownerTownWithoutProvinceStandsAlone()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(OwnerRecord::fileName);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(recordOf(OwnerRecord::layout(), [](int field) {
            switch (field) {
            case OwnerRecord::ComuneNasc:
                return u"Lodi"_s;
            case OwnerRecord::ProvRes:
                return u"MI"_s;
            default:
                return QString();
            }
        }));
        file.close();
        const ExportRows rows = SpreadsheetExports::readArchiveRows(path, SpreadsheetExports::owners());
        QCOMPARE(rows.cell(0, 2).toString(), u"Lodi"_s);
        QCOMPARE(rows.cell(0, 5).toString(), u"MI"_s);
    }

    // A missing archive is created empty and gives no row; a trailing
    // fragment is no record.
    void missingArchiveGivesNoRows()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(DogRecord::fileName);
        QCOMPARE(SpreadsheetExports::readArchiveRows(path, SpreadsheetExports::dogs()).rowCount(), 0);
        QVERIFY(QFile::exists(path));

        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(numberedFields(DogRecord::layout()) + QByteArray(100, 'x'));
        file.close();
        QCOMPARE(SpreadsheetExports::readArchiveRows(path, SpreadsheetExports::dogs()).rowCount(), 1);
    }

    void deadlineListsAddTheChronologicalKey()
    {
        const auto schedule = SpreadsheetExports::schedule().format.columns;
        for (const SpreadsheetFormat *format : { &SpreadsheetExports::imminentDeadlines(),
                 &SpreadsheetExports::dailyDeadlines(), &SpreadsheetExports::monthlyDeadlines() }) {
            QCOMPARE(format->columns.size(), size_t(20));
            for (size_t i = 0; i < schedule.size(); ++i) {
                QCOMPARE(format->columns[i].label.toString(), schedule[i].label.toString());
                QCOMPARE(format->columns[i].width, schedule[i].width);
            }
            QCOMPARE(format->columns.back().label.toString(), u"Codice univoco"_s);
            QCOMPARE(format->columns.back().width, 150);
        }
    }
};

QTEST_GUILESS_MAIN(tst_SpreadsheetDocument)
#include "tst_spreadsheetdocument.moc"
