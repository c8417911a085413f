// The owners to recontact: which owners are listed and how, finding in the
// list, and the double click that loads an owner into the owner card.
#include "AppFixture.h"
#include "RecordBytes.h"

#include "owners/frmRicontatta.h"
#include "search/ResultLines.h"
#include "storage/Flags.h"
#include "storage/OwnerRecord.h"
#include "storage/Record.h"
#include "ui/LineList.h"

#include <QDir>
#include <QLineEdit>

#include <map>

namespace {

using Values = FieldValues;

Values owner(const QString &name, const QString &recontact, const QString &note = QString())
{
    return { { OwnerRecord::Cliente, name }, { OwnerRecord::Ricontatta, recontact },
        { OwnerRecord::Questioni, QStringLiteral("Saldo") }, { OwnerRecord::Note, note } };
}

QByteArray ownersFile(const QList<Values> &owners)
{
    QByteArray bytes;
    for (const Values &values : owners)
        bytes += recordBytes(OwnerRecord::layout(), values);
    return bytes;
}

struct Loaded
{
    QString note;
    qint64 position;
    bool operator==(const Loaded &) const = default;
};

} // namespace

class tst_FrmRicontatta : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_context = std::make_unique<TestContext>();
        m_card = std::make_unique<QWidget>();
        m_loaded.clear();
    }
    void cleanup()
    {
        m_window.reset();
        m_card.reset();
        m_context.reset();
    }

    // Only "Sì" counts (an empty or foreign value does not); lines sorted.
    void listsMarkedOwnersSorted()
    {
        const QString yes = FlagText::yes();
        m_context->writeFile(OwnerRecord::fileName,
            ownersFile({ owner(QStringLiteral("Verdi Luca"), yes), owner(QStringLiteral("Neri Ada"), FlagText::no()),
                owner(QStringLiteral("bianchi Anna"), yes), owner(QStringLiteral("Rossi Ugo"), QString()),
                owner(QStringLiteral("Gialli Eva"), QStringLiteral("Si")) }));
        openWindow();
        QCOMPARE(m_window->windowTitle(), QStringLiteral(" Riepilogo proprietari da ricontattare"));
        QCOMPARE(m_window->size(), QSize(862, 560));
        const QStringList lines = child<LineList>(m_window.get(), "lstRecords")->lines();
        QCOMPARE(lines.size(), 2);
        QVERIFY(lines[0].startsWith(QStringLiteral("bianchi Anna  ")));
        QVERIFY(lines[1].startsWith(QStringLiteral("Verdi Luca  ")));
        QVERIFY(lines[0].endsWith(QStringLiteral("  Saldo")));
        QCOMPARE(QApplication::focusWidget(), child(m_window.get(), "txtTrova"));
    }

    // No archive yet: created empty, nothing listed, and Trova says so.
    void emptyListAnswersTrova()
    {
        openWindow();
        QVERIFY(QFile::exists(m_context->path(OwnerRecord::fileName)));
        QTest::keyClicks(child<QLineEdit>(m_window.get(), "txtTrova"), QStringLiteral("rossi"));
        click(child(m_window.get(), "btnTrova"));
        QCOMPARE(m_context->doubles.messages.takeOnly(),
            (RecordingMessageBoxes::Shown { MessageBoxes::Kind::Notice,
                QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.") }));
    }

    // The archive cannot be read: an empty list, without a word.
    void unreadableArchiveIsNotReported()
    {
        QVERIFY(QDir(m_context->path(QString())).mkdir(OwnerRecord::fileName));
        openWindow();
        QVERIFY(child<LineList>(m_window.get(), "lstRecords")->lines().isEmpty());
        QVERIFY(m_context->doubles.messages.shown.isEmpty());
    }

    // Marked owners whose lines read the same cannot be told apart: all of
    // them are loaded in file order, so the card keeps the later one; an
    // unmarked owner with the same line is not on the list and is never loaded.
    void doubleClickLoadsTheListedOwnersWithThatLine()
    {
        const QString yes = FlagText::yes();
        m_context->writeFile(OwnerRecord::fileName,
            ownersFile({ owner(QStringLiteral("Rossi Ugo"), yes, QStringLiteral("primo")),
                owner(QStringLiteral("Verdi Luca"), yes),
                owner(QStringLiteral("Rossi Ugo"), yes, QStringLiteral("terzo")),
                owner(QStringLiteral("Rossi Ugo"), FlagText::no(), QStringLiteral("quarto")) }));
        openWindow();
        auto *list = child<LineList>(m_window.get(), "lstRecords");
        const QPoint at = list->visualRect(list->model()->index(0, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(m_loaded, (QList<Loaded> { { QStringLiteral("primo"), 1 }, { QStringLiteral("terzo"), 3 } }));
        QVERIFY(!m_window->isVisible());
    }

    // A double click on the empty part of the list chooses nothing.
    void doubleClickWithNothingChosenOnlyCloses()
    {
        m_context->writeFile(OwnerRecord::fileName, ownersFile({ owner(QStringLiteral("Rossi Ugo"), FlagText::yes()) }));
        openWindow();
        auto *list = child<LineList>(m_window.get(), "lstRecords");
        const QPoint below(list->viewport()->width() / 2, list->viewport()->height() - 4);
        QVERIFY(!list->indexAt(below).isValid());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, below);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, below);
        QVERIFY(m_loaded.isEmpty());
        QVERIFY(!m_window->isVisible());
        QVERIFY(m_context->doubles.messages.shown.isEmpty());
    }

private:
    void openWindow()
    {
        m_window = std::make_unique<frmRicontatta>(m_context->context(), m_card.get(),
            [this](const Record &record, qint64 position) {
                m_loaded.append({ record.value(OwnerRecord::Note), position });
            });
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }

    std::unique_ptr<TestContext> m_context;
    std::unique_ptr<QWidget> m_card;
    std::unique_ptr<frmRicontatta> m_window;
    QList<Loaded> m_loaded;
};

ZAMPORA_GUI_TEST_MAIN(tst_FrmRicontatta)
#include "tst_frmricontatta.moc"
