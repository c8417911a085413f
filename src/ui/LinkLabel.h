#pragma once

#include <QLabel>

class QAbstractButton;

// An underlined dark-blue link (Tahoma 14) with a hand pointer. While the
// mouse button is held down on it, or on the icon beside it, its text turns
// orange; on release it turns dark blue again, and a release over the link or
// the icon is a click.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    static inline const QColor normalColour { 0xFF00008B };
    static inline const QColor pressedColour { 0xFFFFA500 };

    LinkLabel(const QString &objectName, const QString &text, QWidget *parent = nullptr);

    /// The icon beside the link colours the link while pressed and clicks it.
    void addIcon(QAbstractButton *icon);

Q_SIGNALS:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void setPressed(bool pressed);
};
