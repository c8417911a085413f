// The three search windows (one class, three descriptions): the criteria
// view, the search and its result view, finding in the result list, handing
// the chosen card to the target each card gives, and the failures.
#include "AppFixture.h"
#include "RecordBytes.h"

#include "app/frmAvvio.h"
#include "dogs/frmCani.h"
#include "owners/frmClienti.h"
#include "schedule/frmScadenzario.h"
#include "search/ResultLines.h"
#include "search/SearchWindow.h"
#include "search/Searches.h"
#include "storage/DogRecord.h"
#include "storage/OwnerRecord.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ScheduleRecord.h"
#include "ui/LineList.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <map>

namespace {

using Values = FieldValues;

// A record file holding these records, in order.
QByteArray archiveOf(const RecordLayout &layout, const QList<Values> &records)
{
    QByteArray bytes;
    for (const Values &values : records)
        bytes += recordBytes(layout, values);
    return bytes;
}

Values dog(const QString &name, const QString &breed, const QString &note = QString())
{
    return { { DogRecord::Nome, name }, { DogRecord::Razza, breed }, { DogRecord::Note, note },
        { DogRecord::Proprietario, QStringLiteral("Rossi Mario") } };
}

QStringList names(std::initializer_list<const char *> latin1)
{
    QStringList list;
    for (const char *name : latin1)
        list.append(QString::fromLatin1(name));
    return list;
}

const SearchDescription &searchNamed(const QString &name)
{
    for (const SearchDescription *search : { &Searches::dogs(), &Searches::owners(), &Searches::schedule() })
        if (search->objectName == name)
            return *search;
    qFatal("no search %s", qPrintable(name));
}

// The file each search reads here: the archive, or the schedule's year 2025.
QString fileSearched(const SearchDescription &search)
{
    if (&search == &Searches::dogs())
        return DogRecord::fileName;
    if (&search == &Searches::owners())
        return OwnerRecord::fileName;
    return QStringLiteral("2025.sca");
}

// The chosen line of a list, clicked and double-clicked.
void doubleClickRow(LineList *list, int row)
{
    const QPoint at = list->visualRect(list->model()->index(row, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class tst_SearchWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_context = std::make_unique<TestContext>();
        m_opener = std::make_unique<QWidget>();
        m_taken.clear();
        m_takenNames.clear();
    }
    void cleanup()
    {
        m_window.reset();
        m_card.reset();
        m_opener.reset();
        m_context.reset();
    }

    void criteriaView_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("dogs") << "frmTrovaCani" << " Trova cani in archivio"
                              << names({ "txtNome", "txtDataNasc", "txtGruppo", "txtRazza", "txtMedico",
                                     "txtMicrochip", "txtProprietario", "txtCodFisc", "txtROI", "txtNote" });
        QTest::newRow("owners") << "frmTrovaClienti" << " Trova proprietari in archivio"
                                << names({ "txtCliente", "txtComuneRes", "txtPartitaIva", "txtCodFisc",
                                       "txtDocumento", "txtOccupazione", "txtCaniOra", "txtCaniPrima",
                                       "txtQuestioni", "txtNote" });
        QTest::newRow("schedule") << "frmTrovaScadenzario" << " Trova scadenze pagamenti in archivio"
                                  << names({ "txtData", "txtOra", "txtProprietario", "txtCodFisc", "txtNome",
                                         "txtRazza", "txtMicrochip", "txtPersona", "txtDettagli", "txtNote" });
    }
    // Opens on empty criteria with the focus in the first; Enter walks them
    // in order and goes round from the last to the first; the focused one is
    // marked by a yellow rectangle behind it.
    void criteriaView()
    {
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QStringList, boxes);
        openSearch(searchNamed(window));
        QCOMPARE(m_window->objectName(), window);
        QCOMPARE(m_window->windowTitle(), caption);
        QCOMPARE(m_window->size(), QSize(862, 560));
        QVERIFY(child(m_window.get(), "panAvvio")->isVisible());
        QVERIFY(!child(m_window.get(), "panContainer")->isVisible());
        QVERIFY(!child(m_window.get(), "lblAttendere")->isVisible());
        for (qsizetype i = 0; i <= boxes.size(); ++i) {
            QLineEdit *box = criterion(qPrintable(boxes[i % boxes.size()]));
            QCOMPARE(QApplication::focusWidget(), box);
            QVERIFY(box->text().isEmpty());
            QWidget *mark = box->parentWidget()->findChild<QWidget *>(QStringLiteral("shp") + box->objectName().mid(3));
            QVERIFY(mark && mark->isVisible());
            QVERIFY(mark->geometry().contains(box->geometry()));
            QCOMPARE(mark->grab().toImage().pixelColor(mark->rect().center()), QColor(0xFFFFFF00));
            QTest::keyClick(box, Qt::Key_Return);
        }
    }

    void searchListsMatchingCardsSorted()
    {
        m_context->writeFile(DogRecord::fileName,
            archiveOf(DogRecord::layout(),
                { dog(QStringLiteral("zara"), QStringLiteral("Setter")),
                    dog(QStringLiteral("Argo"), QStringLiteral("Pastore tedesco")),
                    dog(QStringLiteral("Bobi"), QStringLiteral("Barbone")),
                    dog(QStringLiteral("Fido"), QStringLiteral("pastore maremmano"), QStringLiteral("Zoppica")) }));
        openSearch(Searches::dogs());
        QTest::keyClicks(criterion("txtRazza"), QStringLiteral("PASTORE"));
        // The notice shows as soon as the button goes down, before the scan.
        QPushButton *cerca = child<QPushButton>(m_window.get(), "btnCerca");
        QTest::mousePress(cerca, Qt::LeftButton);
        QVERIFY(child(m_window.get(), "lblAttendere")->isVisible());
        QTest::mouseRelease(cerca, Qt::LeftButton);

        QVERIFY(!child(m_window.get(), "panAvvio")->isVisible());
        QVERIFY(child(m_window.get(), "panContainer")->isVisible());
        QCOMPARE(listed().size(), 2);
        QVERIFY(listed()[0].startsWith(QStringLiteral("Argo ")));
        QVERIFY(listed()[1].startsWith(QStringLiteral("Fido ")));
        QCOMPARE(child<QLabel>(m_window.get(), "lblTrovate")->text(),
            QStringLiteral("Il presente riepilogo contiene 2 schede."));
        QCOMPARE(QApplication::focusWidget(), child(m_window.get(), "txtTrova"));
        QVERIFY(m_context->doubles.messages.shown.isEmpty());
    }

    void noCriterionListsEveryCard()
    {
        m_context->writeFile(OwnerRecord::fileName,
            archiveOf(OwnerRecord::layout(),
                { { { OwnerRecord::Cliente, QStringLiteral("Verdi") } },
                    { { OwnerRecord::Cliente, QStringLiteral("bianchi") } } }));
        openSearch(Searches::owners());
        QTest::keyClicks(criterion("txtNote"), QStringLiteral("   "));
        click(child(m_window.get(), "btnCerca"));
        QCOMPARE(listed().size(), 2);
        QVERIFY(listed()[0].startsWith(QStringLiteral("bianchi ")));
    }

    // Stampa prints the listed lines under the search's title.
    void printPrintsTheListedLines()
    {
        m_context->writeFile(OwnerRecord::fileName,
            archiveOf(OwnerRecord::layout(),
                { { { OwnerRecord::Cliente, QStringLiteral("Verdi") } },
                    { { OwnerRecord::Cliente, QStringLiteral("bianchi") } } }));
        openSearch(Searches::owners());
        click(child(m_window.get(), "btnCerca"));
        click(child(m_window.get(), "btnStampa"));
        QCOMPARE(m_context->doubles.printing.printed.size(), size_t(1));
        const QStringList texts = reportTexts(m_context->doubles.printing.printed.front());
        QVERIFY(texts.contains(Searches::owners().printTitle));
        for (const QString &line : listed())
            QVERIFY(texts.contains(line.trimmed()) || texts.contains(line));
    }

    // A missing archive is created empty; Trova on the empty list says so.
    void missingArchiveGivesAnEmptyList()
    {
        openSearch(Searches::dogs());
        click(child(m_window.get(), "btnCerca"));
        QCOMPARE(m_context->readFile(DogRecord::fileName), QByteArray());
        QVERIFY(QFile::exists(m_context->path(DogRecord::fileName)));
        QCOMPARE(child<QLabel>(m_window.get(), "lblTrovate")->text(),
            QStringLiteral("Il presente riepilogo contiene 0 schede."));
        click(child(m_window.get(), "btnTrova"));
        QCOMPARE(m_context->doubles.messages.takeOnly(),
            (RecordingMessageBoxes::Shown { MessageBoxes::Kind::Notice,
                QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.") }));
    }

    void findWalksTheResultsAndWraps()
    {
        m_context->writeFile(DogRecord::fileName,
            archiveOf(DogRecord::layout(),
                { dog(QStringLiteral("Argo"), QStringLiteral("Pastore")), dog(QStringLiteral("Bobi"), QStringLiteral("Setter")),
                    dog(QStringLiteral("Cleo"), QStringLiteral("Pastore")) }));
        openSearch(Searches::dogs());
        click(child(m_window.get(), "btnCerca"));
        QTest::keyClicks(child<QLineEdit>(m_window.get(), "txtTrova"), QStringLiteral("pastore"));
        QList<int> rows;
        for (int press = 0; press < 3; ++press) {
            click(child(m_window.get(), "btnTrova"));
            rows.append(list()->currentIndex().row());
        }
        QCOMPARE(rows, (QList<int> { 0, 2, 0 }));
    }

    void scheduleSearchReadsOnlyTheYearShown()
    {
        const Values entry = { { ScheduleRecord::Dettagli, QStringLiteral("Vaccino") },
            { ScheduleRecord::Data, QStringLiteral("05/03/2025") } };
        m_context->writeFile(QStringLiteral("2025.sca"), archiveOf(ScheduleRecord::layout(), { entry, entry }));
        m_context->writeFile(QStringLiteral("2024.sca"), archiveOf(ScheduleRecord::layout(), { entry }));
        // The year file as the schedule window names it, blanks around.
        openSearch(Searches::schedule(),
            QStringLiteral("  ") + m_context->path(QStringLiteral("2025.sca")) + QStringLiteral(" "));
        QTest::keyClicks(criterion("txtData"), QStringLiteral("03/2025"));
        click(child(m_window.get(), "btnCerca"));
        QCOMPARE(listed().size(), 2);
        QCOMPARE(child<QLabel>(m_window.get(), "lblTrovate")->text(),
            QStringLiteral("Il presente elenco contiene 2 schede."));
    }

    // The archive cannot be opened (a folder stands in its place): the access
    // message in a plain box, and the window stays on its criteria.
    void failedSearchSaysSoAndStays()
    {
        QVERIFY(QDir(m_context->path(QString())).mkdir(DogRecord::fileName));
        openSearch(Searches::dogs());
        QTest::keyClicks(criterion("txtNome"), QStringLiteral("argo"));
        click(child(m_window.get(), "btnCerca"));
        QCOMPARE(m_context->doubles.messages.takeOnly(),
            (RecordingMessageBoxes::Shown { MessageBoxes::Kind::Notice, accessMessage() }));
        QVERIFY(child(m_window.get(), "panAvvio")->isVisible());
        QVERIFY(!child(m_window.get(), "lblAttendere")->isVisible());
        QCOMPARE(criterion("txtNome")->text(), QStringLiteral("argo"));
    }

    // The chosen line's card is read again at its position; cards whose lines
    // are equal all go to the target in file order, so the later one stays
    // on the card, attachments, position and all; the window closes.
    void chosenDogLoadsIntoTheDogCard()
    {
        Values later = dog(QStringLiteral("Argo"), QStringLiteral("Pastore"), QStringLiteral("secondo"));
        later[DogRecord::File01] = QStringLiteral("pedigree.pdf");
        m_context->writeFile(DogRecord::fileName,
            archiveOf(DogRecord::layout(),
                { dog(QStringLiteral("Argo"), QStringLiteral("Pastore"), QStringLiteral("primo")),
                    dog(QStringLiteral("Bobi"), QStringLiteral("Setter")), later }));
        frmCani &card = dogCard();
        searchFrom(&card, Searches::dogs(), replacing(card));
        QCOMPARE(listed().size(), 3);
        QCOMPARE(listed()[0], listed()[1]);
        QCOMPARE(list()->positions(), (QList<qint64> { 1, 3, 2 }));
        doubleClickRow(list(), 1);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(m_window->result(), int(QDialog::Accepted));
        QCOMPARE(m_taken, (QList<qint64> { 1, 3 }));
        QCOMPARE(child<QLineEdit>(&card, "txtNome")->text(), QStringLiteral("Argo"));
        QCOMPARE(child<QLineEdit>(&card, "txtNote")->text(), QStringLiteral("secondo"));
        QCOMPARE(child<QLabel>(&card, "lblFile01")->text(), QStringLiteral("pedigree.pdf"));
        QCOMPARE(card.position(), QStringLiteral("3"));
        QVERIFY(m_context->doubles.messages.shown.isEmpty());
    }

    // Only the listed cards count: one left out by the criteria goes nowhere,
    // even with the same line (the note is not in it), and the card is read
    // at its position even when its line has changed in the file since.
    void onlyTheChosenRowIsLoaded()
    {
        m_context->writeFile(DogRecord::fileName,
            archiveOf(DogRecord::layout(),
                { dog(QStringLiteral("Argo"), QStringLiteral("Pastore"), QStringLiteral("primo")),
                    dog(QStringLiteral("Argo"), QStringLiteral("Pastore"), QStringLiteral("secondo")) }));
        openSearch(Searches::dogs());
        QTest::keyClicks(criterion("txtNote"), QStringLiteral("primo"));
        click(child(m_window.get(), "btnCerca"));
        QCOMPARE(listed().size(), 1);
        m_context->writeFile(DogRecord::fileName,
            archiveOf(DogRecord::layout(),
                { dog(QStringLiteral("Argo II"), QStringLiteral("Pastore"), QStringLiteral("primo")),
                    dog(QStringLiteral("Argo"), QStringLiteral("Pastore"), QStringLiteral("secondo")) }));
        doubleClickRow(list(), 0);
        QCOMPARE(m_taken, QList<qint64> { 1 });
        QCOMPARE(m_takenNames, QStringList { QStringLiteral("Argo II") });
    }

    // An owner chosen from the dog card fills its four owner boxes only, and
    // asks nothing.
    void ownerImportIntoTheDogCard()
    {
        m_context->writeFile(OwnerRecord::fileName,
            archiveOf(OwnerRecord::layout(),
                { { { OwnerRecord::Cliente, QStringLiteral("Bianchi Anna") }, { OwnerRecord::Recapito, QStringLiteral("333 123") },
                    { OwnerRecord::CodFisc, QStringLiteral("BNCNNA80A41F205X") },
                    { OwnerRecord::ComuneRes, QStringLiteral("Milano") }, { OwnerRecord::Note, QStringLiteral("vip") },
                    { OwnerRecord::Occupazione, QStringLiteral("Medico") } } }));
        frmCani &card = dogCard();
        child<QLineEdit>(&card, "txtNome")->setText(QStringLiteral("Rex"));
        child<QLineEdit>(&card, "txtProprietario")->setText(QStringLiteral("prima"));
        searchFrom(&card, Searches::owners(),
            { [&card](const Record &owner, qint64) { card.importOwner(owner); }, SearchTarget::FillsFields });
        doubleClickRow(list(), 0);
        QVERIFY(!m_window->isVisible());
        QCOMPARE(child<QLineEdit>(&card, "txtProprietario")->text(), QStringLiteral("Bianchi Anna"));
        QCOMPARE(child<QLineEdit>(&card, "txtRecapito")->text(), QStringLiteral("333 123"));
        QCOMPARE(child<QLineEdit>(&card, "txtCodFisc")->text(), QStringLiteral("BNCNNA80A41F205X"));
        QCOMPARE(child<QLineEdit>(&card, "txtComuneRes")->text(), QStringLiteral("Milano"));
        QCOMPARE(child<QLineEdit>(&card, "txtNome")->text(), QStringLiteral("Rex"));
        QCOMPARE(child<QLineEdit>(&card, "txtNote")->text(), QString());
        QCOMPARE(card.position(), QString());
        QVERIFY(m_context->doubles.messages.shown.isEmpty());
    }

    // The archive cannot be read again, or nothing is chosen (a double click
    // on the empty part of the list): the window closes without a word and
    // the card stays as it was.
    void failedLoadClosesSilently_data()
    {
        QTest::addColumn<bool>("archiveGone");
        QTest::newRow("archive unreadable") << true;
        QTest::newRow("no line selected") << false;
    }
    void failedLoadClosesSilently()
    {
        QFETCH(bool, archiveGone);
        m_context->writeFile(DogRecord::fileName,
            archiveOf(DogRecord::layout(), { dog(QStringLiteral("Argo"), QStringLiteral("Pastore")) }));
        frmCani &card = dogCard();
        searchFrom(&card, Searches::dogs(), replacing(card));
        if (archiveGone) {
            QVERIFY(QFile::remove(m_context->path(DogRecord::fileName)));
            QVERIFY(QDir(m_context->path(QString())).mkdir(DogRecord::fileName));
            doubleClickRow(list(), 0);
        } else {
            doubleClickBelowTheLines();
        }
        QVERIFY(!m_window->isVisible());
        QVERIFY(m_context->doubles.messages.shown.isEmpty());
        QCOMPARE(child<QLineEdit>(&card, "txtNome")->text(), QString());
        QCOMPARE(card.position(), QString());
    }

    // Each card opens its searches and its list over itself, on its file, and
    // says where a chosen record goes: into the whole card, which then shows
    // its position, or into a few of its boxes, the position as it was.
    void cardsOpenTheirSearches_data()
    {
        QTest::addColumn<QString>("menuButton");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("replacesCard");
        QTest::newRow("dog card, Trova") << "btnCani" << "cmdTrova" << "frmTrovaCani" << "txtNome" << "Argo" << true;
        QTest::newRow("dog card, owner import")
            << "btnCani" << "btnCarta" << "frmTrovaClienti" << "txtProprietario" << "Bianchi Anna" << false;
        QTest::newRow("schedule, Trova")
            << "btnScadenze" << "cmdTrova" << "frmTrovaScadenzario" << "txtNome" << "Fido" << true;
        QTest::newRow("schedule, dog import")
            << "btnScadenze" << "cmdImporta" << "frmTrovaCani" << "txtNome" << "Argo" << false;
        QTest::newRow("owner card, Trova")
            << "btnProprietari" << "cmdTrova" << "frmTrovaClienti" << "txtCliente" << "Bianchi Anna" << true;
        QTest::newRow("owner card, to recontact")
            << "btnProprietari" << "cmdRicontatta" << "frmRicontatta" << "txtCliente" << "Bianchi Anna" << true;
    }
    void cardsOpenTheirSearches()
    {
        QFETCH(QString, menuButton);
        QFETCH(QString, button);
        QFETCH(QString, window);
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(bool, replacesCard);
        AppFixture fixture;
        // What each list shows first is the second record of its file.
        fixture.writeFile(DogRecord::fileName,
            archiveOf(DogRecord::layout(), { dog(QStringLiteral("Zeta"), QStringLiteral("Setter")),
                                               dog(QStringLiteral("Argo"), QStringLiteral("Pastore")) }));
        fixture.writeFile(OwnerRecord::fileName,
            archiveOf(OwnerRecord::layout(),
                { { { OwnerRecord::Cliente, QStringLiteral("Zeta") } },
                    { { OwnerRecord::Cliente, QStringLiteral("Bianchi Anna") },
                        { OwnerRecord::Ricontatta, QStringLiteral("Sì") } } }));
        click(child(&fixture.app().mainMenu(), qPrintable(menuButton)));
        const bool schedule = menuButton == u"btnScadenze";
        QWidget *card = schedule                      ? static_cast<QWidget *>(&fixture.app().schedule())
            : menuButton == u"btnProprietari" ? static_cast<QWidget *>(&fixture.app().owners())
                                              : &fixture.app().dogs();
        QVERIFY(QTest::qWaitForWindowActive(card));
        if (schedule) {
            click(child(card, "btnApri"));
            const QString yearFile = QFileInfo(fixture.app().schedule().yearFilePath()).fileName();
            fixture.writeFile(yearFile,
                archiveOf(ScheduleRecord::layout(),
                    { { { ScheduleRecord::Dettagli, QStringLiteral("Zz") } },
                        { { ScheduleRecord::Dettagli, QStringLiteral("Vaccino") },
                            { ScheduleRecord::Nome, QStringLiteral("Fido") } } }));
        }
        const QString positionBefore = child<QLabel>(card, "lblPosizione")->text();
        QString opened;
        QWidget *openedOver = nullptr;
        whenModalShown([&](QWidget *modal) {
            opened = modal->objectName();
            openedOver = modal->parentWidget();
            if (auto *cerca = modal->findChild<QPushButton *>(QStringLiteral("btnCerca")))
                click(cerca);
            doubleClickRow(child<LineList>(modal, "lstRecords"), 0);
            if (modal->isVisible())
                modal->close();
        });
        click(child(card, qPrintable(button)));
        QCOMPARE(opened, window);
        QCOMPARE(openedOver, card);
        QCOMPARE(child<QLineEdit>(card, qPrintable(box))->text(), text);
        QCOMPARE(child<QLabel>(card, "lblPosizione")->text(), replacesCard ? QStringLiteral("2") : positionBefore);
    }

    // A chosen owner fills the whole owner card; of several equal lines the
    // later owner stays, and a recontact mark stored as neither "Sì" nor "No"
    // leaves the check box alone.
    void chosenOwnerLoadsIntoTheOwnerCard()
    {
        AppFixture fixture;
        const Values first = { { OwnerRecord::Cliente, QStringLiteral("Verdi Ada") },
            { OwnerRecord::ComuneNasc, QStringLiteral("Lodi") }, { OwnerRecord::Ricontatta, QStringLiteral("Sì") } };
        Values later = first;
        later[OwnerRecord::ComuneNasc] = QStringLiteral("Como");
        later[OwnerRecord::Ricontatta] = QStringLiteral("X");
        fixture.writeFile(OwnerRecord::fileName,
            archiveOf(OwnerRecord::layout(), { first, { { OwnerRecord::Cliente, QStringLiteral("Altro") } }, later }));
        frmClienti &card = fixture.app().owners();
        click(child(&fixture.app().mainMenu(), "btnProprietari"));
        auto *recontact = child<QCheckBox>(&card, "chkRicontatta");
        QVERIFY(!recontact->isChecked());

        QStringList lines;
        whenModalShown([&lines](QWidget *search) {
            QTest::keyClicks(child<QLineEdit>(search, "txtCliente"), QStringLiteral("verdi"));
            click(child(search, "btnCerca"));
            lines = child<LineList>(search, "lstRecords")->lines();
            doubleClickRow(child<LineList>(search, "lstRecords"), 0);
            QVERIFY(!search->isVisible());
        });
        click(child(&card, "cmdTrova"));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(child<QLineEdit>(&card, "txtCliente")->text(), QStringLiteral("Verdi Ada"));
        QCOMPARE(child<QLineEdit>(&card, "txtComuneNasc")->text(), QStringLiteral("Como"));
        QCOMPARE(card.position(), QStringLiteral("3"));
        QVERIFY(recontact->isChecked()); // ticked by the first, left alone by the later
    }

    // A chosen entry fills the schedule card; of several equal lines the
    // later entry stays, and a flag stored as neither "Sì" nor "No" leaves
    // its check box alone.
    void chosenEntryLoadsIntoTheSchedule()
    {
        AppFixture fixture;
        const Values entry = { { ScheduleRecord::Dettagli, QStringLiteral("Vaccino") },
            { ScheduleRecord::Data, QStringLiteral("05/03/2025") }, { ScheduleRecord::Note, QStringLiteral("primo") },
            { ScheduleRecord::DaConfermare, QStringLiteral("Sì") } };
        Values later = entry;
        later[ScheduleRecord::Note] = QStringLiteral("secondo");
        later[ScheduleRecord::DaConfermare] = QStringLiteral("forse");
        fixture.writeFile(QStringLiteral("2025.sca"), archiveOf(ScheduleRecord::layout(), { entry, later }));
        frmScadenzario &schedule = fixture.app().schedule();
        click(child(&fixture.app().mainMenu(), "btnScadenze"));
        child<QLineEdit>(&schedule, "txtAnno")->setText(QStringLiteral("2025"));
        click(child(&schedule, "btnApri"));
        auto *toConfirm = child<QCheckBox>(&schedule, "chkDaConfermare");
        QVERIFY(!toConfirm->isChecked());

        whenModalShown([](QWidget *search) {
            click(child(search, "btnCerca"));
            doubleClickRow(child<LineList>(search, "lstRecords"), 0);
            QVERIFY(!search->isVisible());
        });
        click(child(&schedule, "cmdTrova"));
        QCOMPARE(child<QLineEdit>(&schedule, "txtNote")->text(), QStringLiteral("secondo"));
        QCOMPARE(schedule.position(), QStringLiteral("2"));
        QVERIFY(toConfirm->isChecked()); // ticked by the first, left alone by the second
    }

    // A dog chosen from the schedule fills the entry's dog and owner boxes only.
    void chosenDogImportsIntoTheSchedule()
    {
        AppFixture fixture;
        Values argo = dog(QStringLiteral("Argo"), QStringLiteral("Pastore"), QStringLiteral("nota del cane"));
        argo[DogRecord::CodFisc] = QStringLiteral("RSSMRA80A01F205X");
        fixture.writeFile(DogRecord::fileName, archiveOf(DogRecord::layout(), { argo }));
        frmScadenzario &schedule = fixture.app().schedule();
        click(child(&fixture.app().mainMenu(), "btnScadenze"));
        click(child(&schedule, "btnApri"));
        QTest::keyClicks(child<QLineEdit>(&schedule, "txtNote"), QStringLiteral("mia nota"));

        whenModalShown([](QWidget *search) {
            click(child(search, "btnCerca"));
            doubleClickRow(child<LineList>(search, "lstRecords"), 0);
            QVERIFY(!search->isVisible());
        });
        click(child(&schedule, "cmdImporta"));
        QCOMPARE(child<QLineEdit>(&schedule, "txtNome")->text(), QStringLiteral("Argo"));
        QCOMPARE(child<QLineEdit>(&schedule, "txtRazza")->text(), QStringLiteral("Pastore"));
        QCOMPARE(child<QLineEdit>(&schedule, "txtProprietario")->text(), QStringLiteral("Rossi Mario"));
        QCOMPARE(child<QLineEdit>(&schedule, "txtCodFisc")->text(), QStringLiteral("RSSMRA80A01F205X"));
        QCOMPARE(child<QLineEdit>(&schedule, "txtNote")->text(), QStringLiteral("mia nota"));
        QCOMPARE(schedule.position(), QString());
        QVERIFY(fixture.doubles.messages.shown.isEmpty());
    }

private:
    frmCani &dogCard()
    {
        m_card = std::make_unique<frmCani>(m_context->context(), m_opener.get());
        return *m_card;
    }
    // The target the dog card gives its own search, each record taken noted too.
    SearchTarget replacing(frmCani &card)
    {
        return { [this, &card](const Record &record, qint64 position) {
                    take(record, position);
                    card.showRecord(record, position);
                },
            SearchTarget::ReplacesCard };
    }
    void take(const Record &record, qint64 position)
    {
        m_taken.append(position);
        m_takenNames.append(record.value(DogRecord::Nome));
    }
    void searchFrom(QWidget *opener, const SearchDescription &search, SearchTarget target)
    {
        m_window = std::make_unique<SearchWindow>(
            m_context->context(), opener, search, m_context->path(fileSearched(search)), std::move(target));
        m_window->show();
        click(child(m_window.get(), "btnCerca"));
    }
    void doubleClickBelowTheLines()
    {
        const QPoint at(list()->viewport()->width() / 2, list()->viewport()->height() - 4);
        QVERIFY(!list()->indexAt(at).isValid());
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
    }
    // Over a bare opener, every record taken noted.
    void openSearch(const SearchDescription &search, const QString &filePath = QString())
    {
        m_window = std::make_unique<SearchWindow>(m_context->context(), m_opener.get(), search,
            filePath.isNull() ? m_context->path(fileSearched(search)) : filePath,
            SearchTarget { [this](const Record &record, qint64 position) { take(record, position); },
                SearchTarget::FillsFields });
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    QLineEdit *criterion(const char *name) { return child<QLineEdit>(m_window.get(), name); }
    LineList *list() { return child<LineList>(m_window.get(), "lstRecords"); }
    QStringList listed() { return list()->lines(); }

    std::unique_ptr<TestContext> m_context;
    std::unique_ptr<QWidget> m_opener;
    std::unique_ptr<frmCani> m_card;
    std::unique_ptr<SearchWindow> m_window;
    QList<qint64> m_taken;
    QStringList m_takenNames;
};

ZAMPORA_GUI_TEST_MAIN(tst_SearchWindow)
#include "tst_searchwindow.moc"
