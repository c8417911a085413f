#include "app/PasswordLook.h"

#include "ui/FocusRectangles.h"
#include "ui/GradientWidget.h"
#include "ui/Theme.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>
#include <QVBoxLayout>

namespace {
constexpr int margin = 14;
const QColor backgroundTop(0xFF5D85A6);
} // namespace

QVBoxLayout *PasswordLook::frame(QWidget *window, QSize clientSize)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window->setFixedSize(clientSize);

    auto *background = new GradientWidget(backgroundTop, window);
    background->setGeometry(window->rect());
    auto *panel = new QWidget(background);
    panel->setObjectName(QStringLiteral("panPassword"));
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(Theme::whitePanel(QStringLiteral("panPassword")));
    panel->setGeometry(window->rect().adjusted(margin, margin, -margin, -margin));

    auto *logo = new QSvgWidget(QStringLiteral(":/help/logo.svg"), panel);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setFixedSize(380, 66);

    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(18, 12, 18, 16);
    column->setSpacing(8);
    column->addWidget(logo, 0, Qt::AlignHCenter);
    column->addSpacing(6);
    return column;
}

QLineEdit *PasswordLook::passwordBox(const char *objectName, QWidget *parent, FocusRectangles &rectangles)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setEchoMode(QLineEdit::Password);
    box->setFont(Theme::font(Theme::Font::Emphasis));
    box->setMinimumHeight(32);
    rectangles.add(box);
    return box;
}

QPushButton *PasswordLook::button(const char *objectName, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setMinimumSize(96, 32);
    return button;
}
