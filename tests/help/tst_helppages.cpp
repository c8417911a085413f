#include "core/AccessPassword.h"
#include "help/HelpPages.h"
#include "help/Manual.h"

#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(HelpPage)

// The help pages every help button shows, and the manual made from them.
class tst_HelpPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void titlesAndParagraphs_data()
    {
        QTest::addColumn<HelpPage>("page");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("paragraphs");
        QTest::newRow("owner card") << HelpPage::Owners << QStringLiteral("Applicazione Anagrafica proprietari.") << 9;
        QTest::newRow("dog card") << HelpPage::Dogs << QStringLiteral("Applicazione Anagrafica Cani.") << 14;
        QTest::newRow("schedule") << HelpPage::Schedule << QStringLiteral("Applicazione Scadenze e Appuntamenti.") << 9;
        QTest::newRow("main menu") << HelpPage::MainMenu << QStringLiteral("Uno sguardo a Zampora.") << 38;
        QTest::newRow("owner export") << HelpPage::OwnerExport
                                      << QStringLiteral("Esportazione archivio proprietari in Microsoft Excel.") << 3;
        QTest::newRow("dog export") << HelpPage::DogExport
                                    << QStringLiteral("Esportazione archivio anagrafico cani in Microsoft Excel.") << 3;
        QTest::newRow("schedule export")
            << HelpPage::ScheduleExport
            << QStringLiteral("Esportazione archivio Scadenze e appuntamenti in Microsoft Excel.") << 3;
        for (auto [name, page] : { std::pair { "imminent", HelpPage::ImminentDeadlines },
                 std::pair { "daily", HelpPage::DailyDeadlines }, std::pair { "monthly", HelpPage::MonthlyDeadlines } })
            QTest::newRow(name) << page << QStringLiteral("Visualizzazione scadenze e appuntamenti.") << 5;
        QTest::newRow("pedigree") << HelpPage::Pedigree
                                  << QStringLiteral("Pedigree, consanguineit\u00E0 e accoppiamento di prova.") << 8;
        QTest::newRow("weight log") << HelpPage::WeightLog
                                    << QStringLiteral("Registro delle pesate e grafico del peso.") << 6;
        QTest::newRow("health booklet") << HelpPage::HealthBooklet
                                        << QStringLiteral("Libretto sanitario del cane.") << 6;
    }

    // Each page has its title and its paragraphs, none empty or repeated, each
    // one plain text the help window can show, ending with a full stop.
    void titlesAndParagraphs()
    {
        QFETCH(HelpPage, page);
        QFETCH(QString, title);
        QFETCH(int, paragraphs);
        const HelpText text = helpPage(page);
        QCOMPARE(text.title, title);
        QCOMPARE(text.paragraphs.size(), paragraphs);
        for (const QString &paragraph : text.paragraphs) {
            QVERIFY(paragraph.size() > 40);
            QVERIFY2(paragraph.endsWith(u'.') || paragraph.endsWith(u'!'), qPrintable(paragraph));
            QVERIFY(!paragraph.contains(u'\n') && !paragraph.contains(u'\r'));
        }
        if (page != HelpPage::MainMenu)
            QCOMPARE(QSet<QString>(text.paragraphs.begin(), text.paragraphs.end()).size(), paragraphs);
    }

    // The overview repeats the three archives' pages in order, the schedule's
    // last paragraph without its closing clause, and names the password the
    // installation delivers.
    void mainMenuPageGathersTheArchives()
    {
        const QStringList overview = helpPage(HelpPage::MainMenu).paragraphs;
        const QStringList owners = helpPage(HelpPage::Owners).paragraphs;
        const QStringList dogs = helpPage(HelpPage::Dogs).paragraphs;
        const QStringList schedule = helpPage(HelpPage::Schedule).paragraphs;
        QCOMPARE(overview.mid(1, 9), owners);
        QCOMPARE(overview.mid(10, 14), dogs);
        QCOMPARE(overview.mid(24, 8), schedule.mid(0, 8));
        QVERIFY(schedule[8].contains(QLatin1String("XLS")));
        QVERIFY(!overview[32].contains(QLatin1String("XLS")));
        QVERIFY(schedule[8].startsWith(overview[32].chopped(1)));
        QVERIFY(overview[35].contains(AccessPassword::initialPassword()));
        QCOMPARE(helpPage(HelpPage::Dogs).paragraphs[1], owners[2]);
    }

    // The schedule announces imminent deadlines with a picture; their list
    // comes from the OK button beside it, not from the picture.
    void scheduleSendsToOkForTheImminentList()
    {
        const QString imminent = helpPage(HelpPage::Schedule).paragraphs[3];
        QVERIFY(imminent.contains(QLatin1String("pulsante OK")));
        QVERIFY(!imminent.contains(QLatin1String("clic sull'avviso")));
    }

    void windowTextJoinsWithEmptyLines()
    {
        const HelpText page { QStringLiteral("T."), { QStringLiteral("Uno."), QStringLiteral("Due."), QStringLiteral("Tre.") } };
        QCOMPARE(helpWindowText(page), QStringLiteral("Uno.\r\n\r\nDue.\r\n\r\nTre."));
        QCOMPARE(helpWindowText({ QStringLiteral("T."), { QStringLiteral("Solo.") } }), QStringLiteral("Solo."));
    }

    // The manual holds every page once, escaped for rich text: the
    // overview's own paragraphs, then all the other pages whole.
    void manualHoldsEveryPage()
    {
        const QString html = Manual::html({}, {}, 1, 1000);
        const QStringList overview = helpPage(HelpPage::MainMenu).paragraphs;
        QCOMPARE(manualChapters().first(),
            (HelpText { QStringLiteral("Uno sguardo a Zampora."), overview.first(1) + overview.sliced(33) }));
        for (HelpPage page : { HelpPage::Owners, HelpPage::Dogs, HelpPage::Schedule, HelpPage::OwnerExport,
                 HelpPage::DogExport, HelpPage::ScheduleExport, HelpPage::MonthlyDeadlines, HelpPage::Pedigree,
                 HelpPage::WeightLog, HelpPage::HealthBooklet }) {
            const HelpText text = helpPage(page);
            QVERIFY(html.contains(text.title.toHtmlEscaped()));
            for (const QString &paragraph : text.paragraphs)
                QVERIFY2(html.contains(paragraph.toHtmlEscaped()), qPrintable(paragraph));
        }
        QCOMPARE(manualChapters().size(), 11);
        QCOMPARE(manualChapters()[4].title, helpPage(HelpPage::WeightLog).title); // after the dog card
        QCOMPARE(manualChapters()[5].title, helpPage(HelpPage::HealthBooklet).title);
        QCOMPARE(html.count(QLatin1String("<h1")), 11);
    }

    // Each figure handed in stands in its own chapter, numbered by its place
    // among all the figures: one without a picture is left out, and a
    // landscape one keeps only its page in the text (write() draws it).
    void manualPlacesTheFiguresItIsHanded()
    {
        using enum Manual::FigurePage;
        const QImage picture(683, 100, QImage::Format_RGB32);
        const QString html
            = Manual::html({ { HelpPage::Schedule, QStringLiteral("Prima."), InText, picture },
                               { HelpPage::Owners, QStringLiteral("Seconda."), InText, QImage() },
                               { HelpPage::Owners, QStringLiteral("Terza."), Landscape, picture },
                               { HelpPage::Owners, QStringLiteral("Quarta & ultima."), InText, picture } },
                {}, 0.5, 1000);
        const auto chapter = [&](HelpPage page) {
            const qsizetype start
                = html.indexOf(helpPage(page).title.toHtmlEscaped() + QLatin1String("</h1>"));
            return html.sliced(start, html.indexOf(QLatin1String("<h1"), start) - start);
        };
        const QString owners = chapter(HelpPage::Owners);
        QVERIFY(chapter(HelpPage::Schedule).contains(QLatin1String("Figura 1. Prima.")));
        QVERIFY(!html.contains(QLatin1String("Figura 2.")));
        QVERIFY(owners.contains(QLatin1String("page-break-after: always;\"><a name=\"figura:3\">")));
        QVERIFY(!html.contains(QLatin1String("Figura 3.")));
        QVERIFY(owners.contains(QLatin1String("<img src=\"figura:4\" width=\"342\" height=\"50\">")));
        QVERIFY(owners.contains(QLatin1String("Figura 4. Quarta &amp; ultima.")));
        QCOMPARE(html.count(QLatin1String("<img")), 2);
    }

    // The build delivers the manual and the settings file beside the program.
    void deliveredFiles()
    {
        QFile manual(QStringLiteral(ZAMPORA_PROGRAM_FOLDER "/Guida.pdf"));
        QVERIFY(manual.open(QIODevice::ReadOnly));
        QVERIFY(manual.read(5) == "%PDF-");
        QVERIFY(manual.size() > 10000);
        QFile settings(QStringLiteral(ZAMPORA_PROGRAM_FOLDER "/unins000.dll"));
        QVERIFY(settings.exists());
    }
};

QTEST_APPLESS_MAIN(tst_HelpPages)
#include "tst_helppages.moc"
