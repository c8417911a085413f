#pragma once

#include <QObject>
#include <QString>

class QDropEvent;
class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QPoint;

// A box that takes only some characters (a number typed as digits, an amount
// of digits and commas, a drop-down value that is chosen, never typed).
// Whatever way the user brings text in, only those characters arrive and the
// others are taken out: a typed key, a paste by the keyboard, by the context
// menu or by the middle button, a drop, an input method's text. Pasting
// "1234 5678-90" into a digit box gives "1234567890". A text the program
// puts in with setText (a value read from a file, an opener's preset) stays
// as it is, letters and all.
class AllowedCharacters : public QObject
{
    Q_OBJECT

public:
    static constexpr QStringView digits = u"0123456789";
    static constexpr QStringView amount = u"0123456789,";

    enum class Keys {
        /// Backspace, Delete, the left and right arrows, Enter and Tab edit
        /// or move on as usual; any other key that types no allowed character
        /// is discarded.
        EditingAndTab,
        /// The same, and Tab is discarded too: the box keeps the focus.
        EditingOnly,
        /// The box's own class deals with keys (a drop-down box).
        OwnedByTheBox,
    };

    /// Filters what arrives in box for as long as it lives; for the line
    /// edit of a drop-down box, what arrives through the drop-down box too.
    static void install(QLineEdit *box, QStringView allowed, Keys keys = Keys::EditingAndTab);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AllowedCharacters(QLineEdit *box, QStringView allowed, Keys keys);

    QString kept(const QString &text) const;
    /// Inserts the allowed part of text as a paste would; nothing at all
    /// (the selection stays) when no character of it is allowed.
    void insert(const QString &text);
    bool filterKey(const QKeyEvent &key);
    void showContextMenu(const QPoint &at);
    bool forwardDrop(QDropEvent &drop);
    bool forwardInputMethod(QInputMethodEvent &input);

    QLineEdit *m_box;
    QString m_allowed;
    Keys m_keys;
    bool m_forwarding = false;
};
