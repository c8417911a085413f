// A card changed since it was shown or saved is not replaced or closed
// without the question "save the changes?": Yes saves as the card's Save
// does and goes on, No goes on, Cancel stays. The four cards (dogs, owners,
// schedule entries, costs), the searches and lists that load a record into
// a card, and the dog's photo as one of its values.
#include "../dogs/tst_frmcani_fixture.h"
#include "../owners/tst_frmclienti_fixture.h"
#include "../schedule/tst_frmscadenzario_fixture.h"

#include "dogs/frmCostiCane.h"
#include "owners/frmRicontatta.h"
#include "storage/CostRecord.h"
#include "ui/LineList.h"
#include "ui/UnsavedChanges.h"

#include <QListView>

#include <memory>

using Answer = MessageBoxes::Answer;

namespace {

const QString oldRemark = QStringLiteral("vecchia");
const QString newRemark = QStringLiteral("vecchia nuova");
const QString replacedMessage
    = QString::fromUtf8("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");

Shown theQuestion()
{
    return { Kind::CancellableQuestion, UnsavedChanges::question() };
}

void doubleClickFirstLine(LineList *list)
{
    const QPoint at = list->visualRect(list->model()->index(0, 0)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

// One of the four cards showing the first of two stored records, whose
// remark (the notes, or a cost's reason) reads "vecchia"; driven alike.
class Card
{
public:
    virtual ~Card() = default;
    virtual PlatformDoubles &doubles() = 0;
    virtual QLineEdit *remark() = 0;
    /// The card's action that replaces or closes it.
    virtual void leave() = 0;
    /// True once that action has happened.
    virtual bool left() = 0;
    /// The remark stored in the first record.
    virtual QString storedRemark() = 0;
};

// Leaves by the next arrow.
class DogCard : public Card
{
public:
    DogCard()
    {
        DogValues first = DogCardFixture::head(QStringLiteral("Uno"));
        first[DogRecord::Note] = oldRemark;
        f.writeFile(DogRecord::fileName,
            DogCardFixture::dogRecord(first)
                + DogCardFixture::dogRecord(DogCardFixture::head(QStringLiteral("Due"))));
        click(child(f.card(), "cmdPrimo"));
    }
    PlatformDoubles &doubles() override { return f.doubles; }
    QLineEdit *remark() override { return f.box("txtNote"); }
    void leave() override { click(child(f.card(), "cmdAvanti")); }
    bool left() override { return f.card()->position() == QStringLiteral("2"); }
    QString storedRemark() override { return f.fieldAt(1, DogRecord::Note); }

    DogCardFixture f;
};

// Leaves by New.
class OwnerCard : public Card
{
public:
    OwnerCard()
    {
        f.writeFile(OwnerRecord::fileName,
            OwnerCardFixture::owner(QStringLiteral("Uno"), { { OwnerRecord::Note, oldRemark } })
                + OwnerCardFixture::owner(QStringLiteral("Due")));
        f.goTo(1);
    }
    PlatformDoubles &doubles() override { return f.doubles; }
    QLineEdit *remark() override { return f.box("txtNote"); }
    void leave() override { click(child(f.card(), "cmdNuovo")); }
    bool left() override { return f.card()->position().isEmpty() && f.box("txtCliente")->text().isEmpty(); }
    QString storedRemark() override { return f.fieldAt(1, OwnerRecord::Note); }

    OwnerCardFixture f;
};

// Leaves by closing the window ("Esci").
class ScheduleCard : public Card
{
public:
    ScheduleCard()
        : f([](ScheduleFixture &s) {
            s.writeYear(2024, { entry(oldRemark), entry(QString()) });
        })
    {
        f.openYear(QStringLiteral("2024"));
        click(child(f.window(), "cmdPrimo"));
    }
    static QByteArray entry(const QString &note)
    {
        using namespace ScheduleRecord;
        return ScheduleFixture::entry({ { Giorno, QStringLiteral("05") }, { Mese, QStringLiteral("Marzo") },
            { Anno, QStringLiteral("2024") }, { Data, QStringLiteral("05/03/2024") },
            { OreApp, QStringLiteral("09") }, { MinutiApp, QStringLiteral("30") },
            { Ora, QStringLiteral("09:30") }, { Avviso, QStringLiteral("3") },
            { Proprietario, QStringLiteral("Anna Bianchi") }, { Nome, QStringLiteral("Fido") },
            { Dettagli, QStringLiteral("Richiamo vaccino") }, { Costo, QStringLiteral("0,00") },
            { Note, note } });
    }
    PlatformDoubles &doubles() override { return f.doubles; }
    QLineEdit *remark() override { return f.box("txtNote"); }
    void leave() override { click(child(f.window(), "cmdEsci")); }
    bool left() override { return !f.window()->isVisible() && f.app().mainMenu().isVisible(); }
    QString storedRemark() override
    {
        return fieldAt(f.yearFile(2024), ScheduleRecord::layout(), 1, ScheduleRecord::Note);
    }

    ScheduleFixture f;
};

// The first cost of the dog at position 5 in the entry view; leaves by "Chiudi".
class CostCard : public Card
{
public:
    CostCard()
    {
        f.writeFile(costFile, cost(oldRemark) + cost(QStringLiteral("Toelettatura")));
        window = std::make_unique<frmCostiCane>(f.context(), nullptr,
            frmCostiCane::Dog { QStringLiteral("Birba"), QStringLiteral("Pastore"), QStringLiteral("5") });
        window->show();
        if (!QTest::qWaitForWindowActive(window.get()))
            QTest::qFail("the costs window did not become active", __FILE__, __LINE__);
        auto *list = child<QListView>(window.get(), "lstRecords");
        QTest::mouseClick(
            list->viewport(), Qt::LeftButton, {}, list->visualRect(list->model()->index(0, 0)).center());
        click(child(window.get(), "btnModifica"));
    }
    static QByteArray cost(const QString &reason)
    {
        return recordBytes(CostRecord::layout(),
            { { CostRecord::Data, QStringLiteral("01/03/2024") }, { CostRecord::Causale, reason },
                { CostRecord::Pagatore, QStringLiteral("Anna") },
                { CostRecord::Beneficiario, QStringLiteral("Dr. Neri") },
                { CostRecord::Importo, QStringLiteral("10,00") } });
    }
    PlatformDoubles &doubles() override { return f.doubles; }
    QLineEdit *remark() override { return child<QLineEdit>(window.get(), "txtCausale"); }
    void leave() override { click(child(window.get(), "cmdClose")); }
    bool left() override { return !window->isVisible(); }
    QString storedRemark() override
    {
        return fieldAt(f.readFile(costFile), CostRecord::layout(), 1, CostRecord::Causale);
    }

    const QString costFile = CostRecord::fileNameForDog(5);
    TestContext f;
    std::unique_ptr<frmCostiCane> window;
};

std::unique_ptr<Card> cardNamed(const QString &name)
{
    if (name == QLatin1String("dog card"))
        return std::make_unique<DogCard>();
    if (name == QLatin1String("owner card"))
        return std::make_unique<OwnerCard>();
    if (name == QLatin1String("schedule"))
        return std::make_unique<ScheduleCard>();
    return std::make_unique<CostCard>();
}

} // namespace

class tst_UnsavedChanges : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void leavingTheCard_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<Answer>("answer");
        for (const char *card : { "dog card", "owner card", "schedule", "costs" }) {
            QTest::addRow("%s, Sì", card) << QString::fromLatin1(card) << true << Answer::Yes;
            QTest::addRow("%s, No", card) << QString::fromLatin1(card) << true << Answer::No;
            QTest::addRow("%s, Annulla", card) << QString::fromLatin1(card) << true << Answer::Cancel;
            QTest::addRow("%s, unchanged", card) << QString::fromLatin1(card) << false << Answer::No;
        }
    }
    // Each card's own way of leaving it (next arrow, New, Esci, Chiudi): a
    // changed card asks once; Yes saves with the usual confirmation and goes
    // on, No goes on without saving, Cancel stays with the typing in place.
    // An unchanged card asks nothing and goes on.
    void leavingTheCard()
    {
        QFETCH(QString, card);
        QFETCH(bool, changed);
        QFETCH(Answer, answer);
        const std::unique_ptr<Card> shown = cardNamed(card);
        QCOMPARE(shown->remark()->text(), oldRemark);
        if (changed) {
            shown->remark()->end(false);
            QTest::keyClicks(shown->remark(), QStringLiteral(" nuova"));
            shown->doubles().messages.answerNextQuestions({ answer });
        }

        shown->leave();
        QList<Shown> expected;
        if (changed)
            expected.append(theQuestion());
        if (changed && answer == Answer::Yes)
            expected.append({ Kind::Information, replacedMessage });
        QCOMPARE(shown->doubles().messages.shown, expected);
        QCOMPARE(shown->left(), !changed || answer != Answer::Cancel);
        QCOMPARE(shown->storedRemark(), changed && answer == Answer::Yes ? newRemark : oldRemark);
        if (changed && answer == Answer::Cancel)
            QCOMPARE(shown->remark()->text(), newRemark);
    }

    void yesWithAFailedCheckStays_data()
    {
        QTest::addColumn<QByteArray>("action");
        QTest::newRow("next arrow") << QByteArray("cmdAvanti");
        QTest::newRow("Esci") << QByteArray("cmdEsci");
    }
    // Yes runs Save with its checks: a new card without its sex shows that
    // warning, is not stored, keeps its typing and stays on screen.
    void yesWithAFailedCheckStays()
    {
        QFETCH(QByteArray, action);
        DogCardFixture f;
        f.writeArchive({ QStringLiteral("Uno") });
        QTest::keyClicks(f.box("txtNome"), QStringLiteral("Rex"));
        f.doubles.messages.answerNextQuestions({ Answer::Yes });

        click(child(f.card(), action.constData()));
        QCOMPARE(f.doubles.messages.shown,
            (QList<Shown> { theQuestion(),
                { Kind::Warning,
                    QString::fromUtf8(
                        "Attenzione: per salvare la scheda è necessario indicare il sesso del cane.") } }));
        QVERIFY(f.card()->isVisible());
        QCOMPARE(f.card()->position(), QString());
        QCOMPARE(f.box("txtNome")->text(), QStringLiteral("Rex"));
        QCOMPARE(AppFixture::focused(), QStringLiteral("txtSesso"));
        QCOMPARE(f.archive().size(), DogRecord::layout().recordSize());
    }

    void photoIsAValueOfTheDogCard_data()
    {
        QTest::addColumn<bool>("albumPhoto");
        QTest::addColumn<QByteArrayList>("presses");
        QTest::addColumn<bool>("asks");
        QTest::newRow("photo loaded") << false << QByteArrayList { "btnCaricaFoto" } << true;
        QTest::newRow("album photo removed") << true << QByteArrayList { "btnCancFoto" } << true;
        QTest::newRow("loaded, then removed")
            << false << QByteArrayList { "btnCaricaFoto", "btnCancFoto" } << false;
    }
    // Loading or removing a photo changes the card; a photo loaded and
    // removed again leaves the card as it was shown.
    void photoIsAValueOfTheDogCard()
    {
        QFETCH(bool, albumPhoto);
        QFETCH(QByteArrayList, presses);
        QFETCH(bool, asks);
        DogCardFixture f;
        f.writeArchive({ QStringLiteral("Uno"), QStringLiteral("Due") });
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        QDir().mkpath(f.path(QStringLiteral("Album")));
        QVERIFY(picture.save(
            f.path(albumPhoto ? QStringLiteral("Album/Cane_1.jpg") : QStringLiteral("scelta.jpg"))));
        click(child(f.card(), "cmdPrimo"));
        for (const QByteArray &press : presses) {
            if (press == "btnCaricaFoto")
                f.doubles.fileDialogs.answers.enqueue(f.path(QStringLiteral("scelta.jpg")));
            click(child(f.card(), press.constData()));
        }
        f.doubles.messages.answerNextQuestions({ Answer::Cancel });

        click(child(f.card(), "cmdAvanti"));
        QCOMPARE(f.doubles.messages.shown, asks ? QList<Shown> { theQuestion() } : QList<Shown> {});
        QCOMPARE(f.card()->position(), asks ? QStringLiteral("1") : QStringLiteral("2"));
    }

    void searchChoiceAsksFirst_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::newRow("Sì") << Answer::Yes;
        QTest::newRow("No") << Answer::No;
        QTest::newRow("Annulla") << Answer::Cancel;
    }
    // A dog chosen in the search replaces a changed card only after the
    // question; Cancel leaves the card as it is and the search open on its
    // list, for another choice or Chiudi.
    void searchChoiceAsksFirst()
    {
        QFETCH(Answer, answer);
        DogCard card;
        card.remark()->end(false);
        QTest::keyClicks(card.remark(), QStringLiteral(" nuova"));
        card.doubles().messages.answerNextQuestions({ answer });
        bool stayedOpen = false;
        whenModalShown([&stayedOpen](QWidget *search) {
            QTest::keyClicks(child<QLineEdit>(search, "txtNome"), QStringLiteral("Due"));
            click(child(search, "btnCerca"));
            doubleClickFirstLine(child<LineList>(search, "lstRecords"));
            stayedOpen = search->isVisible();
            search->close();
        });
        click(child(card.f.card(), "cmdTrova"));
        QList<Shown> expected { theQuestion() };
        if (answer == Answer::Yes)
            expected.append({ Kind::Information, replacedMessage });
        QCOMPARE(card.doubles().messages.shown, expected);
        QCOMPARE(stayedOpen, answer == Answer::Cancel);
        QCOMPARE(
            card.f.card()->position(), answer == Answer::Cancel ? QStringLiteral("1") : QStringLiteral("2"));
        QCOMPARE(card.storedRemark(), answer == Answer::Yes ? newRemark : oldRemark);
    }

    // An owner's data imported into a few boxes of a changed dog card is an
    // edit like typing: no question.
    void importIntoAChangedCardAsksNothing()
    {
        DogCard card;
        QTest::keyClicks(card.remark(), QStringLiteral(" nuova"));
        card.f.writeFile(OwnerRecord::fileName, OwnerCardFixture::owner(QStringLiteral("Bianchi Anna")));
        bool stayedOpen = true;
        whenModalShown([&stayedOpen](QWidget *search) {
            click(child(search, "btnCerca"));
            doubleClickFirstLine(child<LineList>(search, "lstRecords"));
            stayedOpen = search->isVisible();
            search->close();
        });
        click(child(card.f.card(), "btnCarta"));
        QVERIFY(card.doubles().messages.shown.isEmpty());
        QVERIFY(!stayedOpen);
        QCOMPARE(card.f.box("txtProprietario")->text(), QStringLiteral("Bianchi Anna"));
        QCOMPARE(card.f.card()->position(), QStringLiteral("1"));
    }

    // The lists that load a record (here the owners to recontact) ask as the
    // searches do: Cancel keeps list and card, No loads the chosen owner.
    void listChoiceAsksFirst()
    {
        OwnerCard card;
        card.f.writeFile(OwnerRecord::fileName,
            OwnerCardFixture::owner(QStringLiteral("Uno"), { { OwnerRecord::Note, oldRemark } })
                + OwnerCardFixture::owner(
                    QStringLiteral("Due"), { { OwnerRecord::Ricontatta, QString::fromUtf8("Sì") } }));
        QTest::keyClicks(card.remark(), QStringLiteral(" nuova"));
        frmClienti *owners = card.f.card();
        frmRicontatta list(card.f.context(), owners,
            [owners](const Record &owner, qint64 position) { owners->showRecord(owner, position); });
        list.show();
        auto *lines = child<LineList>(&list, "lstRecords");
        card.doubles().messages.answerNextQuestions({ Answer::Cancel, Answer::No });

        doubleClickFirstLine(lines);
        QCOMPARE(card.doubles().messages.takeOnly(), theQuestion());
        QVERIFY(list.isVisible());
        QCOMPARE(owners->position(), QStringLiteral("1"));

        doubleClickFirstLine(lines);
        QCOMPARE(card.doubles().messages.takeOnly(), theQuestion());
        QVERIFY(!list.isVisible());
        QCOMPARE(owners->position(), QStringLiteral("2"));
    }
};

ZAMPORA_GUI_TEST_MAIN(tst_UnsavedChanges)
#include "tst_unsavedchanges.moc"
