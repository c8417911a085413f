#include "dogs/DogLogWindow.h"

#include "core/DateText.h"
#include "storage/ShortText.h"
#include "ui/Centring.h"
#include "ui/EnterKeyRing.h"
#include "ui/PictureButton.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

DogLogWindow::DogLogWindow(AppContext &context, QWidget *card, const LoggedDog &dog, const DogLogKind &kind)
    : QDialog(card)
    , m_context(context)
    , m_dog { trimmedText(dog.name), trimmedText(dog.breed), trimmedText(dog.position), trimmedText(dog.birth) }
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

    m_unsaved.emplace(m_context.platform.messages, this, [this] { return m_entry->values(); }, std::move(save));
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
