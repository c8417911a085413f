#pragma once

#include <QString>

class QWidget;

// The kinds of message box the application shows. The first windows'
// information, warning and error boxes carry OK and Cancel, whose answer is
// never used; the later windows' carry OK alone, as a box that only informs
// should. A question asks Yes/No; a cancellable question asks Yes/No/Cancel
// ("Sì", "No", "Annulla"); a notice has OK alone.
class MessageBoxes
{
public:
    enum class Kind { Information, Warning, Error, Question, CancellableQuestion, Notice };
    enum class Answer { Ok, Yes, No, Cancel };
    /// The buttons of an information, warning or error box; questions and
    /// notices have their own.
    enum class Buttons { OkCancel, OkAlone };

    /// A box as a window asks for it.
    struct Style
    {
        Style(Kind kind, Buttons buttons = Buttons::OkCancel) // NOLINT: a kind alone is the first windows' box
            : kind(kind)
            , buttons(buttons)
        {
        }
        Kind kind;
        Buttons buttons;
    };

    virtual ~MessageBoxes() = default;

    void information(QWidget *owner, const QString &text, Buttons buttons = Buttons::OkCancel)
    {
        show({ Kind::Information, buttons }, owner, text);
    }
    void warning(QWidget *owner, const QString &text, Buttons buttons = Buttons::OkCancel)
    {
        show({ Kind::Warning, buttons }, owner, text);
    }
    void error(QWidget *owner, const QString &text, Buttons buttons = Buttons::OkCancel)
    {
        show({ Kind::Error, buttons }, owner, text);
    }
    void notice(QWidget *owner, const QString &text) { show(Kind::Notice, owner, text); }
    /// True unless the user answered No.
    bool question(QWidget *owner, const QString &text)
    {
        return show(Kind::Question, owner, text) != Answer::No;
    }
    /// Yes, No or Cancel; closing the box is Cancel.
    Answer cancellableQuestion(QWidget *owner, const QString &text)
    {
        return show(Kind::CancellableQuestion, owner, text);
    }

    virtual Answer show(Style style, QWidget *owner, const QString &text) = 0;
};
