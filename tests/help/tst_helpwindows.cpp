#include "AppFixture.h"

#include "app/frmAvvio.h"
#include "core/Version.h"
#include "dogs/frmCani.h"
#include "help/Help.h"
#include "help/InfoWindowParts.h"
#include "help/MakerLinks.h"
#include "help/frmGuida.h"
#include "owners/frmClienti.h"
#include "schedule/frmScadenzario.h"
#include "ui/LinkLabel.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

// The help, information and splash windows, opened from the main menu and
// the dog card.
class tst_HelpWindows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_f = std::make_unique<AppFixture>(); }
    void cleanup() { m_f.reset(); }

    void mainMenuOpens_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::newRow("help") << QStringLiteral("imgGuida") << QStringLiteral("frmGuida")
                              << QStringLiteral(" Guida all'utilizzo del software") << QSize(670, 572);
        QTest::newRow("information") << QStringLiteral("imgInfo") << QStringLiteral("frmInfo")
                                     << QStringLiteral(" Informazioni su Zampora") << QSize(473, 579);
        QTest::newRow("splash") << QStringLiteral("imgCopyright") << QStringLiteral("frmSplash")
                                << QStringLiteral(" Zampora - Zampora Software") << QSize(661, 467);
    }

    // Each opens modally over the main menu, fixed size, without system
    // buttons, and is gone once "Chiudi" closes it.
    void mainMenuOpens()
    {
        QFETCH(QString, control);
        QFETCH(QString, window);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        frmAvvio *menu = &m_f->app().mainMenu();
        QPointer<QWidget> opened;
        whenModalShown([&](QWidget *modal) {
            opened = modal;
            QCOMPARE(modal->objectName(), window);
            QCOMPARE(modal->windowTitle(), caption);
            QCOMPARE(modal->parentWidget(), menu);
            QCOMPARE(modal->minimumSize(), size);
            QCOMPARE(modal->maximumSize(), size);
            QVERIFY(!(modal->windowFlags() & Qt::WindowCloseButtonHint));
            QCOMPARE(child<QLabel>(modal, "lnkWeb")->palette().color(QPalette::WindowText), LinkLabel::normalColour);
            click(child(modal, "btnChiudi"));
        });
        click(child(menu, control.toLatin1().constData()));
        QVERIFY(opened.isNull());
        QVERIFY(menu->isVisible());
    }

    void helpPagesOfTheOpeners_data()
    {
        QTest::addColumn<QString>("archive"); // the main menu's button to the opener, if any
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("paragraphs");
        QTest::newRow("main menu") << QString() << QStringLiteral("imgGuida")
                                   << QStringLiteral("Uno sguardo a Zampora.") << 38;
        QTest::newRow("dog card") << QStringLiteral("btnCani") << QStringLiteral("cmdGuida")
                                  << QStringLiteral("Applicazione Anagrafica Cani.") << 14;
        QTest::newRow("schedule") << QStringLiteral("btnScadenze") << QStringLiteral("imgGuida")
                                  << QStringLiteral("Applicazione Scadenze e Appuntamenti.") << 9;
        QTest::newRow("owner card") << QStringLiteral("btnProprietari") << QStringLiteral("cmdGuida")
                                    << QStringLiteral("Applicazione Anagrafica proprietari.") << 9;
    }

    // The title above the paragraphs, an empty line between two of them; the
    // text is read-only and wraps.
    void helpPagesOfTheOpeners()
    {
        QFETCH(QString, archive);
        QFETCH(QString, button);
        QFETCH(QString, title);
        QFETCH(int, paragraphs);
        QWidget *opener = &m_f->app().mainMenu();
        if (!archive.isEmpty()) {
            click(child(opener, archive.toLatin1().constData()));
            Application &app = m_f->app();
            opener = archive == QLatin1String("btnCani")            ? static_cast<QWidget *>(&app.dogs())
                : archive == QLatin1String("btnProprietari") ? static_cast<QWidget *>(&app.owners())
                                                             : static_cast<QWidget *>(&app.schedule());
        }
        whenModalShown([&](QWidget *modal) {
            QCOMPARE(modal->parentWidget(), opener);
            QCOMPARE(child<QLabel>(modal, "lblTitolo")->text(), title);
            auto *text = child<QPlainTextEdit>(modal, "txtGuida");
            QVERIFY(text->isReadOnly());
            QCOMPARE(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
            QCOMPARE(text->size(), QSize(625, 350));
            const QStringList shown = text->toPlainText().split(QStringLiteral("\n\n"));
            QCOMPARE(shown.size(), paragraphs);
            QVERIFY(!shown.last().isEmpty() && !shown.last().endsWith(u'\n'));
            click(child(modal, "btnChiudi"));
        });
        click(child(opener, button.toLatin1().constData()));
    }

    void helpWindowBeforeAnyPage()
    {
        frmGuida window(m_f->context(), nullptr);
        QCOMPARE(child<QLabel>(&window, "lblTitolo")->text(), QStringLiteral("Argomento della guida."));
    }

    void links_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("icon");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("opened");
        QTest::newRow("manual") << QStringLiteral("imgGuida") << QStringLiteral("imgPDF")
                                << QStringLiteral("Visualizza guida in formato PDF")
                                << QStringLiteral("Guida.pdf"); // in the program folder
        QTest::newRow("support mail")
            << QStringLiteral("imgInfo") << QStringLiteral("imgEmail") << QStringLiteral("assistenza@zampora.it")
            << QStringLiteral("mailto:assistenza@zampora.it?subject=Software Zampora&body=Salve, desidererei avere "
                              "le seguenti informazioni sul software in oggetto:");
        QTest::newRow("web site") << QStringLiteral("imgCopyright") << QStringLiteral("imgWeb")
                                  << QStringLiteral("www.zampora.it") << QStringLiteral("https://www.zampora.it");
    }

    // The link and its icon open the same thing through the shell; while the
    // mouse button is down on either the link is orange, and released away
    // from it the link turns dark blue again without opening anything.
    void links()
    {
        QFETCH(QString, control);
        QFETCH(QString, icon);
        QFETCH(QString, text);
        QFETCH(QString, opened);
        if (opened == QLatin1String("Guida.pdf"))
            opened = m_f->context().folder.filePath(opened);
        QStringList &shell = m_f->doubles.shell.opened;
        whenModalShown([&](QWidget *modal) {
            auto *link = child<QLabel>(modal, "lnkWeb");
            auto *picture = child<QAbstractButton>(modal, icon.toLatin1().constData());
            QCOMPARE(link->text(), text);
            QVERIFY(link->font().underline());
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
            const auto colour = [link] { return link->palette().color(QPalette::WindowText); };

            for (QWidget *target : { static_cast<QWidget *>(link), static_cast<QWidget *>(picture) }) {
                QTest::mousePress(target, Qt::LeftButton, {}, target->rect().center());
                QCOMPARE(colour(), LinkLabel::pressedColour);
                QTest::mouseRelease(target, Qt::LeftButton, {}, target->rect().bottomRight() + QPoint(40, 40));
                QCOMPARE(colour(), LinkLabel::normalColour);
            }
            QVERIFY(shell.isEmpty());
            click(link);
            QCOMPARE(colour(), LinkLabel::normalColour);
            click(picture);
            click(child(modal, "btnChiudi"));
        });
        click(child(&m_f->app().mainMenu(), control.toLatin1().constData()));
        QCOMPARE(shell, QStringList({ opened, opened }));
    }

    // A manual the desktop cannot open (no PDF reader) is not silence.
    void manualThatTheDesktopCannotOpen_saysWhereItIs()
    {
        m_f->doubles.shell.succeed = false;
        whenModalShown([&](QWidget *modal) {
            click(child(modal, "imgPDF"));
            click(child(modal, "btnChiudi"));
        });
        click(child(&m_f->app().mainMenu(), "imgGuida"));
        QCOMPARE(m_f->doubles.messages.takeOnly(),
            (RecordingMessageBoxes::Shown { MessageBoxes::Kind::Error,
                QString::fromUtf8("Attenzione: non è stato possibile aprire il file Guida.pdf.\n\r\n\r"
                                  "Il file si trova nella cartella %1.")
                    .arg(QDir::toNativeSeparators(m_f->context().folder.path())) }));
    }

    void splashIsCentredOverTheMainMenu()
    {
        frmAvvio *menu = &m_f->app().mainMenu();
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        whenModalShown([&](QWidget *modal) {
            QVERIFY(qAbs(modal->geometry().center().x() - menu->geometry().center().x()) <= 1);
            QVERIFY(qAbs(modal->geometry().center().y() - menu->geometry().center().y()) <= 1);
            QCOMPARE(child(modal, "btnChiudi")->width(), 225);
            click(child(modal, "btnChiudi"));
        });
        click(child(menu, "imgCopyright"));
    }

    // The pictures tell the version the build gives, as --version does.
    void picturesTellTheBuildsVersion_data()
    {
        QTest::addColumn<QByteArray>("artwork");
        QTest::addColumn<QByteArray>("shown");
        QTest::newRow("information") << QByteArray("informazioni") << QByteArray(">versione " ZAMPORA_BUILD_VERSION "<");
        QTest::newRow("splash") << QByteArray("splash") << QByteArray(">Versione " ZAMPORA_BUILD_VERSION "<");
    }
    void picturesTellTheBuildsVersion()
    {
        QFETCH(QByteArray, artwork);
        QFETCH(QByteArray, shown);
        QCOMPARE(programVersion(), QStringLiteral(ZAMPORA_BUILD_VERSION));
        const QByteArray drawn = InfoWindowParts::artwork(artwork.constData());
        QVERIFY2(drawn.contains(shown), drawn.constData());
        QVERIFY(!drawn.contains("@VERSIONE@"));
    }

private:
    std::unique_ptr<AppFixture> m_f;
};

ZAMPORA_GUI_TEST_MAIN(tst_HelpWindows)
#include "tst_helpwindows.moc"
