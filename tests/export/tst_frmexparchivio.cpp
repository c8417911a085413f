// The archive export window in its three configurations: the grid read on
// show, the export with its two questions, the failure message, the status
// strip.

#include "AppFixture.h"

#include "export/ExportGrid.h"
#include "export/frmExpArchivio.h"
#include "storage/DogRecord.h"
#include "storage/OwnerRecord.h"
#include "storage/Record.h"
#include "storage/ScheduleRecord.h"
#include "ui/PictureButton.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QTableView>

#include <optional>

using namespace Qt::Literals::StringLiterals;
using Kind = MessageBoxes::Kind;
using Answer = MessageBoxes::Answer;

namespace {

const QString confirmExport
    = u"L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del "
      "numero di schede presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?"_s;
const QString offerToOpen
    = u"Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?"_s;
const QString exportFailed = u"Attenzione: il sistema non permette di esportare i dati.\n\r\n\r"
                             "Accertarsi che il file di Excel non sia già aperto."_s;

// How the test opens one of the three windows.
enum class Archive { Dogs, Owners, Schedule };

QByteArray recordWith(const RecordLayout &layout, std::initializer_list<std::pair<int, QString>> values)
{
    Record record(layout);
    for (const auto &[field, text] : values)
        record.setValue(field, text);
    return record.bytes();
}

// A data cell as text, kept as typed by the spreadsheet program.
QByteArray textCell(const QByteArray &text)
{
    return "<td style=\"text-align: left;\" class=\"text\" sdnum=\"1040;0;@\">" + text + "</td>";
}

} // namespace

Q_DECLARE_METATYPE(Archive)

class tst_FrmExpArchivio : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<TestContext>(); }
    void cleanup() { m_fixture.reset(); }

    void configurations_data()
    {
        QTest::addColumn<Archive>("archive");
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("sheetName");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("firstLabel");
        QTest::addColumn<QStringList>("secondRow"); // its first two cells after "N."
        QTest::addColumn<QString>("helpTitle");
        QTest::newRow("dogs") << Archive::Dogs << u"frmExpCani"_s
                              << u" Esporta archivio anagrafico cani in Microsoft Excel"_s << u"Cani.xls"_s
                              << QByteArray("Riepilogo Cani") << 26 << u"Nome cane"_s
                              << QStringList { u"Lilli"_s, u"F"_s }
                              << u"Esportazione archivio anagrafico cani in Microsoft Excel."_s;
        QTest::newRow("owners") << Archive::Owners << u"frmExpClienti"_s
                                << u" Esporta archivio proprietari in Microsoft Excel"_s
                                << u"Proprietari.xls"_s << QByteArray("Riepilogo Proprietari") << 26
                                << u"Cognome e nome"_s << QStringList { u"Bianchi Anna"_s, u"02/03/1980"_s }
                                << u"Esportazione archivio proprietari in Microsoft Excel."_s;
        QTest::newRow("schedule") << Archive::Schedule << u"frmExpScadenzario"_s
                                  << u" Esporta archivio Scadenzario pagamenti"_s
                                  << u"Scadenze_e_Appuntamenti.xls"_s << QByteArray("Scadenze e appuntamenti")
                                  << 20 << u"Data scadenza"_s << QStringList { u"05/03/2025"_s, u"09:30"_s }
                                  << u"Esportazione archivio Scadenze e appuntamenti in Microsoft Excel."_s;
    }
    // Each window reads its own archive when shown, shows its own help page
    // and exports to its own file and sheet; answering No to opening leaves the
    // file unopened.
    void configurations()
    {
        QFETCH(Archive, archive);
        QFETCH(QString, objectName);
        QFETCH(QString, caption);
        QFETCH(QString, fileName);
        QFETCH(QByteArray, sheetName);
        QFETCH(int, columns);
        QFETCH(QString, firstLabel);
        QFETCH(QStringList, secondRow);
        QFETCH(QString, helpTitle);
        writeTwoRecords(archive);

        TestContext &f = *m_fixture;
        f.doubles.messages.answerNextQuestions({ Answer::Yes, Answer::No });
        openAndThen(archive, [&](QWidget *window) {
            QCOMPARE(window->objectName(), objectName);
            QCOMPARE(window->windowTitle(), caption);
            QCOMPARE(window->size(), QSize(862, 560));
            const QAbstractItemModel &grid = *child<QTableView>(window, "grdArchivio")->model();
            QCOMPARE(grid.columnCount(), columns);
            QCOMPARE(grid.headerData(0, Qt::Horizontal).toString(), u"N."_s);
            QCOMPARE(grid.headerData(1, Qt::Horizontal).toString(), firstLabel);
            QCOMPARE(grid.rowCount(), 2);
            QCOMPARE(grid.index(1, 0).data().toString(), u"2"_s);
            QCOMPARE(QStringList({ grid.index(1, 1).data().toString(), grid.index(1, 2).data().toString() }),
                secondRow);

            QString shownHelp;
            whenModalShown([&](QWidget *help) {
                QCOMPARE(help->parentWidget(), window);
                shownHelp = child<QLabel>(help, "lblTitolo")->text();
                click(child(help, "btnChiudi"));
            });
            click(child(window, "cmdGuida"));
            QCOMPARE(shownHelp, helpTitle);

            click(child(window, "cmdEsporta"));
            QVERIFY(window->isVisible());
            closeWindow(window);
        });
        QCOMPARE(f.doubles.messages.shown,
            (QList<RecordingMessageBoxes::Shown> {
                { Kind::Question, confirmExport }, { Kind::Question, offerToOpen } }));
        QVERIFY(f.doubles.shell.opened.isEmpty());
        const QByteArray document = f.readFile(fileName);
        QVERIFY(document.contains("<x:Name>" + sheetName + "</x:Name>"));
        QCOMPARE(document.count("<tr>"), 3);
        QVERIFY(document.contains(
            "<tr>" + textCell(secondRow[0].toLatin1()) + textCell(secondRow[1].toLatin1())));
        QVERIFY(document.endsWith("</tr></table></body></html>"));
    }

    void exportOpensTheFileUnlessRefused_data()
    {
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<bool>("written");
        QTest::addColumn<bool>("opened");
        QTest::newRow("yes, yes") << QList<Answer> { Answer::Yes, Answer::Yes } << true << true;
        QTest::newRow("yes, no") << QList<Answer> { Answer::Yes, Answer::No } << true << false;
        QTest::newRow("no") << QList<Answer> { Answer::No } << false << false;
    }
    void exportOpensTheFileUnlessRefused()
    {
        QFETCH(QList<Answer>, answers);
        QFETCH(bool, written);
        QFETCH(bool, opened);
        TestContext &f = *m_fixture;
        writeTwoRecords(Archive::Dogs);
        f.writeFile(u"Cani.xls"_s, "earlier");
        for (Answer answer : answers)
            f.doubles.messages.answerNextQuestions({ answer });
        openAndThen(Archive::Dogs, [&](QWidget *window) {
            click(child(window, "cmdEsporta"));
            closeWindow(window);
        });
        QCOMPARE(f.doubles.messages.shown.size(), answers.size());
        QCOMPARE(f.readFile(u"Cani.xls"_s) != "earlier", written);
        QCOMPARE(f.doubles.shell.opened,
            opened ? QStringList { QDir::toNativeSeparators(f.path(u"Cani.xls"_s)) } : QStringList {});
    }

    // The rows go to the file under the progress dialog, counted. "Annulla",
    // up to the last row, leaves the earlier file as it was, nothing beside
    // it, and the window open for another try.
    void export_showsTheRowsDone_andCanBeCancelled_data()
    {
        QTest::addColumn<std::optional<int>>("cancelAtStep");
        QTest::newRow("not cancelled") << std::optional<int>();
        QTest::newRow("cancelled after the first row") << std::optional<int>(0);
        QTest::newRow("cancelled after the last row") << std::optional<int>(1);
    }
    void export_showsTheRowsDone_andCanBeCancelled()
    {
        QFETCH(std::optional<int>, cancelAtStep);
        TestContext &f = *m_fixture;
        writeTwoRecords(Archive::Dogs);
        f.writeFile(u"Cani.xls"_s, "earlier");
        const QStringList filesBefore = QDir(f.path(QString())).entryList(QDir::Files | QDir::Hidden);
        f.doubles.progress.cancelAtStep = cancelAtStep;
        f.doubles.messages.answerNextQuestions({ Answer::Yes, Answer::No });
        bool openAfter = false;
        openAndThen(Archive::Dogs, [&](QWidget *window) {
            click(child(window, "cmdEsporta"));
            openAfter = window->isVisible();
            closeWindow(window);
        });
        QVERIFY(openAfter);
        QCOMPARE(f.doubles.progress.runs.size(), 1);
        const ScriptedProgress::Run &run = f.doubles.progress.runs[0];
        QCOMPARE(run.title, u"Esportazione in Excel"_s);
        QCOMPARE(run.cancelled, cancelAtStep.has_value());
        const QStringList counted { u"Esportazione delle schede in corso: 0 di 2."_s,
            u"Esportazione delle schede in corso: 1 di 2."_s, u"Esportazione delle schede in corso: 2 di 2."_s };
        QCOMPARE(run.labels(), counted.first(cancelAtStep.value_or(1) + 2));
        if (cancelAtStep) {
            QCOMPARE(f.doubles.messages.shown.size(), 1); // the question before, nothing after
            QCOMPARE(f.readFile(u"Cani.xls"_s), QByteArray("earlier"));
        } else {
            QCOMPARE(f.doubles.messages.shown.last().text, offerToOpen);
            QVERIFY(f.readFile(u"Cani.xls"_s).contains("Lilli"));
        }
        QCOMPARE(QDir(f.path(QString())).entryList(QDir::Files | QDir::Hidden), filesBefore);
    }

    // Written, but the desktop has nothing to open it with: the user is told
    // where the file is.
    void exportThatTheDesktopCannotOpen_saysWhereTheFileIs()
    {
        TestContext &f = *m_fixture;
        writeTwoRecords(Archive::Dogs);
        f.doubles.shell.succeed = false;
        openAndThen(Archive::Dogs, [&](QWidget *window) {
            click(child(window, "cmdEsporta"));
            closeWindow(window);
        });
        QCOMPARE(f.doubles.messages.shown.size(), 3);
        QCOMPARE(f.doubles.messages.shown.last(),
            (RecordingMessageBoxes::Shown { MessageBoxes::Kind::Error,
                QString::fromUtf8("Attenzione: non è stato possibile aprire il file Cani.xls.\n\r\n\r"
                                  "Il file si trova nella cartella %1.")
                    .arg(QDir::toNativeSeparators(QFileInfo(f.path(u"Cani.xls"_s)).absolutePath())) }));
    }

    // The file cannot be written: the message, the window still open, and
    // the export can be repeated once the file is free.
    void unwritableFileShowsTheFailure()
    {
        TestContext &f = *m_fixture;
        writeTwoRecords(Archive::Owners);
        QVERIFY(QDir(f.path(QString())).mkdir(u"Proprietari.xls"_s));
        f.doubles.messages.answerNextQuestions({ Answer::Yes, Answer::Yes, Answer::No });
        openAndThen(Archive::Owners, [&](QWidget *window) {
            click(child(window, "cmdEsporta"));
            QCOMPARE(f.doubles.messages.shown.last(),
                (RecordingMessageBoxes::Shown { Kind::Error, exportFailed }));
            QCOMPARE(f.doubles.messages.shown.size(), 2);
            QVERIFY(window->isVisible());

            QVERIFY(QDir(f.path(QString())).rmdir(u"Proprietari.xls"_s));
            click(child(window, "cmdEsporta"));
            closeWindow(window);
        });
        QVERIFY(f.doubles.shell.opened.isEmpty());
        QVERIFY(f.readFile(u"Proprietari.xls"_s).contains("Bianchi Anna"));
    }

    // A missing archive is an empty one: no row, a file created empty, and an
    // export of the header row alone.
    void emptyArchiveExportsTheHeaderAlone()
    {
        TestContext &f = *m_fixture;
        f.doubles.messages.answerNextQuestions({ Answer::Yes, Answer::No });
        openAndThen(Archive::Dogs, [&](QWidget *window) {
            QCOMPARE(child<QTableView>(window, "grdArchivio")->model()->rowCount(), 0);
            click(child(window, "cmdEsporta"));
            closeWindow(window);
        });
        QVERIFY(QFile::exists(f.path(DogRecord::fileName)));
        QCOMPARE(f.readFile(DogRecord::fileName).size(), 0);
        const QByteArray document = f.readFile(u"Cani.xls"_s);
        QCOMPARE(document.count("<tr>"), 1);
        QVERIFY(document.endsWith("Note</td></tr></table></body></html>"));
    }

    void statusStripFollowsTheMouse()
    {
        openAndThen(Archive::Dogs, [&](QWidget *window) {
            auto *status = child<QLabel>(window, "panInfo");
            QCOMPARE(status->text(), u"Esportazione archivio in Microsoft Excel."_s);
            const std::pair<const char *, QString> hints[] = {
                { "cmdEsporta", u"Esporta l'archivio in formato Microsoft Excel."_s },
                { "cmdGuida", u"Visualizza la pagina della guida sensibile al contesto."_s },
                { "cmdEsci", u"Esci da questo ambiente di lavoro."_s },
            };
            for (const auto &[button, hint] : hints) {
                QTest::mouseMove(child(window, button));
                QCOMPARE(status->text(), hint);
                QTest::mouseMove(child<QTableView>(window, "grdArchivio")->viewport());
                QCOMPARE(status->text(), QString());
            }
            closeWindow(window);
        });
    }

private:
    void writeTwoRecords(Archive archive)
    {
        TestContext &f = *m_fixture;
        switch (archive) {
        case Archive::Dogs:
            f.writeFile(DogRecord::fileName,
                recordWith(
                    DogRecord::layout(), { { DogRecord::Nome, u"Fido"_s }, { DogRecord::Sesso, u"M"_s } })
                    + recordWith(DogRecord::layout(),
                        { { DogRecord::Nome, u"Lilli"_s }, { DogRecord::Sesso, u"F"_s } }));
            break;
        case Archive::Owners:
            f.writeFile(OwnerRecord::fileName,
                recordWith(OwnerRecord::layout(), { { OwnerRecord::Cliente, u"Rossi Mario"_s } })
                    + recordWith(OwnerRecord::layout(),
                        { { OwnerRecord::Cliente, u"Bianchi Anna"_s },
                            { OwnerRecord::DataNasc, u"02/03/1980"_s } }));
            break;
        case Archive::Schedule:
            f.writeFile(u"2025.sca"_s,
                recordWith(ScheduleRecord::layout(), { { ScheduleRecord::Data, u"01/01/2025"_s } })
                    + recordWith(ScheduleRecord::layout(),
                        { { ScheduleRecord::Data, u"05/03/2025"_s }, { ScheduleRecord::Ora, u"09:30"_s } }));
            break;
        }
    }

    // Opens the window as its archive window's export button does and runs
    // handler on it; handler closes it.
    void openAndThen(Archive archive, std::function<void(QWidget *)> handler)
    {
        TestContext &f = *m_fixture;
        bool handled = false;
        whenModalShown([&](QWidget *window) {
            handler(window);
            handled = true;
        });
        switch (archive) {
        case Archive::Dogs:
            frmExpArchivio::openForDogs(f.context(), nullptr);
            break;
        case Archive::Owners:
            frmExpArchivio::openForOwners(f.context(), nullptr);
            break;
        case Archive::Schedule:
            // The schedule window hands over its year file's path as it holds it.
            frmExpArchivio::openForSchedule(f.context(), nullptr, u"  "_s + f.path(u"2025.sca"_s) + u" "_s);
            break;
        }
        QVERIFY(handled);
    }

    static void closeWindow(QWidget *window)
    {
        if (window->isVisible())
            click(child(window, "cmdEsci"));
    }

    std::unique_ptr<TestContext> m_fixture;
};

ZAMPORA_GUI_TEST_MAIN(tst_FrmExpArchivio)
#include "tst_frmexparchivio.moc"
