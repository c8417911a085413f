#pragma once

#include <QObject>

#include <span>

class QLabel;
class QWidget;

// Writes a control's one-line description into the status strip while the
// mouse enters it, and empties the strip when the mouse enters a background.
class StatusHints : public QObject
{
    Q_OBJECT

public:
    // A control's one-line description and, for a picture button, the words
    // its artwork shows (its accessible name; other controls have their own).
    struct Description
    {
        const char *control;
        const char *text;
        const char *words = nullptr;
    };

    explicit StatusHints(QLabel *strip);

    /// Gives each named control under window its hint; picture buttons also
    /// get it as their status text, and their words, when given, as
    /// accessible name.
    void describe(QWidget *window, std::span<const Description> descriptions);

    void addHint(QWidget *control, const QString &text);
    /// Every PictureButton under root with a status text gets its hint.
    void addPictureButtons(QWidget *root);
    void addBackground(QWidget *background);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_strip;
};
