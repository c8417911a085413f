// Boxes that take only some characters: whatever way the user brings text in,
// only those arrive, and a text the program put there stays as it was.
#include "AppFixture.h"

#include "app/frmAvvio.h"
#include "checks/frmCarta.h"
#include "checks/frmPartitaIva.h"
#include "dogs/frmCostiCane.h"
#include "owners/frmClienti.h"
#include "schedule/frmScadenzario.h"
#include "ui/AllowedCharacters.h"

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;
using Keys = AllowedCharacters::Keys;

namespace {

// The Paste of a box's menu, as the box's own menu captions it.
QAction *pasteAction(const QMenu &menu)
{
    for (QAction *action : menu.actions()) {
        if (action->text().startsWith(QLineEdit::tr("&Paste")))
            return action;
    }
    return nullptr;
}

enum class Way { Typed, CtrlV, ShiftInsert, Menu, Drop, InputMethod };

// The line edit that holds the text: a box's own, or its drop-down box's.
QLineEdit *lineOf(QWidget *box)
{
    auto *dropDown = qobject_cast<QComboBox *>(box);
    return dropDown ? dropDown->lineEdit() : static_cast<QLineEdit *>(box);
}

/// Paste from the menu the box opens on a right click, if it offers Paste.
void pasteFromMenu(QWidget *box)
{
    QLineEdit *line = lineOf(box);
    const QPoint at = line->rect().center();
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, line->mapToGlobal(at));
    QApplication::sendEvent(line, &request); // a drop-down box takes it over from its line edit
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (!menu)
        return;
    QAction *paste = pasteAction(*menu);
    if (paste && paste->isEnabled())
        paste->trigger();
    menu->close();
}

/// Drops text at the end of the box's text, as a drag from another program would.
void drop(QWidget *box, const QString &text)
{
    QLineEdit *line = lineOf(box);
    if (!line->acceptDrops())
        return;
    QMimeData data;
    data.setText(text);
    const QPoint at(line->width() - 2, line->height() / 2);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(line, &enter);
    if (!enter.isAccepted())
        return;
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(line, &dropped);
}

void bringIn(QWidget *box, Way way, const QString &text)
{
    box->setFocus();
    QGuiApplication::clipboard()->setText(text);
    switch (way) {
    case Way::Typed:
        QTest::keyClicks(box, text);
        break;
    case Way::CtrlV:
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        break;
    case Way::ShiftInsert:
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        break;
    case Way::Menu:
        pasteFromMenu(box);
        break;
    case Way::Drop:
        drop(box, text);
        break;
    case Way::InputMethod: {
        QInputMethodEvent input;
        input.setCommitString(text);
        QApplication::sendEvent(box, &input);
        break;
    }
    }
}

// A window holding a box of the program: the fixture that opened it, the
// window when it is made for the occasion, and the box.
struct OpenBox
{
    std::unique_ptr<AppFixture> app; // for an archive window
    std::unique_ptr<TestContext> context; // for a window of its own
    std::unique_ptr<QWidget> window;
    QWidget *box = nullptr;
};

OpenBox openBox(const QString &where, const char *name)
{
    OpenBox open;
    if (where == u"frmClienti" || where.startsWith(u"frmScadenzario")) {
        auto app = std::make_unique<AppFixture>();
        QWidget *window = &app->app().owners();
        if (where == u"frmClienti") {
            app->openFromMenu("btnProprietari", window);
        } else {
            window = &app->app().schedule();
            app->openFromMenu("btnScadenze", window);
            if (where.endsWith(u"card")) {
                child<QLineEdit>(window, "txtAnno")->setText(u"2025"_s);
                click(child(window, "btnApri"));
            }
        }
        open.box = child(window, name);
        open.app = std::move(app);
        return open;
    }
    open.context = std::make_unique<TestContext>();
    AppContext &context = open.context->context();
    if (where == u"frmCarta")
        open.window = std::make_unique<frmCarta>(context, nullptr, QString());
    else if (where == u"frmPartitaIva")
        open.window = std::make_unique<frmPartitaIva>(context, nullptr, QString());
    else
        open.window = std::make_unique<frmCostiCane>(
            context, nullptr, frmCostiCane::Dog { u"Birba"_s, u"Pastore"_s, u"5"_s });
    open.window->show();
    if (where == u"frmCostiCane")
        click(child(open.window.get(), "btnAggiungi"));
    open.box = child(open.window.get(), name);
    return open;
}

} // namespace

Q_DECLARE_METATYPE(Way)
Q_DECLARE_METATYPE(Keys)

class tst_AllowedCharacters : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(m_window.get());
        layout->addWidget(m_box = new QLineEdit);
        layout->addWidget(m_dropDown = new QComboBox);
        layout->addWidget(new QLineEdit);
        m_dropDown->setEditable(true);
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void waysIn_data()
    {
        QTest::addColumn<Way>("way");
        QTest::addColumn<QString>("allowed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        const QString digits = AllowedCharacters::digits.toString();
        const QString amount = AllowedCharacters::amount.toString();
        const std::pair<const char *, Way> ways[]
            = { { "typed", Way::Typed }, { "Ctrl+V", Way::CtrlV }, { "Shift+Insert", Way::ShiftInsert },
                  { "menu", Way::Menu }, { "drop", Way::Drop }, { "input method", Way::InputMethod } };
        for (const auto &[name, way] : ways) {
            QTest::addRow("%s: digits", name) << way << digits << u"1234 5678-90"_s << u"1234567890"_s;
            QTest::addRow("%s: amount", name) << way << amount << u"1.234,50 EUR"_s << u"1234,50"_s;
            QTest::addRow("%s: nothing allowed", name) << way << digits << u"dieci"_s << QString();
        }
    }

    // The program's own text (letters from a file) stays; what the user
    // brings in arrives without the characters the box does not take.
    void waysIn()
    {
        QFETCH(Way, way);
        QFETCH(QString, allowed);
        QFETCH(QString, text);
        QFETCH(QString, shown);
        AllowedCharacters::install(m_box, allowed);
        m_box->setText(u"IT"_s);
        QCOMPARE(m_box->text(), u"IT"_s);
        bringIn(m_box, way, text);
        QCOMPARE(m_box->text(), u"IT"_s + shown);
    }

    // Text with nothing the box takes changes nothing, a selection included:
    // the menu's Paste is not even offered and a drop is refused.
    void nothingAllowed_keepsTheSelection()
    {
        AllowedCharacters::install(m_box, AllowedCharacters::digits);
        m_box->setText(u"123"_s);
        m_box->selectAll();
        QGuiApplication::clipboard()->setText(u"abc"_s);
        QTest::keyClick(m_box, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_box->selectedText(), u"123"_s);

        const QPoint at = m_box->rect().center();
        QContextMenuEvent request(QContextMenuEvent::Mouse, at, m_box->mapToGlobal(at));
        QApplication::sendEvent(m_box, &request);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QVERIFY(pasteAction(*menu));
        QVERIFY(!pasteAction(*menu)->isEnabled());
        menu->close();

        QMimeData data;
        data.setText(u"abc"_s);
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_box, &enter);
        QVERIFY(!enter.isAccepted());
        QCOMPARE(m_box->text(), u"123"_s);
    }

    void keys_data()
    {
        QTest::addColumn<Keys>("keys");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("reachesTheBox");
        QTest::newRow("Backspace edits") << Keys::EditingAndTab << int(Qt::Key_Backspace) << true;
        QTest::newRow("Left edits") << Keys::EditingAndTab << int(Qt::Key_Left) << true;
        QTest::newRow("Home discarded") << Keys::EditingAndTab << int(Qt::Key_Home) << false;
        QTest::newRow("Tab moves on") << Keys::EditingAndTab << int(Qt::Key_Tab) << true;
        QTest::newRow("Tab swallowed") << Keys::EditingOnly << int(Qt::Key_Tab) << false;
        QTest::newRow("Backspace with Tab swallowed") << Keys::EditingOnly << int(Qt::Key_Backspace) << true;
    }

    // The keys that type nothing: editing keys work, the others are discarded.
    void keys()
    {
        QFETCH(Keys, keys);
        QFETCH(int, key);
        QFETCH(bool, reachesTheBox);
        AllowedCharacters::install(m_box, AllowedCharacters::digits, keys);
        m_box->setText(u"123"_s);
        m_box->setFocus();
        m_box->setCursorPosition(1);
        const QString before = m_box->text();
        const int cursorBefore = m_box->cursorPosition();
        QTest::keyClick(m_box, Qt::Key(key));
        const bool reached
            = !m_box->hasFocus() || m_box->text() != before || m_box->cursorPosition() != cursorBefore;
        QCOMPARE(reached, reachesTheBox);
    }

    // A drop-down box whose value is chosen from its list: it leaves its keys
    // to its class, and takes nothing by paste, drop or input method.
    void dropDownTakesNothing_data()
    {
        QTest::addColumn<Way>("way");
        QTest::newRow("menu") << Way::Menu;
        QTest::newRow("drop") << Way::Drop;
        QTest::newRow("input method") << Way::InputMethod;
    }

    void dropDownTakesNothing()
    {
        QFETCH(Way, way);
        AllowedCharacters::install(m_dropDown->lineEdit(), {}, Keys::OwnedByTheBox);
        m_dropDown->setEditText(u"07"_s);
        bringIn(m_dropDown, way, u"12"_s);
        QCOMPARE(m_dropDown->currentText(), u"07"_s);
        QTest::keyClick(m_dropDown, Qt::Key_Backspace); // the drop-down box's own key
        QCOMPARE(m_dropDown->currentText(), u"0"_s);
    }

    void everyFilteredBox_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<Way>("way");
        QTest::addColumn<QString>("shown");
        const std::array<const char *, 4> boxes[] = {
            { "frmClienti", "txtCarta", "1234", "card number" },
            { "frmClienti", "txtPartitaIva", "1234", "VAT number" },
            { "frmCarta", "txtNumero", "1234", "card check" },
            { "frmPartitaIva", "txtPartitaIva", "1234", "VAT check" },
            { "frmScadenzario", "txtAnno", "1234", "year" },
            { "frmScadenzario card", "txtAvviso", "123", "days of notice" },
            { "frmScadenzario card", "txtCosto", "12,34", "schedule amount" },
            { "frmScadenzario card", "txtGiorno", "", "day" },
            { "frmScadenzario card", "txtOreApp", "", "hour" },
            { "frmCostiCane", "txtImporto", "12,34", "cost amount" },
        };
        const std::pair<const char *, Way> ways[]
            = { { "Ctrl+V", Way::CtrlV }, { "menu", Way::Menu }, { "drop", Way::Drop } };
        for (const auto &[window, box, shown, name] : boxes) {
            for (const auto &[wayName, way] : ways) {
                QTest::addRow("%s, %s", name, wayName)
                    << QString::fromLatin1(window) << QString::fromLatin1(box) << way
                    << QString::fromLatin1(shown);
            }
        }
    }

    // Every box of the program that filters its keys filters a paste and a
    // drop the same way.
    void everyFilteredBox()
    {
        QFETCH(QString, window);
        QFETCH(QString, box);
        QFETCH(Way, way);
        QFETCH(QString, shown);
        m_window.reset();
        OpenBox open = openBox(window, qPrintable(box));
        lineOf(open.box)->clear();
        bringIn(open.box, way, u"1a2,3 4x"_s);
        QCOMPARE(lineOf(open.box)->text(), shown);
    }

private:
    std::unique_ptr<QWidget> m_window;
    QLineEdit *m_box = nullptr;
    QComboBox *m_dropDown = nullptr;
};

ZAMPORA_GUI_TEST_MAIN(tst_AllowedCharacters)
#include "tst_allowedcharacters.moc"
