// Find in a list: the walk of "Trova" (FindInList) and the find band that
// binds it to a list window (ListFinder).
#include "AppFixture.h"

#include "ui/ListFinder.h"

#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

namespace {

const QStringList lines = { QStringLiteral("ARGO  Pastore"), QStringLiteral("Bobi  Barbone"),
    QStringLiteral("Fido  pastore tedesco"), QStringLiteral("Zara  Setter"),
    QStringLiteral("Èrcole  PASTORE") };

} // namespace

class tst_FindInList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each step is one press of "Trova": the text typed, the row selected
    // before it, the row selected after it (-1: the selection stays).
    void walk_data()
    {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QList<int>>("selectedBefore");
        QTest::addColumn<QList<int>>("found");

        QTest::newRow("new text starts at the first line, which counts")
            << QStringList { QStringLiteral("argo") } << QList<int> { 3 } << QList<int> { 0 };
        QTest::newRow("same text walks on and wraps to the first")
            << QStringList(4, QStringLiteral("Pastore")) << QList<int> { 0, 0, 2, 4 }
            << QList<int> { 0, 2, 4, 0 };
        QTest::newRow("same text, only the selected line holds it: found again")
            << QStringList(2, QStringLiteral("zara")) << QList<int> { 0, 3 } << QList<int> { 3, 3 };
        QTest::newRow("a changed text starts again from the first")
            << QStringList { QStringLiteral("pastore"), QStringLiteral("pastore "), QStringLiteral("pastore") }
            << QList<int> { 0, 0, 2 } << QList<int> { 0, 2, 0 };
        QTest::newRow("text in no line leaves the selection")
            << QStringList { QStringLiteral("rex") } << QList<int> { 1 } << QList<int> { -1 };
        QTest::newRow("empty text is found nowhere")
            << QStringList { QString() } << QList<int> { 1 } << QList<int> { -1 };
        QTest::newRow("blanks are typed text: not trimmed")
            << QStringList { QStringLiteral(" zara") } << QList<int> { 0 } << QList<int> { -1 };
        QTest::newRow("accented letters keep their case")
            << QStringList { QStringLiteral("èrcole") } << QList<int> { 0 } << QList<int> { -1 };
        QTest::newRow("an accented capital finds itself, A to Z folded around it")
            << QStringList { QStringLiteral("ÈRCOLE  pastore") } << QList<int> { 0 } << QList<int> { 4 };
    }
    void walk()
    {
        QFETCH(QStringList, typed);
        QFETCH(QList<int>, selectedBefore);
        QFETCH(QList<int>, found);
        FindInList find;
        for (qsizetype press = 0; press < typed.size(); ++press) {
            const auto row = find.findNext(lines.size(), [](qsizetype r) { return lines[r]; },
                                           selectedBefore[press], typed[press]);
            QCOMPARE(row.value_or(-1), found[press]);
        }
    }

    void forgetStartsAgainFromTheFirstLine()
    {
        FindInList find;
        const auto lineAt = [](qsizetype r) { return lines[r]; };
        QCOMPARE(find.findNext(lines.size(), lineAt, 0, u"pastore").value_or(-1), 0);
        QCOMPARE(find.memory(), QStringLiteral("pastore"));
        find.forget();
        QCOMPARE(find.findNext(lines.size(), lineAt, 0, u"PASTORE").value_or(-1), 0);
    }

    void init()
    {
        m_context = std::make_unique<TestContext>();
        m_window = std::make_unique<QWidget>();
        m_box = new QLineEdit(m_window.get());
        m_button = new QPushButton(QStringLiteral("Trova"), m_window.get());
        m_list = new QListView(m_window.get());
        m_list->setModel(new QStringListModel(m_list));
        m_finder = new ListFinder(m_context->doubles.messages, m_box, m_button, m_list);
        m_window->show();
    }
    void cleanup()
    {
        m_window.reset();
        m_context.reset();
    }

    void emptyListSaysSoAndRemembersNothing()
    {
        QTest::keyClicks(m_box, QStringLiteral("argo"));
        click(m_button);
        QCOMPARE(m_context->doubles.messages.takeOnly(),
            (RecordingMessageBoxes::Shown { MessageBoxes::Kind::Notice,
                QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.") }));
        QCOMPARE(m_list->selectionModel()->selectedIndexes().size(), 0);
    }

    void buttonSelectsTheFirstLineThenWalks()
    {
        static_cast<QStringListModel *>(m_list->model())->setStringList(lines);
        QTest::keyClicks(m_box, QStringLiteral("nothing like it"));
        click(m_button);
        QCOMPARE(selectedRow(), 0); // none was selected: the first line is
        m_box->setText(QStringLiteral("PASTORE"));
        click(m_button);
        QCOMPARE(selectedRow(), 0);
        click(m_button);
        QCOMPARE(selectedRow(), 2);
        m_finder->reset();
        QCOMPARE(m_box->text(), QString());
        m_box->setText(QStringLiteral("PASTORE"));
        click(m_button);
        QCOMPARE(selectedRow(), 0); // forgotten: from the first line again
        QVERIFY(m_context->doubles.messages.shown.isEmpty());
    }

    void enterInTheBoxMovesToTrovaWithoutFinding()
    {
        static_cast<QStringListModel *>(m_list->model())->setStringList(lines);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_box->setFocus();
        QTest::keyClicks(m_box, QStringLiteral("zara"));
        QTest::keyClick(m_box, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), m_button);
        QCOMPARE(m_list->selectionModel()->selectedIndexes().size(), 0);
    }

private:
    int selectedRow() const
    {
        const QModelIndexList selected = m_list->selectionModel()->selectedIndexes();
        return selected.size() == 1 ? selected.first().row() : -1;
    }

    std::unique_ptr<TestContext> m_context;
    std::unique_ptr<QWidget> m_window;
    QLineEdit *m_box = nullptr;
    QPushButton *m_button = nullptr;
    QListView *m_list = nullptr;
    ListFinder *m_finder = nullptr;
};

ZAMPORA_GUI_TEST_MAIN(tst_FindInList)
#include "tst_findinlist.moc"
