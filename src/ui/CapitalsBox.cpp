#include "ui/CapitalsBox.h"

#include "storage/ShortText.h"

#include <QLineEdit>

#include <algorithm>

namespace {

// Replaces the text by shaped, which dropped `leading` characters before the cursor.
void replace(QLineEdit *box, const QString &shaped, qsizetype leading)
{
    if (shaped == box->text())
        return;
    const qsizetype cursor = std::clamp<qsizetype>(box->cursorPosition() - leading, 0, shaped.size());
    box->setText(shaped);
    box->setCursorPosition(int(cursor));
}

qsizetype leadingBlanks(const QString &text)
{
    qsizetype leading = 0;
    while (leading < text.size() && text[leading].unicode() <= 32)
        ++leading;
    return leading;
}

} // namespace

void CapitalsBox::tidy(QLineEdit *box)
{
    replace(box, trimmedCapitals(box->text()), leadingBlanks(box->text()));
}

void CapitalsBox::capitalise(QLineEdit *box)
{
    replace(box, capitalsAtoZ(box->text()), 0);
}

void CapitalsBox::trim(QLineEdit *box)
{
    replace(box, trimmedText(box->text()), leadingBlanks(box->text()));
}
