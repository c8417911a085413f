#include "ui/ArchiveWindow.h"

#include <QCloseEvent>
#include <QShowEvent>

ArchiveWindow::ArchiveWindow(const QString &objectName, const QString &caption, QWidget *mainMenu)
    : QWidget(nullptr)
    , m_mainMenu(mainMenu)
{
    setObjectName(objectName);
    setWindowTitle(caption);
}

ArchiveWindow::~ArchiveWindow() = default;

CardController &ArchiveWindow::holdCard(MessageBoxes &messages, CardContent &content, CardController::Setup setup)
{
    m_card = std::make_unique<CardController>(messages, this, content, std::move(setup));
    return *m_card;
}

QString ArchiveWindow::position() const
{
    const std::optional<qint64> shown = m_card ? m_card->position() : std::nullopt;
    return shown ? QString::number(*shown) : QString();
}

void ArchiveWindow::setVisible(bool visible)
{
    // Once only: later the user's own size, or the maximised one, stays.
    // (Asking to maximise already marks the window as sized, so the toolkit's
    // own record of a resize cannot tell the first showing.)
    if (visible && !m_sizedToPanel) {
        m_sizedToPanel = true;
        const QSize panel = largestFixedPart();
        if (!panel.isEmpty())
            resize(panel);
    }
    QWidget::setVisible(visible);
}

QSize ArchiveWindow::largestFixedPart() const
{
    QSize largest;
    for (const QWidget *part : findChildren<QWidget *>()) {
        const QSize fixed = part->minimumSize();
        if (fixed == part->maximumSize()
            && fixed.width() * fixed.height() > largest.width() * largest.height())
            largest = fixed;
    }
    return largest;
}

bool ArchiveWindow::mayLeaveCard()
{
    return !m_card || !showsCard() || m_card->allowsLeaving();
}

bool ArchiveWindow::mayReplaceCardOf(QWidget *opener)
{
    auto *window = qobject_cast<ArchiveWindow *>(opener);
    return !window || window->mayLeaveCard();
}

void ArchiveWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        opened();
}

void ArchiveWindow::opened()
{
    if (m_card)
        m_card->clear();
}

void ArchiveWindow::closeEvent(QCloseEvent *event)
{
    if (!mayLeaveCard()) {
        event->ignore();
        return;
    }
    closing();
    // Show the menu before hiding, so there is never a moment without a window.
    m_mainMenu->show();
    event->accept();
}
