#include "dogs/HealthBadge.h"

#include "kennel/HealthBooklet.h"
#include "kennel/HealthTable.h"
#include "platform/AppContext.h"
#include "storage/HealthRecord.h"
#include "ui/Theme.h"

#include <QFileInfo>
#include <QPushButton>

#include <exception>

namespace {

constexpr int diameter = 14;

} // namespace

HealthBadge::HealthBadge(QPushButton *button)
    : QLabel(button)
    , m_button(button)
{
    setObjectName(QStringLiteral("imgAvvisoSalute"));
    setFixedSize(diameter, diameter);
    move(button->width() - diameter - 4, 4);
    // The dot only marks the button: clicks go through to it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_StyledBackground);
    hide();
}

void HealthBadge::showFor(AppContext &context, const QString &position)
{
    HealthDue::State state = HealthDue::State::None;
    const QString path = context.folder.filePath(HealthRecord::fileName());
    if (!position.isEmpty() && QFileInfo::exists(path)) {
        try {
            state = HealthTable::mostPressing(HealthBooklet::read(path, position.toLongLong()).entries,
                                              context.platform.clock.today());
        } catch (const std::exception &) {
            // Said when the booklet itself is opened; the card stays quiet.
        }
    }
    display(state);
}

void HealthBadge::display(HealthDue::State state)
{
    const bool overdue = state == HealthDue::State::Overdue;
    if (!overdue && state != HealthDue::State::DueSoon) {
        hide();
        m_button->setToolTip(QString());
        return;
    }
    setStyleSheet(QStringLiteral("background: %1; border: 1px solid white; border-radius: %2px;")
                      .arg(Theme::css(overdue ? Theme::Colour::DueOverdue : Theme::Colour::DueSoon))
                      .arg(diameter / 2));
    m_button->setToolTip(overdue ? QStringLiteral("Trattamenti scaduti") : QStringLiteral("Trattamenti in scadenza"));
    QLabel::show();
}
