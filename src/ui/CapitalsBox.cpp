#include "ui/CapitalsBox.h"

#include "storage/ShortText.h"

#include <QLineEdit>

#include <algorithm>

void CapitalsBox::tidy(QLineEdit *box)
{
    const QString text = box->text();
    const QString tidied = trimmedCapitals(text);
    if (tidied == text)
        return;
    qsizetype leading = 0;
    while (leading < text.size() && text[leading].unicode() <= 32)
        ++leading;
    const qsizetype cursor = std::clamp<qsizetype>(box->cursorPosition() - leading, 0, tidied.size());
    box->setText(tidied);
    box->setCursorPosition(int(cursor));
}
