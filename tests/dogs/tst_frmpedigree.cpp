// The pedigree window driven through its controls: the chart and the
// coefficients of a small archive of linked cards, following a box and going
// back, the test mating and its namesakes, long names in the boxes, the
// preview and the one-page PDF file, and the button on the dog card that
// opens it with the values shown there.

#include "AppFixture.h"
#include "PdfTools.h"
#include "RecordBytes.h"
#include "tst_frmcani_fixture.h"

#include "dogs/pedigree/frmPedigree.h"
#include "storage/DogRecord.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// Rex and Lola, full siblings of Argo and Bea, whose own sire is Zeus.
QByteArray kennel()
{
    const auto dog = [](const QString &name, const QString &sex, const QString &sire, const QString &dam) {
        return recordBytes(DogRecord::layout(),
            { { DogRecord::Nome, name }, { DogRecord::Sesso, sex }, { DogRecord::Padre, sire },
                { DogRecord::Madre, dam }, { DogRecord::Razza, u"Bracco italiano"_s },
                { DogRecord::ROI, u"12/345"_s } });
    };
    return dog(u"Rex"_s, u"M"_s, u"Argo"_s, u"Bea"_s) + dog(u"Lola"_s, u"F"_s, u"Argo"_s, u"Bea"_s)
        + dog(u"Argo"_s, u"M"_s, u"Zeus"_s, QString()) + dog(u"Bea"_s, u"F"_s, QString(), QString());
}

QString text(QWidget *window, const char *name)
{
    return child<QLabel>(window, name)->text();
}

// Picks the card at position in a list of the test mating.
void choose(QWidget *choice, const char *list, qint64 position)
{
    auto *names = child<QComboBox>(choice, list);
    const int row = names->findData(position);
    QVERIFY(row >= 0);
    names->setCurrentIndex(row);
}

} // namespace

class tst_frmPedigree : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_context = std::make_unique<TestContext>();
        m_context->writeFile(DogRecord::fileName, kennel());
    }
    void cleanup() { m_context.reset(); }

    // The litter of two full siblings: 25 %, their parents repeated; a click
    // on the sire's box shows his own pedigree, Indietro the litter's again.
    void chartCoefficientsAndFollowingABox()
    {
        Pedigree::Root litter;
        litter.name = u"Cucciolo"_s;
        litter.sire = u"rex"_s;
        litter.dam = u"Lola"_s;
        bool checked = false;
        whenModalShown([&](QWidget *window) {
            QCOMPARE(window->objectName(), u"frmPedigree"_s);
            QCOMPARE(text(window, "lblTitolo"), u"Pedigree di Cucciolo"_s);
            QCOMPARE(text(window, "lblConsanguineita"),
                u"Coefficiente di consanguineit\u00E0 (Wright, 5 generazioni): 25,00\u00A0%"_s);
            QCOMPARE(text(window, "lblAntenatiDiversi"), u"Antenati diversi (AVK): 90,00\u00A0%"_s);
            QCOMPARE(text(window, "lblCompletezza"),
                u"Completezza del pedigree: 8 antenati noti su 30 (26,67\u00A0%)"_s);
            QVERIFY(text(window, "box2").contains(u"\u2642 Rex"_s));
            QVERIFY(text(window, "box2").contains(u"<br>12/345"_s)); // the stud-book number as typed
            QVERIFY(text(window, "box3").contains(u"\u2640 Lola"_s));
            QVERIFY(text(window, "box8").contains(u"Zeus"_s));
            auto *repeated = child<QTableWidget>(window, "tblAntenatiRipetuti");
            QCOMPARE(repeated->rowCount(), 3);
            QCOMPARE(repeated->item(0, 0)->text(), u"Argo"_s);
            QCOMPARE(repeated->item(0, 2)->text(), u"2, 2"_s);
            QCOMPARE(repeated->item(0, 3)->text(), u"12,50\u00A0%"_s);
            QVERIFY(!child<QPushButton>(window, "cmdIndietro")->isEnabled());

            QTest::mouseClick(child<QLabel>(window, "box2"), Qt::LeftButton);
            QCOMPARE(text(window, "lblTitolo"), u"Pedigree di Rex"_s);
            QVERIFY(text(window, "box2").contains(u"Argo"_s));
            QCOMPARE(text(window, "lblConsanguineita"),
                u"Coefficiente di consanguineit\u00E0 (Wright, 5 generazioni): 0,00\u00A0%"_s);
            click(child<QPushButton>(window, "cmdIndietro"));
            QCOMPARE(text(window, "lblTitolo"), u"Pedigree di Cucciolo"_s);
            QVERIFY(!child<QPushButton>(window, "cmdIndietro")->isEnabled());
            checked = true;
            window->close();
        });
        frmPedigree::open(m_context->context(), nullptr, litter);
        QVERIFY(checked);
        QVERIFY(m_context->doubles.messages.shown.isEmpty());
    }

    // The test mating lists the archive's males and females and shows the
    // litter's pedigree; the preview and the PDF file carry the same chart,
    // on one page.
    void testMatingPrintsAndWritesItsPdf()
    {
        bool checked = false;
        whenModalShown([&](QWidget *window) {
            whenModalShown([](QWidget *choice) {
                auto *males = child<QComboBox>(choice, "cboMaschio");
                QCOMPARE(males->count(), 2);
                QCOMPARE(males->itemText(1), u"Rex (Bracco italiano)"_s);
                QCOMPARE(child<QComboBox>(choice, "cboFemmina")->count(), 2); // Bea, Lola
                choose(choice, "cboMaschio", 0);
                choose(choice, "cboFemmina", 1);
                click(child<QPushButton>(choice, "cmdConferma"));
            });
            click(child<QPushButton>(window, "cmdAccoppiamento"));
            QCOMPARE(text(window, "lblTitolo"), u"Accoppiamento di prova: Rex \u00D7 Lola"_s);
            QVERIFY(text(window, "box1").contains(u"Cucciolata di prova"_s));
            QVERIFY(text(window, "lblConsanguineita").endsWith(u"25,00\u00A0%"_s));
            QVERIFY(child<QPushButton>(window, "cmdIndietro")->isEnabled());

            click(child<QPushButton>(window, "cmdStampa"));
            QCOMPARE(m_context->doubles.printing.previewed.size(), size_t(1));
            QCOMPARE(m_context->doubles.printing.previewed.front().pages.size(), size_t(1));
            const QStringList printed = reportTexts(m_context->doubles.printing.previewed.front());
            QVERIFY(printed.contains(u"Accoppiamento di prova: Rex \u00D7 Lola"_s));

            m_context->doubles.fileDialogs.answers.enqueue(m_context->path(u"Accoppiamento_Rex_Lola.pdf"_s));
            m_context->doubles.messages.answerNextQuestions({ MessageBoxes::Answer::Yes });
            click(child<QPushButton>(window, "cmdPdf"));
            checked = true;
            window->close();
        });
        Pedigree::Root dog;
        dog.name = u"Fido"_s;
        frmPedigree::open(m_context->context(), nullptr, dog);
        QVERIFY(checked);

        const QString pdf = m_context->path(u"Accoppiamento_Rex_Lola.pdf"_s);
        QCOMPARE(m_context->doubles.fileDialogs.asked.constFirst().save.proposedName, u"Accoppiamento_Rex_Lola.pdf"_s);
        QCOMPARE(m_context->doubles.messages.takeOnly().text,
            u"L'esportazione dell'accoppiamento di prova in PDF \u00E8 terminata con successo: il file "
            "\"Accoppiamento_Rex_Lola.pdf\" si trova nella cartella \"%1\".\r\n\r\nSi vuole aprire il file?"_s
                .arg(QDir::toNativeSeparators(m_context->context().folder.path())));
        QCOMPARE(m_context->doubles.shell.opened, QStringList { pdf });
        QCOMPARE(pdfInfo(pdf, u"Pages"_s), u"1"_s);
        const QString written = pdfText(pdf);
        for (const QString &name : { u"Rex"_s, u"Lola"_s, u"Argo"_s, u"Bea"_s, u"Zeus"_s })
            QVERIFY2(written.contains(name), qPrintable(name));
        QVERIFY(written.contains(u"Coefficiente di consanguineit\u00E0 (Wright, 5 generazioni): 25,00"_s));
        QVERIFY(written.contains(u"Completezza del pedigree: 8 antenati noti su 30"_s));
    }

    // Namesakes whose names differ only in case are two cards: each list
    // tells them apart by breed and year of birth, and the litter of the
    // two shows both lines, with nothing in common.
    void testMatingTellsNamesakesApart()
    {
        const auto dog = [](const QString &name, const QString &sex, const QString &sire,
                             const QString &breed, const QString &born) {
            return recordBytes(DogRecord::layout(),
                { { DogRecord::Nome, name }, { DogRecord::Sesso, sex }, { DogRecord::Padre, sire },
                    { DogRecord::Razza, breed }, { DogRecord::DataNasc, born } });
        };
        m_context->writeFile(DogRecord::fileName,
            dog(u"Fido"_s, u"M"_s, u"Argo"_s, u"Bracco italiano"_s, u"03/04/2019"_s)
                + dog(u"fido"_s, u"F"_s, u"Zeus"_s, u"Setter inglese"_s, u"05/06/2020"_s)
                + dog(u"Fido"_s, u"F"_s, {}, u"Setter inglese"_s, u"07/08/2021"_s));
        bool checked = false;
        whenModalShown([&](QWidget *window) {
            whenModalShown([](QWidget *choice) {
                auto *females = child<QComboBox>(choice, "cboFemmina");
                QCOMPARE(females->itemText(0), u"fido (Setter inglese, 2020)"_s);
                QCOMPARE(females->itemText(1), u"Fido (Setter inglese, 2021)"_s);
                choose(choice, "cboFemmina", 1);
                click(child<QPushButton>(choice, "cmdConferma"));
            });
            click(child<QPushButton>(window, "cmdAccoppiamento"));
            QCOMPARE(text(window, "lblTitolo"), u"Accoppiamento di prova: Fido \u00D7 fido"_s);
            QVERIFY(text(window, "box4").contains(u"Argo"_s));
            QVERIFY(text(window, "box6").contains(u"Zeus"_s));
            QVERIFY(text(window, "lblConsanguineita").endsWith(u" 0,00\u00A0%"_s));
            QCOMPARE(child<QTableWidget>(window, "tblAntenatiRipetuti")->rowCount(), 0);
            checked = true;
            window->close();
        });
        frmPedigree::open(m_context->context(), nullptr, Pedigree::Root {});
        QVERIFY(checked);
    }

    // A long name takes two lines before it is cut, in the chart of a large
    // screen as on paper.
    void longNamesWrapBeforeBeingCut()
    {
        const QString stella = u"Stella di Casa Rossi del Monte Bianco"_s;
        const QString aurora = u"Aurora della Valle dei Mulini"_s;
        Pedigree::Root dog;
        dog.name = u"Fido"_s;
        dog.dam = stella;
        dog.damSide[2] = u"A, B, C, D, E, F, G, "_s + aurora;
        m_context->doubles.screen.current = QSize(1920, 1080);
        bool checked = false;
        whenModalShown([&](QWidget *window) {
            for (const auto &[box, name] : { std::pair { "box3", u"\u2640 "_s + stella },
                     std::pair { "box31", u"\u2640 "_s + aurora } }) {
                const QString shown = text(window, box);
                QVERIFY2(shown.contains(u"<br>"_s) && !shown.contains(u'\u2026'), qPrintable(shown));
                QVERIFY2(QString(shown).replace(u"<br>"_s, u" "_s).contains(name), qPrintable(shown));
            }
            click(child<QPushButton>(window, "cmdStampa"));
            checked = true;
            window->close();
        });
        frmPedigree::open(m_context->context(), nullptr, dog);
        QVERIFY(checked);
        const QString printed = reportTexts(m_context->doubles.printing.previewed.front()).join(u' ');
        QVERIFY2(printed.contains(u"\u2640 "_s + stella) && printed.contains(u"\u2640 "_s + aurora),
            qPrintable(printed));
    }

    // A link left in the PDF file's place never leads the export onto the
    // archive: it is refused with its message, and the archive stays whole.
    void pdfNeverReplacesAKeptFile()
    {
        const QString pdf = m_context->path(u"Pedigree.pdf"_s);
        QVERIFY(QFile::link(m_context->path(DogRecord::fileName), pdf));
        m_context->doubles.fileDialogs.answers.enqueue(pdf);
        whenModalShown([](QWidget *window) {
            click(child<QPushButton>(window, "cmdPdf"));
            window->close();
        });
        Pedigree::Root dog;
        dog.sire = u"Rex"_s;
        frmPedigree::open(m_context->context(), nullptr, dog);
        QCOMPARE(m_context->doubles.messages.takeOnly().text, keptFileMessage(pdf));
        QFile archive(m_context->path(DogRecord::fileName));
        QVERIFY(archive.open(QIODevice::ReadOnly));
        QCOMPARE(archive.readAll(), kennel());
    }

    // An archive that cannot be read gives its message, and no window.
    void unreadableArchiveShowsTheAccessMessage()
    {
        QFile::remove(m_context->path(DogRecord::fileName));
        QVERIFY(QDir().mkdir(m_context->path(DogRecord::fileName)));
        Pedigree::Root dog;
        dog.sire = u"Rex"_s;
        frmPedigree::open(m_context->context(), nullptr, dog);
        QCOMPARE(m_context->doubles.messages.takeOnly().text, accessMessage());
    }

    // The dog card opens the pedigree with the values it shows, saved or not.
    void cardOpensThePedigreeOfWhatItShows()
    {
        DogCardFixture fixture;
        fixture.writeFile(DogRecord::fileName, kennel());
        fixture.typeHead(u"Nuovo"_s);
        click(child(fixture.card(), "btnAlbero"));
        QTest::keyClicks(fixture.box("txtPadre"), u"Rex"_s);
        QTest::keyClicks(fixture.box("txtMadre"), u"Lola"_s);
        bool checked = false;
        whenModalShown([&](QWidget *window) {
            QCOMPARE(text(window, "lblTitolo"), u"Pedigree di Nuovo"_s);
            QVERIFY(text(window, "box1").contains(u"Nuovo"_s));
            QVERIFY(text(window, "box2").contains(u"Rex"_s));
            QVERIFY(text(window, "lblConsanguineita").endsWith(u"25,00\u00A0%"_s));
            checked = true;
            window->close();
        });
        click(child<QPushButton>(fixture.card(), "btnPedigree"));
        QVERIFY(checked);
    }

private:
    std::unique_ptr<TestContext> m_context;
};

ZAMPORA_GUI_TEST_MAIN(tst_frmPedigree)
#include "tst_frmpedigree.moc"
