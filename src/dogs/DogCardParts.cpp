#include "dogs/DogCardParts.h"

#include "ui/PictureButton.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace DogCardParts {

namespace {

    constexpr int dateBoxWidth = 130;
    constexpr int boxHeight = 26;

    QLabel *caption(const char *text, QWidget *parent)
    {
        auto *label = new QLabel(QString::fromUtf8(text), parent);
        label->setFont(QFont(QStringLiteral("Verdana"), 8, QFont::Bold));
        label->setStyleSheet(QStringLiteral("color: #1F4E75;"));
        label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        return label;
    }

    QLineEdit *box(DogRecord::Field field, QWidget *parent)
    {
        const FieldSpec &fieldSpec = DogRecord::layout().field(field);
        auto *edit = new QLineEdit(parent);
        edit->setObjectName(QStringLiteral("txt") + QString(fieldSpec.name));
        edit->setMaxLength(fieldSpec.capacity);
        edit->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
        edit->setFixedHeight(boxHeight);
        return edit;
    }

} // namespace

PictureButton *pictureButton(const char *objectName, const char *artwork, QWidget *parent)
{
    auto *button = new PictureButton(QString::fromLatin1(objectName),
        QStringLiteral(":/dogcard/%1.svg").arg(QLatin1StringView(artwork)), parent);
    button->setFixedSize(button->sizeHint());
    return button;
}

QPushButton *captionedButton(const char *objectName, const char *caption, QWidget *parent)
{
    auto *button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setCursor(Qt::PointingHandCursor);
    button->setFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));
    return button;
}

void addBoxRows(QWidget *area, std::initializer_list<Row> rows, QList<QLineEdit *> &boxes)
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
            captioned->addWidget(caption(cell.caption, area));
            QLineEdit *edit = box(cell.field, area);
            boxes.append(edit);
            if (cell.stretch == 0)
                edit->setFixedWidth(dateBoxWidth);
            if (cell.sideButton) {
                auto *withButton = new QHBoxLayout;
                withButton->setSpacing(2);
                withButton->addWidget(edit);
                withButton->addWidget(pictureButton(cell.sideButton, cell.sideArtwork, area));
                captioned->addLayout(withButton);
            } else {
                captioned->addWidget(edit);
            }
            line->addLayout(captioned, cell.stretch);
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
        QStringLiteral("#%1 { background: white; border: 1px solid #9DB6CC; border-radius: 4px; }")
            .arg(panel->objectName()));
    return panel;
}

} // namespace DogCardParts
