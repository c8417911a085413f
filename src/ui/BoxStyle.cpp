#include "ui/BoxStyle.h"

#include <QWidget>

void BoxStyle::applyFocusColours(QWidget *root)
{
    root->setStyleSheet(root->styleSheet() + QStringLiteral(
        "QLineEdit, QPlainTextEdit { background: #F0F8FF; border: 1px solid #87CEEB; }"
        "QLineEdit:focus, QPlainTextEdit:focus { background: #FFFF00; }"));
}
