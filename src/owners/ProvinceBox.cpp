#include "owners/ProvinceBox.h"

#include "ui/CapitalsBox.h"

#include <QLineEdit>

ProvinceBox::ProvinceBox(const QString &objectName, QWidget *parent)
    : QComboBox(parent)
{
    setObjectName(objectName);
    setEditable(true);
    // Typed codes never join the list, and no completion writes letters the
    // user did not type.
    setInsertPolicy(QComboBox::NoInsert);
    setCompleter(nullptr);
    addItems(codes());
    setCurrentIndex(-1);
    lineEdit()->setMaxLength(2);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { CapitalsBox::tidy(lineEdit()); });
}

const QStringList &ProvinceBox::codes()
{
    static const QStringList all = QStringLiteral("AG AL AN AO AP AQ AR AT AV BA BG BI BL BN BO BR BS BT BZ "
                                                  "CA CB CE CH CI CL CN CO CR CS CT CZ EE EN FC "
                                                  "FE FG FI FM FO FR GE GO GR IM IS KR LC LE LI LO LT LU MB "
                                                  "MC MD ME MI MN MO MS MT NA NO NU OG OR OT PA "
                                                  "PC PD PE PG PI PN PO PR PT PU PV PZ RA RC RE RG RI RM RN "
                                                  "RO SA SI SO SP SR SS SV TA TE TN TO TP TR TS "
                                                  "TV UD VA VB VC VE VI VR VT VV")
                                       .split(u' ');
    return all;
}

void ProvinceBox::focusInEvent(QFocusEvent *event)
{
    const QString text = currentText();
    setCurrentIndex(-1);
    setEditText(text);
    QComboBox::focusInEvent(event);
}

void ProvinceBox::focusOutEvent(QFocusEvent *event)
{
    CapitalsBox::tidy(lineEdit());
    QComboBox::focusOutEvent(event);
}
