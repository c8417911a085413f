// A real spreadsheet program and a real word processor read what the exports
// write: LibreOffice converts an exported spreadsheet to CSV and the RTF card
// to plain text, and the values, accents included, come back. Runs only where
// LibreOffice is installed (scripts/install-deps.sh --with-office).

#include "export/DogCardRtf.h"
#include "export/ExportGrid.h"
#include "export/SavedFile.h"
#include "export/SpreadsheetDocument.h"
#include "export/SpreadsheetExports.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

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
        writeWholeFile(path, [&](QIODevice &device) { writeGridSpreadsheet(device, format, grid); });

        const QStringList lines = convert(path, u"csv:Text - txt - csv (StarCalc):44,34,76"_s, u"csv"_s);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].startsWith(u"Nome cane,Sesso,Data nascita,"_s), qPrintable(lines[0]));
        QVERIFY2(lines[0].contains(u"Data inizio proprietà"_s), qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith(u"Fido & <Lilli>,M,,,Bracco italiano,"_s), qPrintable(lines[1]));
        QVERIFY2(lines[1].endsWith(u",Perché più {sempre} €"_s), qPrintable(lines[1]));
        QVERIFY2(lines[2].startsWith(u"Zoë ✓,"_s), qPrintable(lines[2]));
    }

    void rtfReadsBack()
    {
        QList<QString> values(DogCardRtf::fields().size());
        values.front() = u"Birba {detta} C:\\cani"_s;
        values[1] = u"F"_s;
        values.back() = u"Perché più € ✓"_s;
        const QString path = m_dir.filePath(DogCardRtf::fileName);
        writeWholeFile(path, [&](QIODevice &device) { device.write(DogCardRtf::document(values)); });

        const QStringList lines = convert(path, u"txt:Text (encoded):UTF8"_s, u"txt"_s);
        QVERIFY2(lines.contains(u"SCHEDA ANAGRAFICA CANE"_s), qPrintable(lines.join(u'|')));
        QVERIFY2(lines.contains(u"Nome cane: Birba {detta} C:\\cani"_s), qPrintable(lines.join(u'|')));
        QVERIFY2(lines.contains(u"Sesso: F"_s), qPrintable(lines.join(u'|')));
        QVERIFY2(lines.contains(u"Razza: "_s) || lines.contains(u"Razza:"_s), qPrintable(lines.join(u'|')));
        QVERIFY2(lines.contains(u"Note: Perché più € ✓"_s), qPrintable(lines.join(u'|')));
    }

private:
    // The lines of the document converted by LibreOffice, headless, with a
    // profile of its own so that no running copy or user setting interferes.
    QStringList convert(const QString &path, const QString &filter, const QString &extension)
    {
        QProcess soffice;
        soffice.setProcessChannelMode(QProcess::MergedChannels);
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
