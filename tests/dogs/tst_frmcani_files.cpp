// The dog card with what belongs to a dog besides its record: the album photo
// written at every save and shown after every read, the associated folder and
// the attached files.

#include "tst_frmcani_fixture.h"
#include "ui/UnsavedChanges.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>

class tst_FrmCaniFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<DogCardFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void photoTravelsWithSaveAndNavigation()
    {
        DogCardFixture &f = *m_fixture;
        loadPhoto(QSize(400, 300));
        f.typeHead(QStringLiteral("Birba"));
        click(child(f.card(), "cmdSalva"));
        f.doubles.messages.takeOnly();
        QCOMPARE(QImage(f.path(QStringLiteral("Album/Cane_1.jpg"))).size(), QSize(400, 300));

        click(child(f.card(), "cmdNuovo"));
        QVERIFY(f.card()->photoBox()->showsPlaceholder());
        click(child(f.card(), "cmdPrimo"));
        QCOMPARE(f.card()->photoBox()->picture().size(), QSize(400, 300));

        // Removing the photo is undone by navigating away without saving.
        click(child(f.card(), "btnCancFoto"));
        QVERIFY(f.card()->photoBox()->showsPlaceholder());
        click(child(f.card(), "cmdUltimo"));
        QCOMPARE(f.card()->photoBox()->picture().size(), QSize(400, 300));
    }

    void deletedAlbumPhotoShowsAndStoresThePlaceholder()
    {
        DogCardFixture &f = *m_fixture;
        f.writeArchive({ QStringLiteral("Birba") });
        loadPhoto(QSize(64, 64));
        f.doubles.messages.answerNextQuestions({ MessageBoxes::Answer::No });
        click(child(f.card(), "cmdPrimo"));
        QCOMPARE(f.doubles.messages.takeOnly().text, UnsavedChanges::question());
        QVERIFY(f.card()->photoBox()->showsPlaceholder());

        click(child(f.card(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly().text,
                 QString::fromUtf8("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        QCOMPARE(QImage(f.path(QStringLiteral("Album/Cane_1.jpg"))).size(), PhotoBox::placeholder().size());
    }

    void duplicateStartsWithoutPhotoOrAttachments()
    {
        DogCardFixture &f = *m_fixture;
        DogValues values = DogCardFixture::head(QStringLiteral("Birba"));
        values[DogRecord::File01] = QStringLiteral("pedigree.pdf");
        values[DogRecord::Desc01] = QStringLiteral("Pedigree");
        f.writeFile(DogRecord::fileName, DogCardFixture::dogRecord(values));
        click(child(f.card(), "cmdPrimo"));
        loadPhoto(QSize(80, 60));

        click(child(f.card(), "cmdDuplica"));
        f.doubles.messages.takeOnly();
        QVERIFY(f.card()->photoBox()->showsPlaceholder());
        click(child(f.card(), "cmdSalva"));
        f.doubles.messages.takeOnly();
        QCOMPARE(f.fieldAt(2, DogRecord::File01), QString());
        QCOMPARE(f.fieldAt(2, DogRecord::Desc01), QString());
        QCOMPARE(f.fieldAt(1, DogRecord::File01), QStringLiteral("pedigree.pdf"));
        QCOMPARE(QImage(f.path(QStringLiteral("Album/Cane_2.jpg"))).size(), PhotoBox::placeholder().size());
    }

    void attachmentsReachTheArchiveOnlyWhenApplied_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("storedDescription");
        QTest::newRow("apply") << QStringLiteral("btnApplica") << QStringLiteral("Libretto sanitario");
        QTest::newRow("cancel") << QStringLiteral("btnAnnulla") << QString();
    }

    void attachmentsReachTheArchiveOnlyWhenApplied()
    {
        QFETCH(QString, button);
        QFETCH(QString, storedDescription);
        DogCardFixture &f = *m_fixture;
        f.typeHead(QStringLiteral("Birba"));
        whenModalShown([&](QWidget *window) {
            QCOMPARE(window->objectName(), QStringLiteral("frmAllegaCartella"));
            QTest::keyClicks(child<QLineEdit>(window, "txtDesc02"), QStringLiteral("  Libretto sanitario "));
            click(child(window, button.toLatin1().constData()));
        });
        click(child(f.card(), "cmdFile"));
        QCOMPARE(f.label("lblDesc02"), storedDescription);

        click(child(f.card(), "cmdSalva"));
        f.doubles.messages.takeOnly();
        const int desc02Offset = 10355;
        QCOMPARE(recordAt(f.archive(), DogRecord::layout(), 1).mid(desc02Offset, 1 + storedDescription.size()),
                 shortText(storedDescription.toLatin1()));
    }

    void folderNeedsAStoredCard()
    {
        DogCardFixture &f = *m_fixture;
        click(child(f.card(), "btnDocumenti"));
        click(child(f.card(), "btnCartella"));
        QCOMPARE(f.doubles.messages.takeOnly().text,
                 QString::fromUtf8("Attenzione: l'abbinamento della cartella al cane può avvenire soltanto dopo "
                                   "che la scheda è stata inserita in archivio."));
        QVERIFY(f.doubles.shell.opened.isEmpty());
    }

    void folderOfTheTwelfthDog()
    {
        DogCardFixture &f = *m_fixture;
        QStringList names;
        for (int i = 1; i <= 12; ++i)
            names.append(QStringLiteral("Cane %1").arg(i));
        f.writeArchive(names);
        click(child(f.card(), "cmdUltimo"));
        click(child(f.card(), "btnDocumenti"));
        click(child(f.card(), "btnCartella"));

        const QString expected = QDir::toNativeSeparators(f.path(QStringLiteral("Cartelle_Abbinate/Cane_12")));
        QCOMPARE(f.doubles.shell.opened, QStringList{ expected });
        QVERIFY(QFileInfo(expected).isDir());
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

    // The costs open only for a stored card with a name and a breed, tested
    // in that order; the first missing one is the only one reported.
    void costsNeedAStoredNamedCard_data()
    {
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("breed");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("focus");
        QTest::newRow("new card") << false << QString() << QString()
            << QString::fromUtf8("Attenzione: la gestione dei costi può avvenire soltanto dopo che la scheda del "
                                 "cane è stata salvata in archivio.")
            << QString();
        QTest::newRow("no name") << true << QStringLiteral("  ") << QString()
            << QString::fromUtf8("Attenzione: per accedere alla gestione dei costi è necessario indicare il "
                                 "nome del cane.")
            << QStringLiteral("txtNome");
        QTest::newRow("no breed") << true << QStringLiteral("Birba") << QString()
            << QString::fromUtf8("Attenzione: per accedere alla gestione dei costi è necessario indicare la "
                                 "razza del cane.")
            << QStringLiteral("txtRazza");
    }

    void costsNeedAStoredNamedCard()
    {
        QFETCH(bool, stored);
        QFETCH(QString, name);
        QFETCH(QString, breed);
        QFETCH(QString, warning);
        QFETCH(QString, focus);
        DogCardFixture &f = *m_fixture;
        if (stored) {
            f.writeArchive({ QStringLiteral("Birba") });
            click(child(f.card(), "cmdPrimo"));
        }
        f.box("txtNome")->setText(name);
        f.box("txtRazza")->setText(breed);
        click(child(f.card(), "btnDocumenti"));
        click(child(f.card(), "btnCosti"));
        QCOMPARE(f.doubles.messages.takeOnly(), (RecordingMessageBoxes::Shown { MessageBoxes::Kind::Warning, warning }));
        if (!focus.isEmpty())
            QCOMPARE(f.focused(), focus);
        QVERIFY(!QFile::exists(f.path(QStringLiteral("Costi_Cane_1.pro"))));
    }

    // The window shows the dog as the card shows it, saved or not, and
    // creates the dog's empty cost file.
    void costsOpenForTheDogOnTheCard()
    {
        DogCardFixture &f = *m_fixture;
        QStringList names;
        for (int i = 1; i <= 5; ++i)
            names.append(QStringLiteral("Cane %1").arg(i));
        f.writeArchive(names);
        click(child(f.card(), "cmdUltimo"));
        f.box("txtNome")->setText(QStringLiteral(" Birba Nuova "));
        click(child(f.card(), "btnDocumenti"));
        bool shown = false;
        whenModalShown([&](QWidget *window) {
            shown = true;
            QCOMPARE(window->objectName(), QStringLiteral("frmCostiCane"));
            QCOMPARE(window->windowTitle(), QStringLiteral(" Gestione costi cane"));
            QCOMPARE(child<QLabel>(window, "lblTitolo")->text(), QStringLiteral("Birba Nuova  -  Razza: Pastore"));
            QCOMPARE(child<QLabel>(window, "lblTotale")->text(), QString::fromUtf8("€ 0,00"));
            QVERIFY(child(window, "panContainer")->isVisible());
            QVERIFY(!child(window, "panCosti")->isVisible());
            QCOMPARE(QFileInfo(f.path(QStringLiteral("Costi_Cane_5.pro"))).size(), 0);
            click(child(window, "btnChiudi"));
        });
        click(child(f.card(), "btnCosti"));
        QVERIFY(shown);
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QCOMPARE(f.box("txtNome")->text(), QStringLiteral(" Birba Nuova "));
    }

private:
    /// Loads a picture of that size into the photo box through "Carica foto".
    void loadPhoto(QSize size)
    {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        const QString path = m_fixture->path(QStringLiteral("scelta.jpg"));
        QVERIFY(picture.save(path));
        m_fixture->doubles.fileDialogs.answers.enqueue(path);
        click(child(m_fixture->card(), "btnCaricaFoto"));
        QCOMPARE(m_fixture->card()->photoBox()->picture().size(), size);
    }

    std::unique_ptr<DogCardFixture> m_fixture;
};

ZAMPORA_GUI_TEST_MAIN(tst_FrmCaniFiles)
#include "tst_frmcani_files.moc"
