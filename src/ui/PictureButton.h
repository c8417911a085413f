#pragma once

#include <QAbstractButton>

class QSvgRenderer;

// A clickable picture: the words are part of the artwork, so the button has no
// caption of its own. It shows a hand pointer and carries the one-line
// description that StatusHints writes into the window's status strip (also its
// accessible description). Give it the words of its artwork as accessible name
// with setAccessibleName.
class PictureButton : public QAbstractButton
{
    Q_OBJECT

public:
    PictureButton(const QString &objectName, const QString &artwork, QWidget *parent = nullptr);

    void setArtwork(const QString &artwork);
    QString statusText() const { return m_statusText; }
    void setStatusText(const QString &text);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSvgRenderer *m_renderer;
    QString m_statusText;
};
