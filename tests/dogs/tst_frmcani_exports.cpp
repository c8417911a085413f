// The dog card's two exports: the RTF card of what is on screen
// (cmdAnteprima) and the spreadsheet of the archive (cmdEsporta).

#include "tst_frmcani_fixture.h"

#include "export/DogCardRtf.h"

#include <QDir>
#include <QTableView>

using namespace Qt::Literals::StringLiterals;
using Kind = MessageBoxes::Kind;
using Answer = MessageBoxes::Answer;
using Shown = RecordingMessageBoxes::Shown;

namespace {

const QString confirmRtf = u"Questa procedura esporterà la scheda corrente in un documento in formato RTF."
                           "\r\n\r\nSi conferma la creazione del file?"_s;
const QString offerToOpenRtf
    = u"Il file RTF è stato creato con successo.\r\n\r\nSi vuole aprire il documento?"_s;
const QString rtfFailed = u"Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                          "Accertarsi che il documento non sia già aperto."_s;

} // namespace

class tst_FrmCaniExports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<DogCardFixture>(); }
    void cleanup() { m_fixture.reset(); }

    // What is typed and not saved is what the document holds, even what the
    // archive's code page could not store.
    void rtfHoldsTheCardAsShown()
    {
        DogCardFixture &f = *m_fixture;
        f.writeArchive({ u"Birba"_s });
        click(child(f.card(), "cmdPrimo"));
        f.box("txtNome")->setText(u"Birba {detta} Bì"_s);
        f.box("txtAllevatore")->setText(u"Allevamento Łódź"_s);
        f.box("txtNote")->setText(u"  mai salvato "_s);
        bool sawWindow = false;
        whenModalShown([&](QWidget *window) {
            sawWindow = true;
            QCOMPARE(window->objectName(), u"frmCreaRTF"_s);
            QCOMPARE(window->windowTitle(), u" Esporta scheda in RTF"_s);
            QCOMPARE(window->size(), QSize(377, 292));
            QCOMPARE(child<QLabel>(window, "lblMemory")->text(), u"cani"_s);
            click(child(window, "btnEsporta"));
        });
        click(child(f.card(), "cmdAnteprima"));
        QVERIFY(sawWindow);

        QCOMPARE(f.doubles.messages.shown,
            (QList<Shown> { { Kind::Question, confirmRtf }, { Kind::Question, offerToOpenRtf } }));
        QCOMPARE(
            f.doubles.shell.opened, QStringList { QDir::toNativeSeparators(f.path(DogCardRtf::fileName)) });
        const QByteArray document = f.readFile(DogCardRtf::fileName);
        QVERIFY(document.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
        QVERIFY(document.contains("Nome cane:\\b0\\f1  \\f0 Birba \\{detta\\} B\xEC\\par"));
        QVERIFY(document.contains("\\par \\b Razza:\\b0\\f1  \\f0 Pastore\\par"));
        QVERIFY(document.contains("\\f0 Allevamento \\u321?\xF3"
                                  "d\\u378?\\par"));
        QVERIFY(document.endsWith("\\par \\b Note:\\b0\\f1  \\f0 mai salvato\\b\\par\\par }"));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // The window closes after the export whatever happened; only the
    // confirmed, successful export replaces the file.
    void rtfWindowClosesInEveryCase_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<bool>("blocked"); // a folder holds the file's name
        QTest::addColumn<QList<Shown>>("messages");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("cancel") << u"btnAnnulla"_s << QList<Answer> {} << false << QList<Shown> {} << false;
        QTest::newRow("no to the first question") << u"btnEsporta"_s << QList<Answer> { Answer::No } << false
                                                  << QList<Shown> { { Kind::Question, confirmRtf } } << false;
        QTest::newRow("no to opening")
            << u"btnEsporta"_s << QList<Answer> { Answer::Yes, Answer::No } << false
            << QList<Shown> { { Kind::Question, confirmRtf }, { Kind::Question, offerToOpenRtf } } << true;
        QTest::newRow("file cannot be written")
            << u"btnEsporta"_s << QList<Answer> { Answer::Yes } << true
            << QList<Shown> { { Kind::Question, confirmRtf }, { Kind::Error, rtfFailed } } << false;
    }
    void rtfWindowClosesInEveryCase()
    {
        QFETCH(QString, button);
        QFETCH(QList<Answer>, answers);
        QFETCH(bool, blocked);
        QFETCH(QList<Shown>, messages);
        QFETCH(bool, replaced);
        DogCardFixture &f = *m_fixture;
        if (blocked)
            QVERIFY(QDir(f.path(QString())).mkdir(DogCardRtf::fileName));
        else
            f.writeFile(DogCardRtf::fileName, "earlier");
        for (Answer answer : answers)
            f.doubles.messages.answerNextQuestions({ answer });
        f.box("txtNome")->setText(u"Birba"_s);
        whenModalShown([&](QWidget *window) { click(child(window, qPrintable(button))); });
        click(child(f.card(), "cmdAnteprima"));

        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(f.doubles.messages.shown, messages);
        QVERIFY(f.doubles.shell.opened.isEmpty());
        if (!blocked)
            QCOMPARE(f.readFile(DogCardRtf::fileName) != "earlier", replaced);
    }

    // The spreadsheet export reads the archive, not the card on screen.
    void spreadsheetExportShowsTheArchive()
    {
        DogCardFixture &f = *m_fixture;
        f.writeArchive({ u"Birba"_s, u"Fido"_s });
        f.box("txtNome")->setText(u"Non salvato"_s);
        QStringList names;
        whenModalShown([&](QWidget *window) {
            QCOMPARE(window->objectName(), u"frmExpCani"_s);
            QCOMPARE(window->parentWidget(), f.card());
            const QAbstractItemModel *grid = child<QTableView>(window, "grdArchivio")->model();
            for (int row = 0; row < grid->rowCount(); ++row)
                names << grid->index(row, 1).data().toString();
            click(child(window, "cmdEsci"));
        });
        click(child(f.card(), "cmdEsporta"));
        QCOMPARE(names, (QStringList { u"Birba"_s, u"Fido"_s }));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

private:
    std::unique_ptr<DogCardFixture> m_fixture;
};

ZAMPORA_GUI_TEST_MAIN(tst_FrmCaniExports)
#include "tst_frmcani_exports.moc"
