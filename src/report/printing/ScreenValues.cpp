#include "report/printing/ScreenValues.h"

#include "storage/ShortText.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <optional>

namespace {

std::optional<QString> shownText(const QWidget *control)
{
    if (const auto *box = qobject_cast<const QLineEdit *>(control))
        return box->text();
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *list = qobject_cast<const QComboBox *>(control))
        return list->currentText();
    if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(control))
        return spin->text();
    if (const auto *check = qobject_cast<const QCheckBox *>(control))
        return check->isChecked() ? QString::fromUtf8("Sì") : QStringLiteral("No");
    if (const auto *lines = qobject_cast<const QPlainTextEdit *>(control))
        return lines->toPlainText();
    if (const auto *rich = qobject_cast<const QTextEdit *>(control))
        return rich->toPlainText();
    return std::nullopt;
}

} // namespace

ScreenValues valuesOnScreen(const QWidget *window)
{
    ScreenValues values;
    for (const QWidget *control : window->findChildren<QWidget *>()) {
        if (control->objectName().isEmpty() || values.contains(control->objectName()))
            continue;
        if (const std::optional<QString> text = shownText(control))
            values.insert(control->objectName(), trimmedText(*text));
    }
    return values;
}
