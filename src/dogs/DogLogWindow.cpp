#include "dogs/DogLogWindow.h"

#include "core/DateText.h"
#include "kennel/DogLogModel.h"
#include "storage/ShortText.h"
#include "ui/Centring.h"
#include "ui/EnterKeyRing.h"
#include "ui/PictureButton.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>

DogLogWindow::DogLogWindow(AppContext &context, QWidget *card, const LoggedDog &dog, const DogLogKind &kind)
    : QDialog(card)
    , m_context(context)
    , m_dog { trimmedText(dog.name), trimmedText(dog.breed), trimmedText(dog.position),
        trimmedText(dog.birth) }
    , m_kind(kind)
{
    setObjectName(QString::fromLatin1(kind.objectName));
    setWindowTitle(QString::fromUtf8(kind.windowTitle));
    setModal(true);
}

void DogLogWindow::formBuilt(int dateField, PictureButton *today, std::function<bool()> save)
{
    move(centredIn(m_context.platform.screen.size(), size()));
    m_entry.emplace(this, m_kind.file.layout());

    // Enter moves through the boxes in record order; a field the window only
    // keeps (a hidden label) is no stop.
    QList<QWidget *> stops;
    for (int field = 0; field < m_kind.file.layout().fieldCount(); ++field)
        if (m_entry->control(field)->focusPolicy() != Qt::NoFocus)
            stops.append(m_entry->control(field));
    auto *ring = new EnterKeyRing(this);
    for (qsizetype stop = 0; stop < stops.size(); ++stop) {
        QWidget *next = stops[(stop + 1) % stops.size()];
        ring->link(stops[stop], [next] { return next; });
    }
    connect(today, &PictureButton::clicked, this, [this, dateField] {
        m_entry->setValue(dateField, DateText::format(m_context.platform.clock.today()));
    });
    // Enter in a box moves on; it must never press a button of the dialog.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);

    m_unsaved.emplace(
        m_context.platform.messages, this, [this] { return m_entry->values(); }, std::move(save));
}

void DogLogWindow::done(int result)
{
    if (!m_unsaved || m_unsaved->allowsLeaving())
        QDialog::done(result);
}

QString DogLogWindow::filePath() const
{
    return m_context.folder.filePath(m_kind.file.fileNameForDog(m_dog.position.toInt()));
}

void DogLogWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
        // What the entry shows as the window opens is what nothing was typed into.
        entryShown();
    }
}

QString DogLogWindow::dogTitle() const
{
    return m_dog.name + QStringLiteral("  -  Razza: ") + m_dog.breed;
}

void DogLogWindow::information(const QString &text)
{
    m_context.platform.messages.information(this, text, m_kind.buttons);
}

void DogLogWindow::warning(const QString &text)
{
    m_context.platform.messages.warning(this, text, m_kind.buttons);
}

void DogLogWindow::sayUnreadable(qint64 unreadable)
{
    if (unreadable > 0 && unreadable != m_unreadableSaid) {
        warning(unreadable == 1 ? QString::fromUtf8(m_kind.oneUnreadable)
                                : QString::fromUtf8(m_kind.severalUnreadable).arg(unreadable));
    }
    m_unreadableSaid = unreadable;
}

void DogLogWindow::sayChangedElsewhere()
{
    warning(QString::fromUtf8(m_kind.changedElsewhere));
}

void DogLogWindow::entryShown()
{
    m_unsaved->remember();
}

void DogLogWindow::showEntryAt(QTableView *view, const DogLogModel &model, qint64 position)
{
    const int row = model.rowOf(position);
    if (row >= 0) {
        view->selectRow(row);
        view->scrollTo(model.index(row, 0));
    } else {
        view->scrollToBottom();
    }
}

std::optional<int> DogLogWindow::selectedRow(const QTableView *view)
{
    const QModelIndexList rows = view->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first().row();
}

std::optional<int> DogLogWindow::pickedRow(
    const QTableView *view, const char *action, const char *button, const char *emptyLog, const char *anEntry)
{
    if (view->model()->rowCount() == 0) {
        information(QString::fromUtf8("%1 non applicabile: %2.")
                        .arg(QString::fromUtf8(action), QString::fromUtf8(emptyLog)));
        return std::nullopt;
    }
    const std::optional<int> row = selectedRow(view);
    if (!row) {
        warning(QString::fromUtf8("Attenzione: selezionare %1 dall'elenco prima di premere il pulsante %2.")
                    .arg(QString::fromUtf8(anEntry), QString::fromUtf8(button)));
    }
    return row;
}
