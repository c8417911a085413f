#include "ui/AllowedCharacters.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

namespace {

// The Paste of a line edit's standard menu: named only in newer toolkits, so
// also found by its caption, which the line edit translates as it does here.
QAction *pasteAction(const QMenu &menu)
{
    const QString caption = QLineEdit::tr("&Paste");
    for (QAction *action : menu.actions()) {
        if (action->objectName() == u"edit-paste" || action->text().section(u'\t', 0, 0) == caption)
            return action;
    }
    return nullptr;
}

} // namespace

void AllowedCharacters::install(QLineEdit *box, QStringView allowed, Keys keys)
{
    auto *filter = new AllowedCharacters(box, allowed, keys);
    box->installEventFilter(filter);
    // A drop-down box hands its context menu and an input method's text to
    // its line edit directly, past the line edit's own filters.
    auto *dropDown = qobject_cast<QComboBox *>(box->parentWidget());
    if (dropDown && dropDown->lineEdit() == box)
        dropDown->installEventFilter(filter);
}

AllowedCharacters::AllowedCharacters(QLineEdit *box, QStringView allowed, Keys keys)
    : QObject(box)
    , m_box(box)
    , m_allowed(allowed.toString())
    , m_keys(keys)
{
}

QString AllowedCharacters::kept(const QString &text) const
{
    QString allowed;
    allowed.reserve(text.size());
    for (const QChar c : text) {
        if (m_allowed.contains(c))
            allowed.append(c);
    }
    return allowed;
}

void AllowedCharacters::insert(const QString &text)
{
    const QString allowed = kept(text);
    if (!allowed.isEmpty() && !m_box->isReadOnly())
        m_box->insert(allowed);
}

bool AllowedCharacters::eventFilter(QObject *watched, QEvent *event)
{
    if (m_forwarding) // the filtered copy of an event, on its way to the box
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        return watched == m_box && m_keys != Keys::OwnedByTheBox
            && filterKey(*static_cast<QKeyEvent *>(event));
    case QEvent::ContextMenu:
        if (static_cast<QWidget *>(watched)->contextMenuPolicy() != Qt::DefaultContextMenu)
            return false;
        showContextMenu(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // Text with nothing the box takes is refused before it is dropped.
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (watched != m_box || !drag->mimeData()->hasText() || !kept(drag->mimeData()->text()).isEmpty())
            return false;
        drag->ignore();
        return true;
    }
    case QEvent::Drop:
        return watched == m_box && forwardDrop(*static_cast<QDropEvent *>(event));
    case QEvent::InputMethod:
        return forwardInputMethod(*static_cast<QInputMethodEvent *>(event));
    case QEvent::MouseButtonRelease:
        // The middle button pastes the text selected elsewhere on the desktop.
        if (watched != m_box || static_cast<QMouseEvent *>(event)->button() != Qt::MiddleButton
            || !QGuiApplication::clipboard()->supportsSelection())
            return false;
        m_box->deselect();
        insert(QGuiApplication::clipboard()->text(QClipboard::Selection));
        return true;
    default:
        return false;
    }
}

// True when the key is discarded or dealt with here.
bool AllowedCharacters::filterKey(const QKeyEvent &key)
{
    if (key.matches(QKeySequence::Paste)) {
        insert(QGuiApplication::clipboard()->text());
        return true;
    }
    switch (key.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return false;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return m_keys == Keys::EditingOnly;
    default:
        break;
    }
    const QString text = key.text();
    if (text.isEmpty() || (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return true; // Home, End, the editing shortcuts…
    if (kept(text) == text)
        return false;
    insert(text);
    return true;
}

void AllowedCharacters::showContextMenu(const QPoint &at)
{
    QMenu *menu = m_box->createStandardContextMenu();
    // The menu is the box's own, but its Paste brings in the allowed
    // characters alone, and is offered only when the clipboard holds some.
    if (QAction *paste = pasteAction(*menu)) {
        paste->disconnect(m_box);
        paste->setEnabled(!m_box->isReadOnly() && !kept(QGuiApplication::clipboard()->text()).isEmpty());
        connect(paste, &QAction::triggered, this, [this] { insert(QGuiApplication::clipboard()->text()); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(at);
}

// The box itself places dropped text where the mouse is and, for a drag from
// the box, moves rather than copies: it is handed the allowed characters alone.
bool AllowedCharacters::forwardDrop(QDropEvent &drop)
{
    const QString text = drop.mimeData()->text();
    const QString allowed = kept(text);
    if (allowed == text)
        return false;
    if (allowed.isEmpty()) {
        drop.ignore();
        return true;
    }
    QMimeData allowedData;
    allowedData.setText(allowed);
    QDropEvent forwarded(
        drop.position(), drop.possibleActions(), &allowedData, drop.buttons(), drop.modifiers());
    forwarded.setDropAction(drop.dropAction());
    m_forwarding = true;
    QCoreApplication::sendEvent(m_box, &forwarded);
    m_forwarding = false;
    drop.setDropAction(forwarded.dropAction());
    drop.setAccepted(forwarded.isAccepted());
    return true;
}

bool AllowedCharacters::forwardInputMethod(QInputMethodEvent &input)
{
    const QString allowed = kept(input.commitString());
    if (allowed == input.commitString())
        return false;
    QInputMethodEvent forwarded(input.preeditString(), input.attributes());
    forwarded.setCommitString(allowed, input.replacementStart(), input.replacementLength());
    m_forwarding = true;
    QCoreApplication::sendEvent(m_box, &forwarded);
    m_forwarding = false;
    input.setAccepted(forwarded.isAccepted());
    return true;
}
