#include "ui/CardParts.h"

#include "storage/RecordLayout.h"
#include "ui/PictureButton.h"
#include "ui/Theme.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace CardParts {

namespace {

    constexpr int boxHeight = 26;

    QLabel *caption(const char *text, QWidget *parent)
    {
        auto *label = new QLabel(QString::fromUtf8(text), parent);
        label->setFont(Theme::font(Theme::Font::FieldCaption));
        label->setStyleSheet(QStringLiteral("color: %1;").arg(Theme::css(Theme::Colour::CaptionText)));
        label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        return label;
    }

    // The control, with the picture before it and the button beside it when given.
    QLayout *controlLine(const Cell &cell)
    {
        auto *line = new QHBoxLayout;
        line->setSpacing(2);
        if (cell.before)
            line->addWidget(cell.before);
        line->addWidget(cell.control, 1);
        if (cell.side)
            line->addWidget(cell.side);
        return line;
    }

} // namespace

PictureButton *pictureButton(const char *objectName, const QString &artwork, QWidget *parent)
{
    auto *button = new PictureButton(QString::fromLatin1(objectName), artwork, parent);
    button->setFixedSize(button->sizeHint());
    return button;
}

QPushButton *captionedButton(const char *objectName, const char *caption, QWidget *parent)
{
    auto *button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setCursor(Qt::PointingHandCursor);
    button->setFont(Theme::font(Theme::Font::Label));
    return button;
}

QLineEdit *textBox(const RecordLayout &layout, int field, QWidget *parent)
{
    const FieldSpec &fieldSpec = layout.field(field);
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("txt") + QString(fieldSpec.name));
    edit->setMaxLength(fieldSpec.capacity);
    edit->setFont(Theme::font(Theme::Font::FieldText));
    edit->setFixedHeight(boxHeight);
    return edit;
}

QLineEdit *BoxMaker::operator()(int field) const
{
    QLineEdit *box = textBox(m_layout, field, m_area);
    if (m_made)
        m_made->append(box);
    return box;
}

void addHiddenLabels(const RecordLayout &layout, int first, int last, QWidget *parent)
{
    for (int field = first; field <= last; ++field) {
        auto *hidden = new QLabel(parent);
        hidden->setObjectName(QStringLiteral("lbl") + QString(layout.field(field).name));
        hidden->hide();
    }
}

void addRows(QWidget *area, std::initializer_list<Row> rows)
{
    auto *column = new QVBoxLayout(area);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);
    for (const Row &row : rows) {
        // Spare height goes between the rows, never between a caption and its box.
        if (column->count() > 0)
            column->addStretch();
        auto *line = new QHBoxLayout;
        line->setSpacing(8);
        for (const Cell &cell : row) {
            auto *captioned = new QVBoxLayout;
            captioned->setSpacing(1);
            if (cell.caption)
                captioned->addWidget(caption(cell.caption, area));
            else
                captioned->addStretch();
            if (cell.width > 0)
                cell.control->setFixedWidth(cell.width);
            captioned->addLayout(controlLine(cell));
            line->addLayout(captioned, cell.width > 0 ? 0 : cell.stretch);
        }
        column->addLayout(line);
    }
    column->addStretch();
}

QWidget *framedPanel(const char *objectName, QWidget *parent)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(objectName));
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(
        QStringLiteral("#%1 { background: white; border: 1px solid %2; border-radius: 4px; }")
            .arg(panel->objectName(), Theme::css(Theme::Colour::BoxBorder)));
    return panel;
}

QLabel *positionLabel(QWidget *parent, int width)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("lblPosizione"));
    label->setFixedSize(width, 33);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(Theme::font(Theme::Font::FieldText));
    label->setStyleSheet(QStringLiteral("color: %1; border: 1px solid %2; border-radius: 3px;")
                             .arg(Theme::css(Theme::Colour::CaptionText), Theme::css(Theme::Colour::PositionBorder)));
    return label;
}

} // namespace CardParts
