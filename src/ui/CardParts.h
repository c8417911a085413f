#pragma once

#include <QList>

#include <initializer_list>

class PictureButton;
class QLabel;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;
class RecordLayout;

// Pieces the card windows (dog card, owner card) are built from: captioned
// controls in rows, the text box of a record field, picture and captioned
// buttons, framed panels and the hidden labels of values edited elsewhere.
namespace CardParts {

/// A picture button showing the SVG at artwork (a resource path) at the artwork's own size.
PictureButton *pictureButton(const char *objectName, const QString &artwork, QWidget *parent);

/// A button with its caption written on it, in the cards' font.
QPushButton *captionedButton(const char *objectName, const char *caption, QWidget *parent);

/// The text box of a record field: named "txt" + the field's name, limited to
/// the field's capacity, in the cards' font.
QLineEdit *textBox(const RecordLayout &layout, int field, QWidget *parent);

/// Makes the text boxes of one area; when given a list, collects them in the
/// order they are made (the record order, as the rows list them).
class BoxMaker
{
public:
    BoxMaker(const RecordLayout &layout, QWidget *area, QList<QLineEdit *> *made = nullptr)
        : m_layout(layout)
        , m_area(area)
        , m_made(made)
    {
    }
    QLineEdit *operator()(int field) const;

private:
    const RecordLayout &m_layout;
    QWidget *m_area;
    QList<QLineEdit *> *m_made;
};

/// Hidden labels "lbl" + field name for the fields first to last: values that
/// travel with the card but are edited in another window.
void addHiddenLabels(const RecordLayout &layout, int first, int last, QWidget *parent);

/// One control of a row with its caption above it.
struct Cell
{
    QWidget *control;
    const char *caption; // nullptr for a control that carries its own words (a check box)
    int stretch = 1; // share of the row's spare width
    int width = 0; // when set, the control's fixed width; it takes no spare width
    QWidget *side = nullptr; // a button beside the control (a check, an import)
    QWidget *before = nullptr; // a picture before the control, level with it
};
using Row = std::initializer_list<Cell>;

/// Lays out rows of captioned controls on area, spare height between the rows.
void addRows(QWidget *area, std::initializer_list<Row> rows);

/// A white panel with a thin frame, the look of the card's head and sections.
QWidget *framedPanel(const char *objectName, QWidget *parent);

/// The position label between the arrows: bold, centred, width wide.
QLabel *positionLabel(QWidget *parent, int width);

} // namespace CardParts
