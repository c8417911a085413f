// The schedule's card view: showing entries, the moves, the editing rules,
// saving and duplicating.
#include "tst_frmscadenzario_fixture.h"

#include "storage/DogRecord.h"
#include "storage/Flags.h"
#include "storage/RecordFile.h"

#include <QDir>

class tst_FrmScadenzarioCard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<ScheduleFixture>();
        m_fixture->openYear(QStringLiteral("2025"));
    }
    void cleanup() { m_fixture.reset(); }

    void emptyYear_data()
    {
        QTest::addColumn<QString>("arrow");
        for (const char *arrow : { "cmdPrimo", "cmdUltimo", "cmdAvanti", "cmdIndietro" })
            QTest::newRow(arrow) << QString::fromLatin1(arrow);
    }

    // From a new card every arrow says the year is empty, and the year file
    // now exists, empty.
    void emptyYear()
    {
        QFETCH(QString, arrow);
        ScheduleFixture &f = *m_fixture;
        click(child(f.window(), arrow.toLatin1().constData()));
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Information, QStringLiteral("L'archivio non contiene nessuna scheda.") }));
        QVERIFY(QFileInfo::exists(f.path(QStringLiteral("2025.sca"))));
        QCOMPARE(f.yearFile(2025).size(), 0);
    }

    void walkThroughEntries()
    {
        ScheduleFixture &f = *m_fixture;
        f.writeYear(2025, { ScheduleFixture::deadline(QStringLiteral("01/01/2025"), QStringLiteral("1"), QStringLiteral("Uno")),
                              ScheduleFixture::deadline(QStringLiteral("02/01/2025"), QStringLiteral("1"), QStringLiteral("Due")),
                              ScheduleFixture::deadline(QStringLiteral("03/01/2025"), QStringLiteral("1"), QStringLiteral("Tre")) });
        const auto expect = [&f](const char *arrow, const QString &position, const QString &dog) {
            click(child(f.window(), arrow));
            QCOMPARE(f.window()->position(), position);
            QCOMPARE(f.box("txtNome")->text(), dog);
        };
        expect("cmdAvanti", QStringLiteral("1"), QStringLiteral("Uno")); // from a new card
        expect("cmdUltimo", QStringLiteral("3"), QStringLiteral("Tre"));
        expect("cmdAvanti", QStringLiteral("3"), QStringLiteral("Tre"));
        expect("cmdIndietro", QStringLiteral("2"), QStringLiteral("Due"));
        expect("cmdPrimo", QStringLiteral("1"), QStringLiteral("Uno"));
        expect("cmdIndietro", QStringLiteral("1"), QStringLiteral("Uno"));
        click(child(f.window(), "cmdNuovo"));
        expect("cmdIndietro", QStringLiteral("1"), QStringLiteral("Uno"));
        QVERIFY(f.doubles.messages.shown.isEmpty());
        QCOMPARE(f.label("lblData"), QStringLiteral("01/01/2025"));
    }

    // Every field lands in its control; the flags follow "Sì" and "No" and any
    // other text leaves the check box as it was.
    void showingAnEntry()
    {
        ScheduleFixture &f = *m_fixture;
        EntryValues values;
        for (int field = 0; field < ScheduleRecord::FieldCount; ++field)
            values[ScheduleRecord::Field(field)] = QStringLiteral("v%1").arg(field);
        values[ScheduleRecord::DaConfermare] = FlagText::yes();
        values[ScheduleRecord::Effettuata] = FlagText::yes();
        EntryValues other = values;
        other[ScheduleRecord::DaConfermare] = QStringLiteral("S");
        other[ScheduleRecord::Effettuata] = FlagText::no();
        f.writeYear(2025, { ScheduleFixture::entry(values), ScheduleFixture::entry(other) });

        click(child(f.window(), "cmdPrimo"));
        for (int field = 0; field < ScheduleRecord::FieldCount; ++field) {
            const QString name(ScheduleRecord::layout().field(field).name);
            if (field == ScheduleRecord::DaConfermare || field == ScheduleRecord::Effettuata) {
                QVERIFY(f.check(qPrintable(QStringLiteral("chk") + name))->isChecked());
                continue;
            }
            // Anno, Data and Ora are labels ("txtAnno" is the start view's year box).
            QWidget *control = f.window()->findChild<QLabel *>(QStringLiteral("lbl") + name);
            if (!control)
                control = child(f.window(), qPrintable(QStringLiteral("txt") + name));
            QCOMPARE(control->property(qobject_cast<QComboBox *>(control) ? "currentText" : "text").toString(),
                QStringLiteral("v%1").arg(field));
        }
        click(child(f.window(), "cmdAvanti"));
        QVERIFY(f.check("chkDaConfermare")->isChecked());
        QVERIFY(!f.check("chkEffettuata")->isChecked());
    }

    // A new card keeps the year; time "00:00" and amount "0,00".
    void clearingTheCard()
    {
        ScheduleFixture &f = *m_fixture;
        f.fillCard();
        f.check("chkEffettuata")->setChecked(true);
        QTest::keyClicks(f.box("txtCosto"), QStringLiteral("5"));
        click(child(f.window(), "cmdNuovo"));
        QCOMPARE(f.selector("txtGiorno")->currentText(), QString());
        QCOMPARE(f.selector("txtMese")->currentText(), QString());
        QCOMPARE(f.selector("txtOreApp")->currentText(), QStringLiteral("00"));
        QCOMPARE(f.selector("txtMinutiApp")->currentText(), QStringLiteral("00"));
        QCOMPARE(f.selector("txtOreApp")->currentIndex(), -1);
        QCOMPARE(f.box("txtNome")->text(), QString());
        QCOMPARE(f.box("txtCosto")->text(), QStringLiteral("0,00"));
        QVERIFY(!f.check("chkEffettuata")->isChecked());
        QCOMPARE(f.label("lblAnno"), QStringLiteral("2025"));
        QCOMPARE(f.focused(), QStringLiteral("txtGiorno"));
    }

    // Nothing can be typed into a selector; Backspace empties it; a text that
    // is no item of the list is emptied when the focus leaves; taking the
    // focus forgets the selected item but keeps the text.
    void selectorRules()
    {
        ScheduleFixture &f = *m_fixture;
        QComboBox *day = f.selector("txtGiorno");
        f.chooseFromList("txtGiorno", QStringLiteral("07"));
        QTest::keyClicks(day, QStringLiteral("12a"));
        QCOMPARE(day->currentText(), QStringLiteral("07"));
        QTest::keyClick(day, Qt::Key_Backspace);
        QCOMPARE(day->currentText(), QString());

        QComboBox *month = f.selector("txtMese");
        month->setFocus();
        month->setEditText(QStringLiteral("marzo")); // as an entry from another program could show it
        QTest::keyClick(month, Qt::Key_Tab);
        QCOMPARE(month->currentText(), QString());

        QComboBox *hour = f.selector("txtOreApp");
        f.chooseFromList("txtOreApp", QStringLiteral("10"));
        f.box("txtNome")->setFocus();
        hour->setFocus(Qt::TabFocusReason);
        QCOMPARE(hour->currentIndex(), -1);
        QCOMPARE(hour->currentText(), QStringLiteral("10"));
    }

    void typingRules_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("notice digits only") << "txtAvviso" << "1a2b3" << "123";
        QTest::newRow("notice up to 999") << "txtAvviso" << "1234" << "123";
        QTest::newRow("tax code in capitals") << "txtCodFisc" << " rssmra80a01h501u" << "RSSMRA80A01H501U";
        QTest::newRow("amount: digits and comma") << "txtCosto" << "1a2.,5-" << "12,5";
    }

    void typingRules()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit *edit = m_fixture->box(qPrintable(box));
        edit->clear();
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), shown);
    }

    void amountRuleOnLeaving_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("three decimals") << "12,345" << "12,345";
        QTest::newRow("rounded") << "12,3456789" << "12,3457";
        QTest::newRow("empty") << "" << "0,00";
        QTest::newRow("two commas") << "1,,2" << "0,00";
        QTest::newRow("twelve whole digits fit") << "123456789012" << "123456789012,00";
        // Its decimals would not fit the field: the amount would be stored cut.
        QTest::newRow("thirteen whole digits") << "1234567890123" << "0,00";
    }

    void amountRuleOnLeaving()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        ScheduleFixture &f = *m_fixture;
        QLineEdit *amount = f.box("txtCosto");
        amount->setFocus();
        amount->clear();
        QTest::keyClicks(amount, typed);
        QTest::keyClick(amount, Qt::Key_Return); // Enter moves on to the receipt
        QCOMPARE(f.focused(), QStringLiteral("txtContatto"));
        QCOMPARE(amount->text(), shown);
    }

    // Enter walks the boxes and comes back to the day from the notes; the
    // focused box has its yellow rectangle.
    void enterRingAndFocusRectangle()
    {
        ScheduleFixture &f = *m_fixture;
        const QList<const char *> ring = { "txtGiorno", "txtMese", "txtOreApp", "txtMinutiApp", "txtAvviso",
            "txtProprietario", "txtCodFisc", "txtRecapito", "txtNome", "txtDataNasc", "txtRazza", "txtMantello",
            "txtMicrochip", "txtSegni", "txtPersona", "txtDettagli", "txtOfficina", "txtCosto", "txtContatto",
            "txtNote", "txtGiorno" };
        child(f.window(), "txtGiorno")->setFocus();
        for (qsizetype i = 1; i < ring.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(f.focused(), QString::fromLatin1(ring[i]));
        }
        QVERIFY(child(f.window(), "shpGiorno")->isVisible());
        QVERIFY(!child(f.window(), "shpNote")->isVisible());
        QVERIFY(f.doubles.messages.shown.isEmpty());
    }

    // Each box's yellow rectangle shows whole around it: none reaches out of
    // the panel that holds it, where it would be cut off.
    void focusRectanglesShowWhole()
    {
        ScheduleFixture &f = *m_fixture;
        const QList<QWidget *> rectangles
            = f.window()->findChildren<QWidget *>(QRegularExpression(QStringLiteral("^shp")));
        QCOMPARE(rectangles.size(), 20);
        for (QWidget *rectangle : rectangles) {
            QWidget *box = child(f.window(), qPrintable(QStringLiteral("txt") + rectangle->objectName().mid(3)));
            box->setFocus();
            QVERIFY(rectangle->isVisible());
            QVERIFY2(rectangle->parentWidget()->rect().contains(rectangle->geometry()),
                qPrintable(rectangle->objectName()));
        }
    }

    // A new entry is appended with its date and time worked out, every field
    // at its offset and the flags as "Sì"/"No"; saving it again overwrites it
    // in place.
    void saveAppendsThenOverwrites()
    {
        ScheduleFixture &f = *m_fixture;
        f.writeYear(2025, { ScheduleFixture::deadline(QStringLiteral("01/01/2025"), QStringLiteral("1")) });
        f.fillCard();
        f.box("txtCosto")->clear();
        f.check("chkDaConfermare")->setChecked(true);
        click(child(f.window(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Information, QStringLiteral("La scheda corrente è stata salvata in archivio.") }));
        QCOMPARE(f.window()->position(), QStringLiteral("2"));
        QCOMPARE(f.label("lblData"), QStringLiteral("05/03/2025"));
        QCOMPARE(f.label("lblOra"), QStringLiteral("09:30"));
        QCOMPARE(f.box("txtCosto")->text(), QStringLiteral("0,00"));
        QCOMPARE(f.yearFile(2025).size(), 2 * 1448);

        const QByteArray stored = f.entryAt(2025, 2);
        const std::pair<int, QByteArray> expected[] = {
            { 0, shortText("05") }, { 3, shortText("Marzo") }, { 14, shortText("2025") },
            { 19, shortText("05/03/2025") }, { 30, shortText("09") }, { 33, shortText("30") },
            { 36, shortText("09:30") }, { 42, shortText("3") }, { 46, shortText("Anna Bianchi") },
            { 165, shortText("Fido") }, { 722, shortText("Richiamo vaccino") }, { 1124, shortText("0,00") },
            { 1442, QByteArray("\x02\x53\xEC", 3) }, { 1445, QByteArray("\x02\x4E\x6F", 3) },
        };
        for (const auto &[offset, bytes] : expected)
            QCOMPARE(stored.mid(offset, bytes.size()), bytes);

        const QByteArray first = f.entryAt(2025, 1);
        f.box("txtNote")->setText(QStringLiteral("Portare il libretto"));
        click(child(f.window(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Information,
                QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.") }));
        QCOMPARE(f.yearFile(2025).size(), 2 * 1448);
        QCOMPARE(f.entryAt(2025, 1), first);
        QCOMPARE(f.entryAt(2025, 2).mid(1191, 20), shortText("Portare il libretto"));
        QCOMPARE(f.window()->position(), QStringLiteral("2"));
    }

    // A refused save says why, puts the focus on the culprit and writes
    // nothing; the empty amount has become "0,00" all the same.
    void refusedSave_data()
    {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<Shown>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no day") << QString() << "Marzo"
            << Shown { Kind::Warning, QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il giorno della scadenza.") }
            << "txtGiorno";
        QTest::newRow("31 April") << "31" << "Aprile"
            << Shown { Kind::Notice, QStringLiteral("Attenzione: la data 31/04/2025 non esiste.\n\r\n\r"
                                                    "Per poter salvare la scheda è necessario indicare una data valida.") }
            << "txtGiorno";
        QTest::newRow("29 February 2025") << "29" << "Febbraio"
            << Shown { Kind::Notice, QStringLiteral("Attenzione: la data 29/02/2025 non esiste.\n\r\n\r"
                                                    "Per poter salvare la scheda è necessario indicare una data valida.") }
            << "txtGiorno";
    }

    void refusedSave()
    {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(Shown, message);
        QFETCH(QString, focus);
        ScheduleFixture &f = *m_fixture;
        f.fillCard();
        f.selector("txtGiorno")->setEditText(day);
        f.chooseFromList("txtMese", month);
        f.box("txtCosto")->clear();
        f.box("txtNome")->setFocus();
        click(child(f.window(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly(), message);
        QCOMPARE(f.focused(), focus);
        QCOMPARE(f.box("txtCosto")->text(), QStringLiteral("0,00"));
        QVERIFY(!QFileInfo::exists(f.path(QStringLiteral("2025.sca"))));
        QCOMPARE(f.window()->position(), QString());
    }

    // The amount still being typed takes its form before it is stored,
    // though a click on Save leaves the focus in its box.
    void saveFormatsTheAmountBeingTyped()
    {
        ScheduleFixture &f = *m_fixture;
        f.fillCard();
        QLineEdit *amount = f.box("txtCosto");
        amount->setFocus();
        amount->clear();
        QTest::keyClicks(amount, QStringLiteral("12,5"));
        QCOMPARE(f.focused(), QStringLiteral("txtCosto"));
        click(child(f.window(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly().kind, Kind::Information);
        QCOMPARE(f.entryAt(2025, 1).mid(1124, 6), shortText("12,50"));
    }

    // Duplicating needs a stored card; the copy keeps everything but the
    // date and time, and is appended only when saved with a new date.
    void duplicate()
    {
        ScheduleFixture &f = *m_fixture;
        click(child(f.window(), "cmdDuplica"));
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Warning, QStringLiteral("Attenzione: la duplicazione di una scheda può avvenire soltanto "
                                                   "dopo che questa è stata inserita in archivio.") }));

        f.fillCard();
        f.check("chkEffettuata")->setChecked(true);
        click(child(f.window(), "cmdSalva"));
        f.doubles.messages.shown.clear();
        click(child(f.window(), "cmdDuplica"));
        QCOMPARE(f.doubles.messages.takeOnly(),
            (Shown { Kind::Information, QStringLiteral("E' ora possibile apportare le proprie modifiche alla scheda "
                                                       "corrente.\n\r\n\rAl termine premere Salva per inserire la "
                                                       "scheda in archivio.") }));
        QCOMPARE(f.window()->position(), QString());
        QCOMPARE(f.selector("txtGiorno")->currentText(), QString());
        QCOMPARE(f.selector("txtMinutiApp")->currentText(), QStringLiteral("00"));
        QCOMPARE(f.box("txtNome")->text(), QStringLiteral("Fido"));
        QCOMPARE(f.focused(), QStringLiteral("txtGiorno"));

        click(child(f.window(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly().text,
            QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il giorno della scadenza."));
        f.chooseFromList("txtGiorno", QStringLiteral("12"));
        f.chooseFromList("txtMese", QStringLiteral("Marzo"));
        click(child(f.window(), "cmdSalva"));
        QCOMPARE(f.doubles.messages.takeOnly().text, QStringLiteral("La scheda corrente è stata salvata in archivio."));
        QCOMPARE(f.window()->position(), QStringLiteral("2"));
        const QByteArray copy = f.entryAt(2025, 2);
        QCOMPARE(copy.mid(19, 11), shortText("12/03/2025"));
        QCOMPARE(copy.mid(36, 6), shortText("00:00"));
        QCOMPARE(copy.mid(165, 5), shortText("Fido"));
        QCOMPARE(copy.mid(1445, 3), QByteArray("\x02\x53\xEC", 3));
    }

    // A year file that cannot be used: the access message as an error box,
    // and the card as it was.
    void accessFailure()
    {
        ScheduleFixture &f = *m_fixture;
        QVERIFY(QDir().mkdir(f.path(QStringLiteral("2025.sca"))));
        f.fillCard();
        for (const char *action : { "cmdPrimo", "cmdAvanti", "cmdSalva" }) {
            click(child(f.window(), action));
            QCOMPARE(f.doubles.messages.takeOnly(), (Shown { Kind::Error, accessMessage() }));
            QCOMPARE(f.window()->position(), QString());
            QCOMPARE(f.box("txtNome")->text(), QStringLiteral("Fido"));
        }
    }

    // The dog search copies a dog's data into the card; date, time and
    // position stay. Summaries and the schedule search show an entry as the
    // arrows do.
    void importingADogAndShowingFromOutside()
    {
        ScheduleFixture &f = *m_fixture;
        Record entry(ScheduleRecord::layout());
        entry.setValue(ScheduleRecord::Giorno, QStringLiteral("09"));
        entry.setValue(ScheduleRecord::Nome, QStringLiteral("Fido"));
        f.window()->showRecord(entry, 7);
        QCOMPARE(f.window()->position(), QStringLiteral("7"));
        QCOMPARE(f.selector("txtGiorno")->currentText(), QStringLiteral("09"));

        Record dog(DogRecord::layout());
        const std::pair<DogRecord::Field, const char *> dogValues[] = { { DogRecord::Nome, "Rex" },
            { DogRecord::DataNasc, "01/02/2020" }, { DogRecord::Razza, "Beagle" }, { DogRecord::Mantello, "Tricolore" },
            { DogRecord::Microchip, "380" }, { DogRecord::Segni, "Nessuno" }, { DogRecord::Proprietario, "Anna" },
            { DogRecord::Recapito, "333" }, { DogRecord::CodFisc, "BNCNNA80A41H501X" } };
        for (const auto &[field, text] : dogValues)
            dog.setValue(field, QString::fromLatin1(text));
        f.window()->importDog(dog);
        const std::pair<const char *, const char *> shown[] = { { "txtNome", "Rex" }, { "txtDataNasc", "01/02/2020" },
            { "txtRazza", "Beagle" }, { "txtMantello", "Tricolore" }, { "txtMicrochip", "380" },
            { "txtSegni", "Nessuno" }, { "txtProprietario", "Anna" }, { "txtRecapito", "333" },
            { "txtCodFisc", "BNCNNA80A41H501X" } };
        for (const auto &[box, text] : shown)
            QCOMPARE(f.box(box)->text(), QString::fromLatin1(text));
        QCOMPARE(f.window()->position(), QStringLiteral("7"));
        QCOMPARE(f.selector("txtGiorno")->currentText(), QStringLiteral("09"));
    }

    void taxCodeCheckRouting_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("window");
        QTest::newRow("empty") << QString() << "frmCodFisc";
        QTest::newRow("digits: a VAT number") << "12345678903" << "frmPartitaIva";
        QTest::newRow("letters: a tax code") << "RSSMRA80A01H501U" << "frmCodFisc";
    }

    void taxCodeCheckRouting()
    {
        QFETCH(QString, code);
        QFETCH(QString, window);
        ScheduleFixture &f = *m_fixture;
        f.box("txtCodFisc")->setText(code);
        QString opened;
        whenModalShown([&opened](QWidget *modal) {
            opened = modal->objectName();
            modal->close();
        });
        click(child(f.window(), "btnCodFisc"));
        QCOMPARE(opened, window);
    }

    void statusLine()
    {
        ScheduleFixture &f = *m_fixture;
        QCOMPARE(f.label("panInfo"), QStringLiteral("Pronto per archiviare una nuova scheda..."));
        QEnterEvent enter({}, {}, {});
        QApplication::sendEvent(child(f.window(), "cmdImporta"), &enter);
        QCOMPARE(f.label("panInfo"), QStringLiteral("Importa i dati dall'archivio anagrafico dei cani."));
        QApplication::sendEvent(child(f.window(), "chkEffettuata"), &enter);
        QCOMPARE(f.label("panInfo"),
            QStringLiteral("Spunta questa casella per annotare che il pagamento è stata effettuato."));
        QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(child(f.window(), "panCane"), &move);
        QCOMPARE(f.label("panInfo"), QString());
    }

private:
    std::unique_ptr<ScheduleFixture> m_fixture;
};

ZAMPORA_GUI_TEST_MAIN(tst_FrmScadenzarioCard)
#include "tst_frmscadenzario_card.moc"
