#include "checks/CheckWindow.h"

#include "platform/AppContext.h"
#include "ui/AllowedCharacters.h"
#include "ui/CapitalsBox.h"
#include "ui/Centring.h"
#include "ui/EnterKeyRing.h"
#include "ui/GradientWidget.h"
#include "ui/Theme.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>
#include <QVBoxLayout>

namespace {

// The panel leaves this much of the window's gradient showing around it.
constexpr QSize panelMargins(25, 32);
constexpr QSize logoSize(421, 73);
constexpr int bandHeight = 54;
constexpr int bandSpacing = 6;
constexpr int panelPadding = 4;
constexpr int buttonHeight = 34;
constexpr int controllaWidth = 160;
constexpr int chiudiWidth = 116;
const QColor midnightBlue(0xFF191970);

QFont instructionFont()
{
    return Theme::font(Theme::Font::Plain);
}

// Wide enough to show the box's whole limit where the band has the room; a
// longer text scrolls.
int boxWidthFor(const QLineEdit &box, int limit, int bandWidth)
{
    constexpr int frameAndMargins = 12;
    const int textWidth = box.fontMetrics().horizontalAdvance(QString(limit, u'W'));
    const int room = bandWidth - controllaWidth - bandSpacing - 2 * panelPadding;
    return std::min(textWidth + frameAndMargins, room);
}

QPushButton *addButton(const QString &objectName, const QString &caption, int width, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setFixedSize(width, buttonHeight);
    return button;
}

} // namespace

CheckWindow::CheckWindow(
    AppContext &context, QWidget *owner, const QString &preset, const CheckWindowDescription &description)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_context(context)
    , m_description(description)
{
    setObjectName(description.objectName);
    setWindowTitle(description.caption);
    setFixedSize(description.clientSize);

    auto *background = new GradientWidget(description.backgroundTop, this);
    background->setGeometry(rect());
    QWidget *panel = buildPanel(description, background);
    panel->move(centredIn(size(), panel->size()));

    m_box->setMaxLength(std::max<int>(description.boxLimit, preset.size()));
    m_box->setText(preset);
    connect(m_box, &QLineEdit::textChanged, this, &CheckWindow::followTextLength);
    if (description.tidying == CheckWindowDescription::Tidying::OnUserEdit)
        connect(m_box, &QLineEdit::textEdited, this, [this] { CapitalsBox::tidy(m_box); });
    m_box->installEventFilter(this);
    if (description.keys == CheckWindowDescription::Keys::DigitsAndEditing)
        AllowedCharacters::install(m_box, AllowedCharacters::digits);
    (new EnterKeyRing(this))->chain({ m_box, m_btnControlla });

    move(centredIn(context.platform.screen.size(), size()));
}

QWidget *CheckWindow::buildPanel(const CheckWindowDescription &description, QWidget *parent)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("panControllo"));
    panel->setFixedSize(description.clientSize - panelMargins);
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(Theme::whitePanel(QStringLiteral("panControllo")));

    auto *logo = new QSvgWidget(description.logo, panel);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setFixedSize(logoSize);

    auto *instruction = new QLabel(description.instruction, panel);
    instruction->setObjectName(QStringLiteral("lblIstruzioni"));
    instruction->setFont(instructionFont());
    instruction->setAlignment(Qt::AlignCenter);
    instruction->setWordWrap(true);

    auto *band = new GradientWidget(midnightBlue, panel);
    band->setFixedHeight(bandHeight);
    m_box = new QLineEdit(band);
    m_box->setObjectName(description.boxName);
    m_box->setFont(Theme::font(Theme::Font::CheckedCode));
    m_btnControlla
        = addButton(QStringLiteral("btnControlla"), QStringLiteral("Controlla"), controllaWidth, band);
    auto *bandRow = new QHBoxLayout(band);
    bandRow->setSpacing(bandSpacing);
    bandRow->setContentsMargins(panelPadding, 0, panelPadding, 0);
    bandRow->addStretch();
    bandRow->addWidget(m_box);
    bandRow->addWidget(m_btnControlla);
    bandRow->addStretch();

    m_box->setFixedWidth(boxWidthFor(*m_box, description.boxLimit, panel->width() - 2 * panelPadding));

    QPushButton *btnChiudi
        = addButton(QStringLiteral("btnChiudi"), QStringLiteral("Chiudi"), chiudiWidth, panel);

    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(panelPadding, 2 * panelPadding, panelPadding, 2 * panelPadding);
    column->setSpacing(0);
    column->addWidget(logo, 0, Qt::AlignHCenter);
    column->addStretch();
    column->addWidget(instruction);
    column->addStretch();
    column->addWidget(band);
    column->addStretch();
    column->addWidget(btnChiudi, 0, Qt::AlignHCenter);

    connect(m_btnControlla, &QPushButton::clicked, this, &CheckWindow::btnControllaClick);
    connect(btnChiudi, &QPushButton::clicked, this, &CheckWindow::btnChiudiClick);
    return panel;
}

void CheckWindow::btnControllaClick()
{
    const CheckReport report = m_description.check(m_box->text());
    MessageBoxes &messages = m_context.platform.messages;
    switch (report.message) {
    case CheckReport::Message::Information:
        messages.information(this, report.text);
        break;
    case CheckReport::Message::Warning:
        messages.warning(this, report.text);
        break;
    case CheckReport::Message::None:
        break;
    }
    if (report.closesWindow)
        accept();
    else
        m_box->setFocus(Qt::OtherFocusReason);
}

void CheckWindow::btnChiudiClick()
{
    reject();
}

void CheckWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    m_box->setFocus(Qt::OtherFocusReason);
}

bool CheckWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box) {
        if (event->type() == QEvent::KeyRelease
            && m_description.tidying == CheckWindowDescription::Tidying::OnKeyRelease)
            CapitalsBox::tidy(m_box);
    }
    return QDialog::eventFilter(watched, event);
}

// The limit applies to typing only: an opener's longer text stays whole, and
// the limit closes in as the user shortens it, so typing never lengthens it.
void CheckWindow::followTextLength(const QString &text)
{
    m_box->setMaxLength(std::max<int>(m_description.boxLimit, text.size()));
}

