#pragma once

#include <QDialog>

struct AppContext;
class GradientWidget;
class PhotoBox;

// The dog's photo as large as the screen allows, small photos enlarged. A
// click on the photo or around it closes the window.
class frmZoom : public QDialog
{
    Q_OBJECT

public:
    frmZoom(AppContext &context, QWidget *owner, const QImage &photo);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    GradientWidget *m_background;
    QWidget *m_panel;
    PhotoBox *m_photo;
};
