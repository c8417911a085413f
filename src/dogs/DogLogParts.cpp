#include "dogs/DogLogParts.h"

#include "ui/CardParts.h"
#include "ui/GradientWidget.h"
#include "ui/PictureButton.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace DogLogParts {

GradientWidget *background(const char *objectName, const QRect &geometry, QWidget *window)
{
    auto *view = new GradientWidget(Theme::colour(Theme::Colour::CardBackdrop), window);
    view->setObjectName(QString::fromLatin1(objectName));
    view->setGeometry(geometry);
    return view;
}

QLabel *label(const char *objectName, const char *text, QWidget *parent)
{
    auto *label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

QLabel *title(const char *objectName, const char *text, const QRect &geometry, Theme::Font face, QWidget *parent)
{
    QLabel *title = label(objectName, text, parent);
    title->setGeometry(geometry);
    title->setAlignment(Qt::AlignCenter);
    title->setFont(Theme::font(face));
    title->setStyleSheet(QStringLiteral("color: white;"));
    return title;
}

QLabel *caption(const char *text, QWidget *parent)
{
    QLabel *caption = label("", text, parent);
    caption->setFont(Theme::font(Theme::Font::Label));
    caption->setStyleSheet(QStringLiteral("color: %1;").arg(Theme::css(Theme::Colour::CaptionText)));
    return caption;
}

QWidget *whitePanel(const char *objectName, const QRect &geometry, QWidget *parent)
{
    QWidget *panel = CardParts::framedPanel(objectName, parent);
    panel->setGeometry(geometry);
    return panel;
}

DateBox dateBox(const RecordLayout &layout, int dateField, QWidget *parent)
{
    QLineEdit *box = CardParts::textBox(layout, dateField, parent);
    box->setFixedWidth(130);
    auto *today = new PictureButton(QStringLiteral("impData"), QStringLiteral(":/dogs/costs/calendario.svg"), parent);
    today->setFixedSize(28, 28);
    today->setAccessibleName(QStringLiteral("Data odierna"));
    today->setToolTip(QStringLiteral("Data odierna"));
    return { box, today };
}

void buttonRow(const QRect &geometry, int spacing, std::initializer_list<RowButton> buttons, QWidget *parent)
{
    auto *row = new QWidget(parent);
    row->setGeometry(geometry);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    for (const RowButton &button : buttons) {
        *button.made = CardParts::captionedButton(button.objectName, button.caption, row);
        (*button.made)->setFixedHeight(40);
        layout->addWidget(*button.made);
    }
}

} // namespace DogLogParts
