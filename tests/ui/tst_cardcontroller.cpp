// The card controller under the three archive windows (dogs, owners, schedule
// entries): the position of the record shown is the window's own state, which
// its label only shows, and the card's unchanged state is taken each time it
// shows what it stands for.
#include "../dogs/tst_frmcani_fixture.h"
#include "../owners/tst_frmclienti_fixture.h"
#include "../schedule/tst_frmscadenzario_fixture.h"

#include "ui/RecordNavigator.h"
#include "ui/UnsavedChanges.h"

#include <memory>

using Answer = MessageBoxes::Answer;

namespace {

const QString replacedMessage
    = QString::fromUtf8("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

// One of the three cards, open on a file of two records whose notes read
// "uno" and "due", showing a blank card; driven alike.
class Card
{
public:
    virtual ~Card() = default;
    virtual AppFixture &fixture() = 0;
    virtual ArchiveWindow *window() = 0;
    /// Fills what Save requires of a new card.
    virtual void fillRequired() = 0;
    /// The window's showRecord(), which the searches and lists call.
    virtual void showRecord(const Record &record, qint64 position) = 0;
    /// A stored record of the card's kind that Save accepts.
    virtual QByteArray otherRecord() const = 0;
    virtual QString appendedMessage() const { return RecordNavigator::insertedMessage(); }
    virtual QString fileName() const = 0;
    virtual const RecordLayout &layout() const = 0;
    virtual int noteField() const = 0;

    PlatformDoubles &doubles() { return fixture().doubles; }
    QLineEdit *note() { return child<QLineEdit>(window(), "txtNote"); }
    QLabel *positionLabel() { return child<QLabel>(window(), "lblPosizione"); }
    QByteArray file() { return fixture().readFile(fileName()); }
    qint64 records() { return file().size() / layout().recordSize(); }
    QString storedNote(int position) { return fieldAt(file(), layout(), position, noteField()); }
    void press(const char *button) { click(child(window(), button)); }
    /// Shows a record with that note at a position, as a search or list does.
    void showFromOutside(const QString &note, qint64 position)
    {
        Record record(layout());
        record.setValue(noteField(), note);
        showRecord(record, position);
    }
    /// Appends a record to the file, as another copy of the program would.
    void appendElsewhere() { fixture().writeFile(fileName(), file() + otherRecord()); }
};

class DogCard : public Card
{
public:
    DogCard()
    {
        DogValues first = DogCardFixture::head(QStringLiteral("Uno"));
        first[DogRecord::Note] = QStringLiteral("uno");
        DogValues second = DogCardFixture::head(QStringLiteral("Due"));
        second[DogRecord::Note] = QStringLiteral("due");
        f.writeFile(DogRecord::fileName, DogCardFixture::dogRecord(first) + DogCardFixture::dogRecord(second));
    }
    AppFixture &fixture() override { return f; }
    ArchiveWindow *window() override { return f.card(); }
    void fillRequired() override { f.typeHead(QStringLiteral("Tre")); }
    void showRecord(const Record &record, qint64 position) override { f.card()->showRecord(record, position); }
    QByteArray otherRecord() const override
    {
        return DogCardFixture::dogRecord(DogCardFixture::head(QStringLiteral("Altro")));
    }
    QString fileName() const override { return DogRecord::fileName; }
    const RecordLayout &layout() const override { return DogRecord::layout(); }
    int noteField() const override { return DogRecord::Note; }

    DogCardFixture f;
};

class OwnerCard : public Card
{
public:
    OwnerCard()
    {
        f.writeFile(OwnerRecord::fileName,
            OwnerCardFixture::owner(QStringLiteral("Uno"), { { OwnerRecord::Note, QStringLiteral("uno") } })
                + OwnerCardFixture::owner(QStringLiteral("Due"), { { OwnerRecord::Note, QStringLiteral("due") } }));
    }
    AppFixture &fixture() override { return f; }
    ArchiveWindow *window() override { return f.card(); }
    void fillRequired() override { QTest::keyClicks(f.box("txtCliente"), QStringLiteral("Tre")); }
    void showRecord(const Record &record, qint64 position) override { f.card()->showRecord(record, position); }
    QByteArray otherRecord() const override { return OwnerCardFixture::owner(QStringLiteral("Altro")); }
    QString fileName() const override { return OwnerRecord::fileName; }
    const RecordLayout &layout() const override { return OwnerRecord::layout(); }
    int noteField() const override { return OwnerRecord::Note; }

    OwnerCardFixture f;
};

// The card view of 2024, the year the fixture's clock is in.
class ScheduleCard : public Card
{
public:
    ScheduleCard()
        : f([](ScheduleFixture &s) {
            s.writeYear(2024, { entry(QStringLiteral("uno")), entry(QStringLiteral("due")) });
        })
    {
        f.openYear(QStringLiteral("2024"));
    }
    static QByteArray entry(const QString &note)
    {
        return ScheduleFixture::entry({ { ScheduleRecord::Nome, QStringLiteral("Fido") }, { ScheduleRecord::Note, note } });
    }
    AppFixture &fixture() override { return f; }
    ArchiveWindow *window() override { return f.window(); }
    void fillRequired() override { f.fillCard(); }
    void showRecord(const Record &record, qint64 position) override { f.window()->showRecord(record, position); }
    QByteArray otherRecord() const override { return entry(QStringLiteral("altro")); }
    QString appendedMessage() const override
    {
        return QString::fromUtf8("La scheda corrente è stata salvata in archivio.");
    }
    QString fileName() const override { return ScheduleRecord::fileNameForYear(2024); }
    const RecordLayout &layout() const override { return ScheduleRecord::layout(); }
    int noteField() const override { return ScheduleRecord::Note; }

    ScheduleFixture f;
};

std::unique_ptr<Card> cardNamed(const QByteArray &name)
{
    if (name == "dog card")
        return std::make_unique<DogCard>();
    if (name == "owner card")
        return std::make_unique<OwnerCard>();
    return std::make_unique<ScheduleCard>();
}

const char *const cards[] = { "dog card", "owner card", "schedule" };

} // namespace

class tst_CardController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shownRecordIsTheUnchangedState_data()
    {
        QTest::addColumn<QByteArray>("card");
        for (const char *card : cards)
            QTest::newRow(card) << QByteArray(card);
    }
    // A record shown from outside (a search, a list) replaces whatever was
    // typed and becomes the state the card is compared with: leaving asks
    // nothing until the user types again.
    void shownRecordIsTheUnchangedState()
    {
        QFETCH(QByteArray, card);
        const std::unique_ptr<Card> shown = cardNamed(card);
        QTest::keyClicks(shown->note(), QStringLiteral("scritto a mano"));

        shown->showFromOutside(QStringLiteral("due"), 2);
        QCOMPARE(shown->window()->position(), QStringLiteral("2"));
        QCOMPARE(shown->positionLabel()->text(), QStringLiteral("2"));
        QCOMPARE(shown->note()->text(), QStringLiteral("due"));
        QVERIFY(shown->window()->mayLeaveCard());
        QVERIFY(shown->doubles().messages.shown.isEmpty());

        QTest::keyClicks(shown->note(), QStringLiteral(" e altro"));
        shown->doubles().messages.answerNextQuestions({ Answer::Cancel });
        QVERIFY(!shown->window()->mayLeaveCard());
        QCOMPARE(shown->doubles().messages.takeOnly().text, UnsavedChanges::question());
    }

    void newCardIsAppendedAndStaysThere_data()
    {
        QTest::addColumn<QByteArray>("card");
        QTest::addColumn<bool>("labelsWritten");
        QTest::addColumn<bool>("appendedElsewhere");
        for (const char *card : cards) {
            QTest::addRow("%s", card) << QByteArray(card) << false << false;
            QTest::addRow("%s, labels written", card) << QByteArray(card) << true << false;
            QTest::addRow("%s, a record added elsewhere", card) << QByteArray(card) << false << true;
        }
    }
    // A new card has no position and is appended by Save, whatever its labels
    // say: they only show the window's state (the position, and the
    // schedule's year file). From then on it stands at the record written,
    // counted when saving, and a second Save replaces that record.
    void newCardIsAppendedAndStaysThere()
    {
        QFETCH(QByteArray, card);
        QFETCH(bool, labelsWritten);
        QFETCH(bool, appendedElsewhere);
        const std::unique_ptr<Card> shown = cardNamed(card);
        QCOMPARE(shown->window()->position(), QString());
        QCOMPARE(shown->positionLabel()->text(), QString());
        shown->fillRequired();
        QTest::keyClicks(shown->note(), QStringLiteral("nuova"));
        if (labelsWritten) {
            shown->positionLabel()->setText(QStringLiteral("1"));
            if (auto *yearFile = shown->window()->findChild<QLabel *>(QStringLiteral("lblFile")))
                yearFile->setText(shown->fixture().path(QStringLiteral("2030.sca")));
        }
        if (appendedElsewhere)
            shown->appendElsewhere();
        const QByteArray before = shown->file();
        const QString expected = QString::number(shown->records() + 1);

        shown->press("cmdSalva");
        QCOMPARE(shown->doubles().messages.takeOnly().text, shown->appendedMessage());
        QCOMPARE(shown->window()->position(), expected);
        QCOMPARE(shown->positionLabel()->text(), expected);
        QCOMPARE(shown->file().first(before.size()), before);
        QCOMPARE(shown->storedNote(expected.toInt()), QStringLiteral("nuova"));
        QVERIFY(!QFileInfo::exists(shown->fixture().path(QStringLiteral("2030.sca"))));
        QVERIFY(shown->window()->mayLeaveCard()); // just saved: nothing to ask

        QTest::keyClicks(shown->note(), QStringLiteral(" bis"));
        shown->press("cmdSalva");
        QCOMPARE(shown->doubles().messages.takeOnly().text, replacedMessage);
        QCOMPARE(shown->window()->position(), expected);
        QCOMPARE(shown->file().size(), before.size() + shown->layout().recordSize());
        QCOMPARE(shown->storedNote(expected.toInt()), QStringLiteral("nuova bis"));
    }

    void newAndDuplicateForgetThePosition_data()
    {
        QTest::addColumn<QByteArray>("card");
        QTest::addColumn<QByteArray>("button");
        for (const char *card : cards) {
            QTest::addRow("%s, Nuovo", card) << QByteArray(card) << QByteArray("cmdNuovo");
            QTest::addRow("%s, Duplica", card) << QByteArray(card) << QByteArray("cmdDuplica");
        }
    }
    // New and Duplicate leave the card with no position: the arrow forward
    // then goes to the first record, and Save appends.
    void newAndDuplicateForgetThePosition()
    {
        QFETCH(QByteArray, card);
        QFETCH(QByteArray, button);
        const std::unique_ptr<Card> shown = cardNamed(card);
        shown->press("cmdUltimo");
        QCOMPARE(shown->window()->position(), QStringLiteral("2"));

        shown->press(button.constData());
        shown->doubles().messages.shown.clear(); // the duplicate's notice
        QCOMPARE(shown->window()->position(), QString());
        QCOMPARE(shown->positionLabel()->text(), QString());
        shown->doubles().messages.answerNextQuestions({ Answer::No });
        shown->press("cmdAvanti");
        QCOMPARE(shown->window()->position(), QStringLiteral("1"));
        QCOMPARE(shown->note()->text(), QStringLiteral("uno"));
    }
};

ZAMPORA_GUI_TEST_MAIN(tst_CardController)
#include "tst_cardcontroller.moc"
