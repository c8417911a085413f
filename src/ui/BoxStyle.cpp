#include "ui/BoxStyle.h"
#include "ui/Theme.h"

#include <QWidget>

void BoxStyle::applyFocusColours(QWidget *root)
{
    using Theme::Colour;
    root->setStyleSheet(root->styleSheet()
                        + QStringLiteral("QLineEdit, QPlainTextEdit { background: %1; border: 1px solid %2; }"
                                         "QLineEdit:focus, QPlainTextEdit:focus { background: %3; }")
                              .arg(Theme::css(Colour::BoxBackground), Theme::css(Colour::BoxFrame),
                                   Theme::css(Colour::FocusedBox)));
}
