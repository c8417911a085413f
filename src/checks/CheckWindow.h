#pragma once

#include "checks/CheckReport.h"

#include <QColor>
#include <QDialog>
#include <QSize>

struct AppContext;
class QLineEdit;
class QPushButton;

// How one identifier check window differs from the others.
struct CheckWindowDescription
{
    // What the box accepts: digit-only numbers take digits alone, typed,
    // pasted or dropped, and refuse the other keys.
    enum class Keys { All, DigitsAndEditing };
    // When the box's text is trimmed and put in capitals: never, whenever the
    // user changes it, or on every key release (so opener text changes too).
    enum class Tidying { Never, OnUserEdit, OnKeyRelease };

    QString objectName;
    QString caption;
    QSize clientSize;
    QColor backgroundTop;
    QString logo;
    QString instruction;
    QString boxName;
    int boxLimit;
    Keys keys;
    Tidying tidying;
    CheckReport (*check)(QStringView boxText);
};

// A small modal window that checks one identifier typed in its box and tells
// the result through a message box. It changes nothing outside itself.
class CheckWindow : public QDialog
{
    Q_OBJECT

public:
    /// preset is the opener's text, already trimmed; it is kept whole even
    /// when longer than the box's limit, which applies to typing only, so the
    /// check sees what the opener holds.
    CheckWindow(AppContext &context, QWidget *owner, const QString &preset,
        const CheckWindowDescription &description);

    void btnControllaClick();
    void btnChiudiClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildPanel(const CheckWindowDescription &description, QWidget *parent);
    void followTextLength(const QString &text);

    AppContext &m_context;
    const CheckWindowDescription m_description;
    QLineEdit *m_box;
    QPushButton *m_btnControlla;
};
