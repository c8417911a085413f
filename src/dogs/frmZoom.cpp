#include "dogs/frmZoom.h"

#include "core/ProcessFormats.h"
#include "dogs/PhotoBox.h"
#include "platform/AppContext.h"
#include "ui/Centring.h"
#include "ui/GradientWidget.h"
#include "ui/Theme.h"

#include <QMouseEvent>

namespace {
// Room left around the photo for the window's frame and title bar.
constexpr QSize frameAllowance(60, 90);
} // namespace

frmZoom::frmZoom(AppContext &context, QWidget *owner, const QImage &photo)
    : QDialog(owner)
{
    applyProcessFormats();
    setObjectName(QStringLiteral("frmZoom"));
    setWindowTitle(QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
    setWindowState(Qt::WindowMaximized);

    m_background = new GradientWidget(Theme::colour(Theme::Colour::DogBackdrop), this);
    m_panel = new QWidget(m_background);
    m_panel->setObjectName(QStringLiteral("panFoto"));
    m_panel->setFixedSize(context.platform.screen.size() - frameAllowance);
    m_photo = new PhotoBox(QStringLiteral("imgFoto"), m_panel);
    m_photo->setGeometry(m_panel->rect());
    m_photo->setPicture(photo);

    for (QWidget *closesOnClick : { m_panel, static_cast<QWidget *>(m_photo) }) {
        closesOnClick->setCursor(Qt::PointingHandCursor);
        closesOnClick->installEventFilter(this);
    }
}

void frmZoom::resizeEvent(QResizeEvent *)
{
    m_background->setGeometry(rect());
    m_panel->move(centredIn(size(), m_panel->size()));
}

bool frmZoom::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        close();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
