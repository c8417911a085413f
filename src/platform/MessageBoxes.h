#pragma once

#include <QString>

class QWidget;

// The five kinds of message box the application shows. Information, warning
// and error boxes carry OK and Cancel but their answer is never used; a
// question asks Yes/No; a notice has OK alone.
class MessageBoxes
{
public:
    enum class Kind { Information, Warning, Error, Question, Notice };
    enum class Answer { Ok, Yes, No };

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

    virtual Answer show(Kind kind, QWidget *owner, const QString &text) = 0;
};
