// The dog card with what belongs to a dog besides its record: the album photo
// written at every save and shown after every read, the associated folder and
// the attached files.

#include "tst_frmcani_fixture.h"

#include <QDir>
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
        click(child(f.card(), "cmdPrimo"));
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
