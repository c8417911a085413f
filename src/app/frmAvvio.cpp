#include "app/frmAvvio.h"

#include "app/ProcessFormats.h"
#include "ui/GradientWidget.h"
#include "ui/PictureButton.h"

#include <QCloseEvent>
#include <QSvgWidget>

namespace {
constexpr QSize panelSize(995, 692);
}

frmAvvio::frmAvvio(QWidget *parent)
    : QWidget(parent)
{
    applyProcessFormats();
    setObjectName(QStringLiteral("frmAvvio"));
    setWindowTitle(QStringLiteral("Zampora"));

    m_background = new GradientWidget(QColor(0xFF5D85A6), this);
    m_panel = new QWidget(m_background);
    m_panel->setObjectName(QStringLiteral("panAvvio"));
    m_panel->setFixedSize(panelSize);
    m_panel->setAttribute(Qt::WA_StyledBackground);
    m_panel->setStyleSheet(QStringLiteral("#panAvvio { background: white; border: 1px solid #CDDFEE; }"));

    addPicture(QStringLiteral("imgInfo"), QStringLiteral("info"), {14, 14, 30, 30}, &frmAvvio::infoRequested);
    addPicture(QStringLiteral("imgIcona"), QStringLiteral("icona"), {110, 19, 66, 68});
    addPicture(QStringLiteral("imgTitolo"), QStringLiteral("titolo"), {194, 26, 679, 63});
    addPicture(QStringLiteral("imgGuida"), QStringLiteral("guida"), {952, 16, 29, 28}, &frmAvvio::helpRequested);
    addPicture(QStringLiteral("imgSottotitolo"), QStringLiteral("sottotitolo"), {17, 100, 961, 22});
    addPicture(QStringLiteral("imgProprietari"), QStringLiteral("proprietari"), {18, 152, 308, 368}, &frmAvvio::ownersRequested);
    addPicture(QStringLiteral("imgCani"), QStringLiteral("cani"), {344, 152, 308, 368}, &frmAvvio::dogsRequested);
    addPicture(QStringLiteral("imgScadenze"), QStringLiteral("scadenze"), {670, 152, 308, 368}, &frmAvvio::scheduleRequested);
    addPicture(QStringLiteral("btnProprietari"), QStringLiteral("btnProprietari"), {17, 529, 306, 73}, &frmAvvio::ownersRequested);
    addPicture(QStringLiteral("btnCani"), QStringLiteral("btnCani"), {343, 529, 306, 73}, &frmAvvio::dogsRequested);
    addPicture(QStringLiteral("btnScadenze"), QStringLiteral("btnScadenze"), {669, 529, 306, 73}, &frmAvvio::scheduleRequested);
    addPicture(QStringLiteral("imgSito"), QStringLiteral("sito"), {17, 628, 961, 22}, &frmAvvio::websiteRequested);
    addPicture(QStringLiteral("imgCopyright"), QStringLiteral("copyright"), {16, 660, 23, 22}, &frmAvvio::splashRequested);
    addPicture(QStringLiteral("imgEsci"), QStringLiteral("esci"), {960, 662, 17, 18}, &frmAvvio::exitRequested);
}

void frmAvvio::addPicture(const QString &name, const QString &artwork, QRect geometry,
                          void (frmAvvio::*signal)())
{
    const QString path = QStringLiteral(":/app/%1.svg").arg(artwork);
    QWidget *picture;
    if (signal) {
        auto *button = new PictureButton(name, path, m_panel);
        connect(button, &PictureButton::clicked, this, signal);
        picture = button;
    } else {
        picture = new QSvgWidget(path, m_panel);
        picture->setObjectName(name);
    }
    picture->setGeometry(geometry);
}

void frmAvvio::resizeEvent(QResizeEvent *)
{
    m_background->setGeometry(rect());
    m_panel->move((width() - m_panel->width()) / 2, (height() - m_panel->height()) / 2);
}

void frmAvvio::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT exitRequested();
}
