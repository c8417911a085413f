#include "ui/CardFields.h"

#include "storage/Flags.h"
#include "storage/ShortText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// A drop-down box shows the text alone, never tied to a list entry.
void showInDropDown(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(-1);
    box->setEditText(text);
    if (QLineEdit *edit = box->lineEdit())
        edit->home(false);
}

} // namespace

CardFields::CardFields(const QWidget *card, const RecordLayout &layout)
    : m_layout(layout)
{
    for (const FieldSpec &field : layout.fields()) {
        QWidget *control = nullptr;
        for (const char *prefix : { "txt", "chk", "lbl" }) {
            control = card->findChild<QWidget *>(QLatin1StringView(prefix) + QString(field.name));
            if (control)
                break;
        }
        Q_ASSERT_X(control, "CardFields", "a record field without its control");
        m_controls.append(control);
        m_kept.append(QString());
    }
}

QString CardFields::value(int field) const
{
    QWidget *control = m_controls[field];
    if (auto *check = qobject_cast<QCheckBox *>(control))
        return FlagText::of(check->isChecked());
    if (auto *box = qobject_cast<QComboBox *>(control))
        return trimmedText(box->currentText());
    if (qobject_cast<QLabel *>(control))
        return trimmedText(m_kept[field]);
    return trimmedText(control->property("text").toString());
}

void CardFields::setValue(int field, const QString &text)
{
    QWidget *control = m_controls[field];
    if (auto *check = qobject_cast<QCheckBox *>(control)) {
        if (const std::optional<bool> ticked = FlagText::parse(text))
            check->setChecked(*ticked);
    } else if (auto *box = qobject_cast<QComboBox *>(control)) {
        // A list that takes no typing shows the entry of that text, or none.
        if (box->isEditable())
            showInDropDown(box, text);
        else
            box->setCurrentIndex(box->findText(text));
    } else if (auto *label = qobject_cast<QLabel *>(control)) {
        m_kept[field] = text;
        label->setText(text);
    } else {
        control->setProperty("text", text);
        if (auto *edit = qobject_cast<QLineEdit *>(control))
            edit->home(false); // long values show their beginning
    }
}

void CardFields::clear(int first, int last)
{
    for (int field = first; field <= last; ++field) {
        if (auto *check = qobject_cast<QCheckBox *>(m_controls[field]))
            check->setChecked(false);
        else
            setValue(field, QString());
    }
}

Record CardFields::record() const
{
    Record record(m_layout);
    for (int field = 0; field < m_controls.size(); ++field)
        record.setValue(field, value(field));
    return record;
}

QStringList CardFields::values() const
{
    QStringList values;
    for (int field = 0; field < m_controls.size(); ++field)
        values.append(value(field));
    return values;
}

void CardFields::show(const Record &record)
{
    for (int field = 0; field < m_controls.size(); ++field)
        setValue(field, record.value(field));
}
