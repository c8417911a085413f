// The dog card: layout rules, display of stored records and the four arrows.
#include "tst_frmcani_fixture.h"

#include "storage/RecordFile.h"
#include "ui/PictureButton.h"

#include <QDir>
#include <QPushButton>

class tst_FrmCaniNavigation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<DogCardFixture>(); }
    void cleanup() { m_fixture.reset(); }

    void opensAsANewCardOnTheFirstSection()
    {
        DogCardFixture &f = *m_fixture;
        QCOMPARE(f.card()->windowTitle(), QStringLiteral(" Zampora - Anagrafica Cani"));
        QVERIFY(f.card()->isMaximized());
        QCOMPARE(f.card()->position(), QString());
        QVERIFY(child(f.card(), "panPsicosomatica")->isVisible());
        QVERIFY(!child(f.card(), "btnPsicosomatica")->isEnabled());
        QCOMPARE(f.focused(), QStringLiteral("txtNome"));
        for (const char *hidden :
            { "lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03" })
            QVERIFY(!child(f.card(), hidden)->isVisible());
        QVERIFY(f.card()->photoBox()->showsPlaceholder());
    }

    void everyPictureButtonHasAnAccessibleName()
    {
        const QList<PictureButton *> buttons = m_fixture->card()->findChildren<PictureButton *>();
        QVERIFY(buttons.size() >= 20);
        for (const PictureButton *button : buttons)
            QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->objectName()));
    }

    void statusStripStartsReady()
    {
        QWidget menu;
        frmCani card(m_fixture->context(), &menu);
        QCOMPARE(child<QLabel>(&card, "panInfo")->text(),
            QStringLiteral("Pronto per archiviare una nuova scheda..."));
    }

    void everyBoxIsLimitedToItsFieldCapacity()
    {
        for (int field = DogRecord::Nome; field <= DogRecord::Alimentazione; ++field) {
            const FieldSpec &fieldSpec = DogRecord::layout().field(field);
            const QString name = QStringLiteral("txt") + QString(fieldSpec.name);
            QLineEdit *box = m_fixture->card()->findChild<QLineEdit *>(name);
            QVERIFY2(box, qPrintable(name));
            QCOMPARE(box->maxLength(), fieldSpec.capacity);
        }
    }

    void statusStripDescribesTheControlUnderTheMouse()
    {
        DogCardFixture &f = *m_fixture;
        QEnterEvent enter({}, {}, {});
        QApplication::sendEvent(child(f.card(), "cmdSalva"), &enter);
        QCOMPARE(f.label("panInfo"), QStringLiteral("Salva la scheda corrente in archivio."));
        QApplication::sendEvent(child(f.card(), "btnCosti"), &enter);
        QCOMPARE(f.label("panInfo"),
            QStringLiteral("Visualizza la finestra per l'annotazione dei costi sostenuti."));
        // Backgrounds: the photo box, and the surface holding a section's boxes.
        for (QWidget *surface : { child(f.card(), "imgFoto"), f.box("txtPelo")->parentWidget() }) {
            QApplication::sendEvent(child(f.card(), "cmdSalva"), &enter);
            QMouseEvent move(
                QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(surface, &move);
            QCOMPARE(f.label("panInfo"), QString());
        }
    }

    void emptyOrMissingArchive_data()
    {
        QTest::addColumn<bool>("missing");
        QTest::addColumn<QString>("arrow");
        for (const char *arrow : { "cmdPrimo", "cmdUltimo", "cmdAvanti", "cmdIndietro" }) {
            QTest::addRow("missing %s", arrow) << true << QString::fromLatin1(arrow);
            QTest::addRow("empty %s", arrow) << false << QString::fromLatin1(arrow);
        }
    }
    // Every arrow says the archive is empty, leaves the card new, and a
    // missing archive is created empty.
    void emptyOrMissingArchive()
    {
        QFETCH(bool, missing);
        QFETCH(QString, arrow);
        DogCardFixture &f = *m_fixture;
        if (!missing)
            f.writeFile(DogRecord::fileName, {});
        QTest::keyClicks(f.box("txtNome"), QStringLiteral("Fido"));
        click(child(f.card(), arrow.toLatin1().constData()));
        QCOMPARE(f.doubles.messages.takeOnly(),
            (RecordingMessageBoxes::Shown { MessageBoxes::Kind::Information,
                QStringLiteral("L'archivio non contiene nessuna scheda.") }));
        QCOMPARE(f.card()->position(), QString());
        QCOMPARE(f.box("txtNome")->text(), QStringLiteral("Fido"));
        QVERIFY(QFileInfo::exists(f.path(DogRecord::fileName)));
        QCOMPARE(f.archive().size(), 0);
    }

    // Avanti on an emptied archive also forgets the position; Indietro keeps it.
    void archiveEmptiedBehindTheCard()
    {
        DogCardFixture &f = *m_fixture;
        f.writeArchive({ QStringLiteral("Uno"), QStringLiteral("Due") });
        click(child(f.card(), "cmdUltimo"));
        f.writeFile(DogRecord::fileName, {});
        click(child(f.card(), "cmdIndietro"));
        QCOMPARE(f.doubles.messages.takeOnly().kind, MessageBoxes::Kind::Information);
        QCOMPARE(f.card()->position(), QStringLiteral("2"));
        click(child(f.card(), "cmdAvanti"));
        QCOMPARE(
            f.doubles.messages.takeOnly().text, QStringLiteral("L'archivio non contiene nessuna scheda."));
        QCOMPARE(f.card()->position(), QString());
    }

    // Indietro on the first card does nothing, whatever the archive holds now.
    void previousOnTheFirstCardIsSilent()
    {
        DogCardFixture &f = *m_fixture;
        f.writeArchive({ QStringLiteral("Uno") });
        click(child(f.card(), "cmdPrimo"));
        f.writeFile(DogRecord::fileName, {});
        click(child(f.card(), "cmdIndietro"));
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QCOMPARE(f.card()->position(), QStringLiteral("1"));
        QCOMPARE(f.box("txtNome")->text(), QStringLiteral("Uno"));
    }

    void walkThroughThreeCards()
    {
        DogCardFixture &f = *m_fixture;
        f.writeArchive({ QStringLiteral("Uno"), QStringLiteral("Due"), QStringLiteral("Tre") });
        const auto expect = [&f](const char *arrow, const QString &position, const QString &name) {
            click(child(f.card(), arrow));
            QCOMPARE(f.card()->position(), position);
            QCOMPARE(f.box("txtNome")->text(), name);
        };
        expect("cmdPrimo", QStringLiteral("1"), QStringLiteral("Uno"));
        expect("cmdAvanti", QStringLiteral("2"), QStringLiteral("Due"));
        expect("cmdAvanti", QStringLiteral("3"), QStringLiteral("Tre"));
        expect("cmdAvanti", QStringLiteral("3"), QStringLiteral("Tre"));
        expect("cmdUltimo", QStringLiteral("3"), QStringLiteral("Tre"));
        expect("cmdIndietro", QStringLiteral("2"), QStringLiteral("Due"));
        expect("cmdIndietro", QStringLiteral("1"), QStringLiteral("Uno"));
        expect("cmdIndietro", QStringLiteral("1"), QStringLiteral("Uno"));
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

    void newCardGoesToTheFirstCard_data()
    {
        QTest::addColumn<QString>("arrow");
        QTest::newRow("avanti") << QStringLiteral("cmdAvanti");
        QTest::newRow("indietro") << QStringLiteral("cmdIndietro");
    }
    void newCardGoesToTheFirstCard()
    {
        QFETCH(QString, arrow);
        DogCardFixture &f = *m_fixture;
        f.writeArchive({ QStringLiteral("Uno"), QStringLiteral("Due"), QStringLiteral("Tre") });
        QTest::keyClicks(f.box("txtMantello"), QStringLiteral("nero"));
        click(child(f.card(), arrow.toLatin1().constData()));
        QCOMPARE(f.card()->position(), QStringLiteral("1"));
        QCOMPARE(f.box("txtNome")->text(), QStringLiteral("Uno"));
        QCOMPARE(f.box("txtMantello")->text(), QString());
    }

    // A position beyond the end (the archive was cut behind the card's back)
    // steps back to the last record instead of reading past the end.
    void previousFromBeyondTheEndShowsTheLastCard()
    {
        DogCardFixture &f = *m_fixture;
        f.writeArchive({ QStringLiteral("Uno"), QStringLiteral("Due"), QStringLiteral("Tre"),
            QStringLiteral("Quattro") });
        click(child(f.card(), "cmdUltimo"));
        f.writeArchive({ QStringLiteral("Uno"), QStringLiteral("Due") });
        click(child(f.card(), "cmdIndietro"));
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QCOMPARE(f.card()->position(), QStringLiteral("2"));
        QCOMPARE(f.box("txtNome")->text(), QStringLiteral("Due"));
    }

    // Each of the sixty fields lands in the control named after it; trailing
    // blanks in the file never reach the screen.
    void everyFieldIsShownInItsControl()
    {
        DogCardFixture &f = *m_fixture;
        DogValues values;
        for (int field = 0; field < DogRecord::FieldCount; ++field)
            values[DogRecord::Field(field)] = QStringLiteral("v%1").arg(field);
        f.writeFile(DogRecord::fileName, DogCardFixture::dogRecord(values));
        click(child(f.card(), "cmdPrimo"));
        for (int field = 0; field < DogRecord::FieldCount; ++field) {
            const QString name = QString(DogRecord::layout().field(field).name);
            QWidget *control = f.card()->findChild<QWidget *>(QStringLiteral("txt") + name);
            if (!control)
                control = f.card()->findChild<QLabel *>(QStringLiteral("lbl") + name);
            QVERIFY2(control, qPrintable(name));
            // Sesso, DataNasc and CodFisc are kept in capitals; Sesso holds one character.
            const QString stored
                = QStringLiteral("v%1").arg(field).left(DogRecord::layout().field(field).capacity);
            QCOMPARE(control->property("text").toString().toLower(), stored);
        }
    }

    void accessFailureLeavesTheCard_data()
    {
        QTest::addColumn<QString>("arrow");
        for (const char *arrow : { "cmdPrimo", "cmdUltimo", "cmdAvanti", "cmdIndietro" })
            QTest::newRow(arrow) << QString::fromLatin1(arrow);
    }
    void accessFailureLeavesTheCard()
    {
        QFETCH(QString, arrow);
        DogCardFixture &f = *m_fixture;
        f.writeArchive({ QStringLiteral("Uno"), QStringLiteral("Due"), QStringLiteral("Tre") });
        click(child(f.card(), "cmdAvanti"));
        click(child(f.card(), "cmdAvanti"));
        QTest::keyClicks(f.box("txtPelo"), QStringLiteral("raso"));
        QVERIFY(QFile::remove(f.path(DogRecord::fileName)));
        QVERIFY(QDir().mkdir(f.path(DogRecord::fileName)));
        click(child(f.card(), arrow.toLatin1().constData()));
        QCOMPARE(f.doubles.messages.takeOnly(),
            (RecordingMessageBoxes::Shown { MessageBoxes::Kind::Error, accessMessage() }));
        QCOMPARE(f.card()->position(), QStringLiteral("2"));
        QCOMPARE(f.box("txtNome")->text(), QStringLiteral("Due"));
        QCOMPARE(f.box("txtPelo")->text(), QStringLiteral("raso"));
    }

    void lockedArchiveReportsAccess()
    {
        DogCardFixture &f = *m_fixture;
        f.writeArchive({ QStringLiteral("Uno") });
        RecordFile other;
        other.openOrCreate(f.path(DogRecord::fileName), DogRecord::recordSize);
        click(child(f.card(), "cmdPrimo"));
        QCOMPARE(f.doubles.messages.takeOnly(),
            (RecordingMessageBoxes::Shown { MessageBoxes::Kind::Error, accessMessage() }));
        QCOMPARE(f.card()->position(), QString());
    }

    void sectionButtons_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<QByteArray>("panel");
        QTest::addColumn<QByteArray>("first");
        QTest::newRow("albero") << QByteArray("btnAlbero") << QByteArray("panAlbero")
                                << QByteArray("txtProprietario");
        QTest::newRow("sanitaria") << QByteArray("btnSanitaria") << QByteArray("panSanitaria")
                                   << QByteArray("txtVaccinazioni");
        QTest::newRow("documenti") << QByteArray("btnDocumenti") << QByteArray("panDocumenti")
                                   << QByteArray("btnCartella");
        QTest::newRow("psicosomatica")
            << QByteArray("btnPsicosomatica") << QByteArray("panPsicosomatica") << QByteArray("txtMantello");
    }
    // The pressed section is the only one shown, its button the only one
    // disabled, and the section survives navigation.
    void sectionButtons()
    {
        QFETCH(QByteArray, button);
        QFETCH(QByteArray, panel);
        QFETCH(QByteArray, first);
        DogCardFixture &f = *m_fixture;
        f.writeArchive({ QStringLiteral("Uno") });
        if (button == "btnPsicosomatica")
            click(child(f.card(), "btnSanitaria"));
        click(child(f.card(), button.constData()));
        QCOMPARE(f.focused(), QString::fromLatin1(first));
        click(child(f.card(), "cmdPrimo"));
        for (const char *section : { "Psicosomatica", "Albero", "Sanitaria", "Documenti" }) {
            const QByteArray name(section);
            QCOMPARE(child(f.card(), ("pan" + name).constData())->isVisible(), "pan" + name == panel);
            QCOMPARE(child(f.card(), ("btn" + name).constData())->isEnabled(), "btn" + name != button);
        }
    }

    void enterKeyRing_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::newRow("head") << QByteArray("") << QByteArray("txtNome") << QByteArray("txtSesso");
        QTest::newRow("head to psicosomatica")
            << QByteArray("") << QByteArray("txtRazza") << QByteArray("txtMantello");
        QTest::newRow("head to albero")
            << QByteArray("btnAlbero") << QByteArray("txtRazza") << QByteArray("txtProprietario");
        QTest::newRow("head to sanitaria")
            << QByteArray("btnSanitaria") << QByteArray("txtRazza") << QByteArray("txtVaccinazioni");
        QTest::newRow("head to documenti")
            << QByteArray("btnDocumenti") << QByteArray("txtRazza") << QByteArray("btnCartella");
        QTest::newRow("within psicosomatica")
            << QByteArray("") << QByteArray("txtSterilizzato") << QByteArray("txtLibretto");
        QTest::newRow("end of psicosomatica")
            << QByteArray("") << QByteArray("txtNote") << QByteArray("txtNome");
        QTest::newRow("within albero")
            << QByteArray("btnAlbero") << QByteArray("txtTrisnonniPat") << QByteArray("txtMadre");
        QTest::newRow("end of albero")
            << QByteArray("btnAlbero") << QByteArray("txtIscrizioni") << QByteArray("txtNome");
        QTest::newRow("end of sanitaria")
            << QByteArray("btnSanitaria") << QByteArray("txtAlimentazione") << QByteArray("txtNome");
    }
    void enterKeyRing()
    {
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        DogCardFixture &f = *m_fixture;
        if (!section.isEmpty())
            click(child(f.card(), section.constData()));
        QLineEdit *box = f.box(from.constData());
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(f.focused(), QString::fromLatin1(to));
    }

    // Showing the card again, after closing it on a stored card and another
    // section, starts from a clear new card.
    void showingAgainStartsClear()
    {
        DogCardFixture &f = *m_fixture;
        f.writeArchive({ QStringLiteral("Uno") });
        click(child(f.card(), "btnAlbero"));
        click(child(f.card(), "cmdPrimo"));
        click(child(f.card(), "cmdEsci"));
        QVERIFY(!f.card()->isVisible());
        QVERIFY(f.app().mainMenu().isVisible());
        click(child(&f.app().mainMenu(), "btnCani"));
        QVERIFY(QTest::qWaitForWindowActive(f.card()));
        QCOMPARE(f.card()->position(), QString());
        QCOMPARE(f.box("txtNome")->text(), QString());
        QVERIFY(child(f.card(), "panPsicosomatica")->isVisible());
        QCOMPARE(f.focused(), QStringLiteral("txtNome"));
    }

private:
    std::unique_ptr<DogCardFixture> m_fixture;
};

ZAMPORA_GUI_TEST_MAIN(tst_FrmCaniNavigation)
#include "tst_frmcani_navigation.moc"
