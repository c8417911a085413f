#include "app/frmAvvio.h"

#include "core/ProcessFormats.h"
#include "ui/Centring.h"
#include "ui/GradientWidget.h"
#include "ui/PictureButton.h"
#include "ui/Theme.h"

#include <QCloseEvent>
#include <QSvgWidget>

// One picture of the panel, drawn from ":/app/<artwork>.svg". A picture with
// a signal is a PictureButton named for assistive tools by the words it shows
// (or, for an icon, by what it stands for); the others are plain artwork.
struct frmAvvio::Picture
{
    const char *name;
    const char *artwork;
    QRect geometry;
    void (frmAvvio::*clicked)() = nullptr;
    const char *words = nullptr;
    // The window has no status strip: a picture that needs explaining says
    // what it does as its tool tip.
    const char *hint = nullptr;
};

frmAvvio::frmAvvio(QWidget *parent)
    : QWidget(parent)
{
    applyProcessFormats();
    setObjectName(QStringLiteral("frmAvvio"));
    setWindowTitle(QStringLiteral("Zampora"));
    // The menu opens maximised; restored, it still shows the whole panel.
    resize(panelSize);

    m_background = new GradientWidget(Theme::colour(Theme::Colour::StartBackdrop), this);
    m_panel = new QWidget(m_background);
    m_panel->setObjectName(QStringLiteral("panAvvio"));
    m_panel->setFixedSize(panelSize);
    m_panel->setAttribute(Qt::WA_StyledBackground);
    m_panel->setStyleSheet(Theme::whitePanel(QStringLiteral("panAvvio")));

    const Picture pictures[] = {
        { "imgInfo", "info", { 14, 14, 30, 30 }, &frmAvvio::infoRequested, "Informazioni" },
        { "imgIcona", "icona", { 110, 19, 66, 68 } },
        { "imgTitolo", "titolo", { 194, 26, 679, 63 } },
        { "imgGuida", "guida", { 952, 16, 29, 28 }, &frmAvvio::helpRequested, "Guida" },
        { "imgSottotitolo", "sottotitolo", { 17, 100, 961, 22 } },
        { "imgProprietari", "proprietari", { 18, 152, 308, 368 }, &frmAvvio::ownersRequested,
            "Anagrafica proprietari" },
        { "imgCani", "cani", { 344, 152, 308, 368 }, &frmAvvio::dogsRequested, "Anagrafica cani" },
        { "imgScadenze", "scadenze", { 670, 152, 308, 368 }, &frmAvvio::scheduleRequested,
            "Scadenze e appuntamenti" },
        { "btnProprietari", "btnProprietari", { 17, 529, 306, 73 }, &frmAvvio::ownersRequested,
            "Anagrafica proprietari" },
        { "btnCani", "btnCani", { 343, 529, 306, 73 }, &frmAvvio::dogsRequested, "Anagrafica cani" },
        { "btnScadenze", "btnScadenze", { 669, 529, 306, 73 }, &frmAvvio::scheduleRequested,
            "Scadenze e appuntamenti" },
        { "imgSito", "sito", { 17, 628, 961, 22 }, &frmAvvio::websiteRequested, "www.zampora.it" },
        { "imgCopyright", "copyright", { 16, 660, 23, 22 }, &frmAvvio::splashRequested, "Copyright" },
        { "imgEsci", "esci", { 960, 662, 17, 18 }, &frmAvvio::exitRequested, "Esci" },
        // Beside the exit, out of the way of the archives.
        { "imgCopiaSicurezza", "copia", { 896, 660, 23, 22 }, &frmAvvio::backupRequested, "Crea copia di sicurezza",
            "Salva tutti i dati del programma in una copia di sicurezza." },
        { "imgRipristino", "ripristino", { 926, 660, 23, 22 }, &frmAvvio::restoreRequested,
            "Ripristina copia di sicurezza", "Ripristina i dati del programma da una copia di sicurezza." },
    };
    for (const Picture &picture : pictures)
        addPicture(picture);
}

void frmAvvio::addPicture(const Picture &picture)
{
    const QString name = QString::fromLatin1(picture.name);
    const QString path = QStringLiteral(":/app/%1.svg").arg(QLatin1StringView(picture.artwork));
    QWidget *widget;
    if (picture.clicked) {
        auto *button = new PictureButton(name, path, m_panel);
        button->setAccessibleName(QString::fromUtf8(picture.words));
        if (picture.hint) {
            button->setStatusText(QString::fromUtf8(picture.hint));
            button->setToolTip(QString::fromUtf8(picture.hint));
        }
        connect(button, &PictureButton::clicked, this, picture.clicked);
        widget = button;
    } else {
        widget = new QSvgWidget(path, m_panel);
        widget->setObjectName(name);
    }
    widget->setGeometry(picture.geometry);
}

void frmAvvio::resizeEvent(QResizeEvent *)
{
    m_background->setGeometry(rect());
    // On a screen smaller than the panel its top-left corner stays in view.
    const QPoint centred = centredIn(size(), m_panel->size());
    m_panel->move(qMax(0, centred.x()), qMax(0, centred.y()));
}

void frmAvvio::closeEvent(QCloseEvent *event)
{
    event->accept();
    Q_EMIT exitRequested();
}
