#pragma once

#include <QImage>
#include <QLabel>

// The photo box of the dog card: shows a picture scaled to fit keeping its
// proportions, while the full picture is kept for saving and zooming. Without
// a photo of its own it shows the placeholder picture.
class PhotoBox : public QLabel
{
    Q_OBJECT

public:
    explicit PhotoBox(const QString &objectName, QWidget *parent = nullptr);

    /// The full picture shown (the placeholder when there is no photo).
    QImage picture() const { return m_picture; }
    bool showsPlaceholder() const { return m_placeholder; }
    /// Shows the picture; a null picture shows the placeholder.
    void setPicture(const QImage &picture);
    void showPlaceholder();

    /// The placeholder picture, 306 × 353.
    static QImage placeholder();

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void refresh();

    QImage m_picture;
    bool m_placeholder = true;
};
