#pragma once

#include <QAbstractButton>

// A clickable picture: the words are part of the artwork, so the button has no
// caption of its own. It shows a hand pointer and carries the one-line
// description that StatusHints writes into the window's status strip; the
// description (or the words of the artwork) is also its accessible name.
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
    QString m_artwork;
    QString m_statusText;
};
