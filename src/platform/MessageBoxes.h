#pragma once

#include <QString>

class QWidget;

// The kinds of message box the application shows. Information, warning and
// error boxes carry OK and Cancel but their answer is never used; a question
// asks Yes/No; a cancellable question asks Yes/No/Cancel ("Sì", "No",
// "Annulla"); a notice has OK alone.
class MessageBoxes
{
public:
    enum class Kind { Information, Warning, Error, Question, CancellableQuestion, Notice };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~MessageBoxes() = default;

    void information(QWidget *owner, const QString &text) { show(Kind::Information, owner, text); }
    void warning(QWidget *owner, const QString &text) { show(Kind::Warning, owner, text); }
    void error(QWidget *owner, const QString &text) { show(Kind::Error, owner, text); }
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

    virtual Answer show(Kind kind, QWidget *owner, const QString &text) = 0;
};
