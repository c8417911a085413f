#include "ui/StatusHints.h"

#include "ui/PictureButton.h"

#include <QEvent>
#include <QLabel>

namespace {
const char hintProperty[] = "zamporaStatusHint";
}

StatusHints::StatusHints(QLabel *strip)
    : QObject(strip), m_strip(strip)
{
}

void StatusHints::addHint(QWidget *control, const QString &text)
{
    control->setProperty(hintProperty, text);
    control->installEventFilter(this);
}

void StatusHints::describe(QWidget *window, std::span<const Description> descriptions)
{
    for (const Description &entry : descriptions) {
        auto *control = window->findChild<QWidget *>(QString::fromLatin1(entry.control));
        Q_ASSERT_X(control, "StatusHints::describe", entry.control);
        const QString text = QString::fromUtf8(entry.text);
        if (auto *picture = qobject_cast<PictureButton *>(control)) {
            picture->setStatusText(text);
            if (entry.words)
                picture->setAccessibleName(QString::fromUtf8(entry.words));
        }
        addHint(control, text);
    }
}

void StatusHints::addPictureButtons(QWidget *root)
{
    for (PictureButton *button : root->findChildren<PictureButton *>()) {
        if (!button->statusText().isEmpty())
            addHint(button, button->statusText());
    }
}

void StatusHints::addBackground(QWidget *background)
{
    // The mouse coming back from a control onto its background sends no Enter
    // to the background, only moves.
    background->setProperty(hintProperty, QString());
    background->setMouseTracking(true);
    background->installEventFilter(this);
}

bool StatusHints::eventFilter(QObject *watched, QEvent *event)
{
    const bool background = watched->property(hintProperty).toString().isEmpty();
    if (event->type() == QEvent::Enter || (background && event->type() == QEvent::MouseMove))
        m_strip->setText(watched->property(hintProperty).toString());
    return QObject::eventFilter(watched, event);
}
