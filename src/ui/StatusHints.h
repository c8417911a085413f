#pragma once

#include <QObject>

class QLabel;
class QWidget;

// Writes a control's one-line description into the status strip while the
// mouse enters it, and empties the strip when the mouse enters a background.
class StatusHints : public QObject
{
    Q_OBJECT

public:
    explicit StatusHints(QLabel *strip);

    void addHint(QWidget *control, const QString &text);
    /// Every PictureButton under root with a status text gets its hint.
    void addPictureButtons(QWidget *root);
    void addBackground(QWidget *background);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_strip;
};
