// A real spreadsheet program and a real word processor read what the exports
// write: LibreOffice converts an exported spreadsheet to CSV and the RTF card
// to plain text, and the values, accents included, come back; texts that look
// like formulas or numbers come back as typed, amounts as numbers. Runs only
// where LibreOffice is installed (scripts/install-deps.sh --with-office).

#include "export/DogCardRtf.h"
#include "export/ExportGrid.h"
#include "export/SpreadsheetDocument.h"
#include "export/SpreadsheetExports.h"
#include "storage/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QXmlStreamReader>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

class tst_OfficeRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_soffice = QStandardPaths::findExecutable(u"soffice"_s);
        if (m_soffice.isEmpty())
            QSKIP(
                "LibreOffice (soffice) is not installed; scripts/install-deps.sh --with-office installs it");
        QVERIFY(m_dir.isValid());
    }

    void spreadsheetReadsBack()
    {
        const SpreadsheetFormat &format = SpreadsheetExports::dogs().format;
        ExportRows rows(int(format.columns.size()));
        QList<QString> first(format.columns.size());
        first[0] = u"Fido & <Lilli>"_s;
        first[1] = u"M"_s;
        first[4] = u"Bracco italiano"_s;
        first[24] = u"Perché più {sempre} €"_s;
        QList<QString> second(format.columns.size());
        second[0] = u"Zoë ✓"_s;
        rows.append(first);
        rows.append(second);
        ExportGrid grid(format.columns);
        grid.setRows(std::move(rows));
        const QString path = m_dir.filePath(u"Cani.xls"_s);
        QVERIFY(!writeWholeFile(path, [&](QIODevice &device) {
            writeGridSpreadsheet(device, format, grid);
            return true;
        }));

        const QStringList lines = convert(path, u"csv:Text - txt - csv (StarCalc):44,34,76"_s, u"csv"_s);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].startsWith(u"Nome cane,Sesso,Data nascita,"_s), qPrintable(lines[0]));
        QVERIFY2(lines[0].contains(u"Data inizio proprietà"_s), qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith(u"Fido & <Lilli>,M,,,Bracco italiano,"_s), qPrintable(lines[1]));
        QVERIFY2(lines[1].endsWith(u",Perché più {sempre} €"_s), qPrintable(lines[1]));
        QVERIFY2(lines[2].startsWith(u"Zoë ✓,"_s), qPrintable(lines[2]));
    }

    // Texts a spreadsheet program would otherwise evaluate, or read as
    // numbers and dates, come back exactly as typed.
    void lookalikeTextsReadBackAsTyped()
    {
        const QStringList typed { u"=1+1"_s, u"+39 333"_s, u"-"_s, u"@x"_s, u"00184"_s, u"380260000123456"_s,
            u"=HYPERLINK(\"http://example.com\";\"Fido\")"_s, u"0012"_s, u"12/03/2024"_s, u"1e5"_s,
            u"12,50"_s };
        const SpreadsheetFormat &format = SpreadsheetExports::owners().format;
        ExportRows rows(int(format.columns.size()));
        rows.append(typed);
        ExportGrid grid(format.columns);
        grid.setRows(std::move(rows));
        const QString path = m_dir.filePath(u"Proprietari.xls"_s);
        QVERIFY(!writeWholeFile(path, [&](QIODevice &device) {
            writeGridSpreadsheet(device, format, grid);
            return true;
        }));

        const QStringList lines = convert(path, u"csv:Text - txt - csv (StarCalc):44,34,76"_s, u"csv"_s);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(csvFields(lines[1]).mid(0, typed.size()), typed);
    }

    // An amount is a number the spreadsheet sums; the codes beside it, and
    // whatever else lands in the amount column, stay text.
    void amountsReadBackAsNumbers()
    {
        const SpreadsheetFormat &format = SpreadsheetExports::schedule().format;
        constexpr int microchip = 9;
        constexpr int amount = 14;
        ExportRows rows(int(format.columns.size()));
        for (const auto &[code, cost] : { std::pair { u"00184"_s, u"12,50"_s },
                 { u"380260000123456"_s, u"0,1235"_s }, { u"0012"_s, u"=1+1"_s } }) {
            QList<QString> cells(format.columns.size());
            cells[microchip] = code;
            cells[amount] = cost;
            rows.append(cells);
        }
        ExportGrid grid(format.columns);
        grid.setRows(std::move(rows));
        const QString path = m_dir.filePath(u"Scadenze_e_Appuntamenti.xls"_s);
        QVERIFY(!writeWholeFile(path, [&](QIODevice &device) {
            writeGridSpreadsheet(device, format, grid);
            return true;
        }));

        const QList<QStringList> sheet = flatSheetCells(convert(path, u"fods"_s, u"fods"_s).join(u'\n'));
        QCOMPARE(sheet.size(), 4);
        const QStringList codes { sheet[1].value(microchip), sheet[2].value(microchip),
            sheet[3].value(microchip) };
        const QStringList amounts { sheet[1].value(amount), sheet[2].value(amount), sheet[3].value(amount) };
        QCOMPARE(codes, (QStringList { u"string 00184"_s, u"string 380260000123456"_s, u"string 0012"_s }));
        QCOMPARE(amounts, (QStringList { u"float 12.5"_s, u"float 0.1235"_s, u"string =1+1"_s }));
    }

    void rtfReadsBack()
    {
        QList<QString> values(DogCardRtf::fields().size());
        values.front() = u"Birba {detta} C:\\cani"_s;
        values[1] = u"F"_s;
        values.back() = u"Perché più € ✓"_s;
        const QString path = m_dir.filePath(DogCardRtf::fileName);
        QVERIFY(!writeWholeFile(path, DogCardRtf::document(values)));

        const QStringList lines = convert(path, u"txt:Text (encoded):UTF8"_s, u"txt"_s);
        QVERIFY2(lines.contains(u"SCHEDA ANAGRAFICA CANE"_s), qPrintable(lines.join(u'|')));
        QVERIFY2(lines.contains(u"Nome cane: Birba {detta} C:\\cani"_s), qPrintable(lines.join(u'|')));
        QVERIFY2(lines.contains(u"Sesso: F"_s), qPrintable(lines.join(u'|')));
        QVERIFY2(lines.contains(u"Razza: "_s) || lines.contains(u"Razza:"_s), qPrintable(lines.join(u'|')));
        QVERIFY2(lines.contains(u"Note: Perché più € ✓"_s), qPrintable(lines.join(u'|')));
    }

private:
    // The fields of one CSV line as LibreOffice writes it: comma-separated,
    // a field holding a comma or a quote enclosed in quotes, quotes doubled.
    static QStringList csvFields(const QString &line)
    {
        QStringList fields { QString() };
        bool quoted = false;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QChar c = line[i];
            if (quoted && c == u'"' && i + 1 < line.size() && line[i + 1] == u'"')
                fields.last() += line[++i];
            else if (c == u'"')
                quoted = !quoted;
            else if (c == u',' && !quoted)
                fields.append(QString());
            else
                fields.last() += c;
        }
        return fields;
    }

    // The cells of each row of a flat OpenDocument spreadsheet, each as its
    // value type and, for a number its value, for text the text shown; rows
    // after the last filled one are left out.
    static QList<QStringList> flatSheetCells(const QString &document)
    {
        QList<QStringList> rows;
        QXmlStreamReader xml(document);
        QString type;
        QString value;
        int repeated = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isStartElement() && xml.name() == u"table-row") {
                rows.append(QStringList());
            } else if (xml.isStartElement() && xml.name() == u"table-cell") {
                const QXmlStreamAttributes attributes = xml.attributes();
                type = attributes.value(u"office:value-type"_s).toString();
                value = attributes.value(u"office:value"_s).toString();
                repeated = qBound(1, attributes.value(u"table:number-columns-repeated"_s).toInt(), 100);
            } else if (xml.isStartElement() && xml.name() == u"p" && type != u"float") {
                value += xml.readElementText(QXmlStreamReader::IncludeChildElements);
            } else if (xml.isEndElement() && xml.name() == u"table-cell" && !rows.isEmpty()) {
                for (int i = 0; i < repeated; ++i)
                    rows.last().append(type.isEmpty() ? QString() : type + u' ' + value);
            }
        }
        const auto blank = [](const QStringList &row) {
            return std::all_of(row.begin(), row.end(), [](const QString &cell) { return cell.isEmpty(); });
        };
        while (!rows.isEmpty() && blank(rows.last()))
            rows.removeLast();
        return rows;
    }

    // The lines of the document converted by LibreOffice, headless, with a
    // profile of its own so that no running copy or user setting interferes.
    // It runs with an Italian locale, as on the machines the program is made
    // for, so that it reads amounts with the decimal comma.
    QStringList convert(const QString &path, const QString &filter, const QString &extension)
    {
        QProcess soffice;
        soffice.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"LC_ALL"_s, u"it_IT.UTF-8"_s);
        environment.insert(u"LANG"_s, u"it_IT.UTF-8"_s);
        soffice.setProcessEnvironment(environment);
        soffice.start(m_soffice,
            { u"-env:UserInstallation="_s + QUrl::fromLocalFile(m_dir.filePath(u"profile"_s)).toString(),
                u"--headless"_s, u"--norestore"_s, u"--convert-to"_s, filter, u"--outdir"_s,
                m_dir.filePath(u"out"_s), path });
        if (!soffice.waitForFinished(180000)) {
            soffice.kill();
            soffice.waitForFinished();
            qWarning("soffice did not finish in time");
            return {};
        }
        const QString converted
            = m_dir.filePath(u"out/"_s + QFileInfo(path).completeBaseName() + u'.' + extension);
        QFile file(converted);
        if (!file.open(QIODevice::ReadOnly)) {
            qWarning("soffice wrote nothing: %s", soffice.readAll().constData());
            return {};
        }
        QString text = QString::fromUtf8(file.readAll());
        if (text.startsWith(QChar(0xFEFF)))
            text.remove(0, 1);
        QStringList lines = text.split(QRegularExpression(u"\r?\n"_s));
        while (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    QString m_soffice;
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(tst_OfficeRoundTrip)
#include "tst_officeroundtrip.moc"
