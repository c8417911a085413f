// The four sections of the dog card, all at the same place, one visible.
#include "dogs/DogCardForm.h"

#include "dogs/DogCardParts.h"
#include "dogs/PhotoBox.h"
#include "ui/GradientWidget.h"
#include "ui/PictureButton.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>

using namespace DogCardParts;
using namespace DogRecord;

namespace {

constexpr QRect sectionGeometry(10, 118, 946, 432);

QSvgWidget *picture(const char *artwork, QRect geometry, QWidget *parent)
{
    auto *svg = new QSvgWidget(QStringLiteral(":/dogcard/%1.svg").arg(QLatin1StringView(artwork)), parent);
    svg->setGeometry(geometry);
    return svg;
}

} // namespace

void DogCardForm::buildSections(QWidget *cardArea)
{
    QWidget *panels[] = { buildPsicosomatica(cardArea), buildAlbero(cardArea), buildSanitaria(cardArea),
        buildDocumenti(cardArea) };
    for (int i = 0; i < 4; ++i) {
        panels[i]->setGeometry(sectionGeometry);
        sections[i].panel = panels[i];
        if (!sections[i].first)
            sections[i].first = sections[i].boxes.first();
    }
}

QWidget *DogCardForm::buildPsicosomatica(QWidget *parent)
{
    QWidget *panel = background(framedPanel("panPsicosomatica", parent));

    auto *frame = new GradientWidget(QColor(0xFF4682B4), panel);
    frame->setObjectName(QStringLiteral("panCornice"));
    background(frame);
    frame->setGeometry(10, 10, 322, 369);
    imgFoto = new PhotoBox(QStringLiteral("imgFoto"), frame);
    imgFoto->setGeometry(8, 8, 306, 353);
    background(imgFoto);
    // The placeholder that stands for a missing photo, kept out of sight.
    (new PhotoBox(QStringLiteral("imgBianco"), panel))->hide();

    auto *photoButtons = new QHBoxLayout;
    photoButtons->setSpacing(6);
    btnCaricaFoto = pictureButton("btnCaricaFoto", "caricafoto", panel);
    photoButtons->addWidget(btnCaricaFoto);
    btnSalvaFoto = pictureButton("btnSalvaFoto", "salvafoto", panel);
    photoButtons->addWidget(btnSalvaFoto);
    btnCancFoto = pictureButton("btnCancFoto", "cancfoto", panel);
    photoButtons->addWidget(btnCancFoto);
    btnZoomFoto = pictureButton("btnZoomFoto", "zoomfoto", panel);
    photoButtons->addWidget(btnZoomFoto);
    photoButtons->addStretch();
    QWidget *photoButtonArea = background(new QWidget(panel));
    photoButtonArea->setLayout(photoButtons);
    photoButtons->setContentsMargins(0, 0, 0, 0);
    photoButtonArea->setGeometry(10, 385, 322, 39);

    QWidget *boxes = background(new QWidget(panel));
    boxes->setGeometry(344, 6, 592, 420);
    // One line per row of boxes, as on screen.
    // clang-format off
    addBoxRows(boxes, {
        {{Mantello, "Colore mantello:", 2}, {Pelo, "Tipologia pelo:", 2}, {Segni, "Segni particolari:", 3}},
        {{Altezza, "Altezza:"}, {Lunghezza, "Lunghezza:"}, {Taglia, "Taglia:"}, {Peso, "Peso:"},
         {Sterilizzato, "Sterilizzato:"}},
        {{Libretto, "Libretto sanitario:"}, {Medico, "Medico veterinario:"}, {ROI, "Numero ROI/LOI/RSR/LIR/ES:"}},
        {{Microchip, "Codice microchip:", 3}, {DataApp, "Data applicazione:", 0},
         {Localizzazione, "Localizzazione:", 3}},
        {{Tatuaggio, "Tatuaggio:"}},
        {{Pedigree, "Pedigree:"}},
        {{Aggressivo, "Aggressività verso persone o altri cani:"}},
        {{Guinzaglio, "Comportamento al guinzaglio:"}},
        {{Giochi, "Giochi preferiti:"}},
        {{Note, "Note:"}},
    }, sections[Psicosomatica].boxes);
    // clang-format on
    return panel;
}

QWidget *DogCardForm::buildAlbero(QWidget *parent)
{
    QWidget *panel = background(framedPanel("panAlbero", parent));
    QWidget *boxes = background(new QWidget(panel));
    boxes->setGeometry(10, 6, 926, 380);
    // One line per row of boxes, as on screen.
    // clang-format off
    addBoxRows(boxes, {
        {{Proprietario, "Proprietario attuale:", 3}, {Recapito, "Telefono preferenziale:", 2},
         {CodFisc, "Codice fiscale:", 3, "btnCodFisc", "codfisc"},
         {ComuneRes, "Comune di residenza:", 3, "btnCarta", "carta"}},
        {{InizioProp, "Data inizio proprietà:", 0}, {Allevatore, "Allevatore:", 3},
         {Passaggi, "Passaggi di proprietà:", 3}},
        {{Padre, "Padre:"}, {NonniPat, "Nonni paterni:"}, {BisnonniPat, "Bisnonni paterni:"},
         {TrisnonniPat, "Trisnonni paterni:"}},
        {{Madre, "Madre:"}, {NonniMat, "Nonni materni:"}, {BisnonniMat, "Bisnonni materni:"},
         {TrisnonniMat, "Trisnonni materni:"}},
        {{CampionatiIta, "Campionati italiani:"}},
        {{CampionatiInt, "Campionati internazionali:"}},
        {{Titoli, "Titoli e brevetti vari:"}},
        {{Accompagnatori, "Accompagnatori (escluso proprietario):"}},
        {{Iscrizioni, "Iscrizioni a club:"}},
    }, sections[Albero].boxes);
    // clang-format on
    picture("zampe", { 10, 386, 926, 40 }, panel);
    btnCodFisc = panel->findChild<PictureButton *>(QStringLiteral("btnCodFisc"));
    return panel;
}

QWidget *DogCardForm::buildSanitaria(QWidget *parent)
{
    QWidget *panel = background(framedPanel("panSanitaria", parent));
    picture("sanitaria", { 10, 10, 300, 412 }, panel);
    QWidget *boxes = background(new QWidget(panel));
    boxes->setGeometry(330, 6, 606, 420);
    // One line per row of boxes, as on screen.
    // clang-format off
    addBoxRows(boxes, {
        {{Vaccinazioni, "Vaccinazioni:"}},
        {{Sverminazioni, "Sverminazioni:"}},
        {{Trattamenti, "Trattamenti antiparassitari:"}},
        {{Accertamenti, "Accertamenti diagnostici:"}},
        {{Malattie, "Malattie pregresse:"}},
        {{Interventi, "Interventi chirurgici:"}},
        {{Profilassi, "Profilassi in corso:"}},
        {{Difetti, "Difetti fisici:"}},
        {{Alimentazione, "Alimentazione:"}},
    }, sections[Sanitaria].boxes);
    // clang-format on
    return panel;
}

QWidget *DogCardForm::buildDocumenti(QWidget *parent)
{
    QWidget *panel = background(framedPanel("panDocumenti", parent));
    picture("titolo_documenti", { 10, 10, 926, 34 }, panel);
    picture("documenti", { 10, 54, 300, 368 }, panel);

    // The explanatory text, set like a picture: a framed, non-selectable block.
    auto *explanation = new QLabel(panel);
    explanation->setObjectName(QStringLiteral("imgSpiegazione"));
    explanation->setGeometry(330, 54, 606, 300);
    explanation->setWordWrap(true);
    explanation->setTextFormat(Qt::RichText);
    explanation->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    explanation->setAttribute(Qt::WA_StyledBackground);
    explanation->setStyleSheet(
        QStringLiteral("#imgSpiegazione { background: #EEF4FA; border: 1px solid #9DB6CC; border-radius: 6px;"
                       " padding: 14px; color: #1F4E75; }"));
    explanation->setFont(QFont(QStringLiteral("Verdana"), 11));
    explanation->setText(QString::fromUtf8(
        "<p>A ogni scheda si può <b>abbinare una cartella</b> in cui conservare le foto preferite del cane "
        "e le copie digitali dei suoi documenti: pedigree, libretto sanitario, passaporto e ogni altro "
        "documento utile.</p>"
        "<p>Per ogni cane si possono inoltre <b>annotare tutti i costi</b> sostenuti.</p>"
        "<p>La cartella abbinata e il file dei costi si trovano nella cartella di installazione del "
        "programma: copiando quella cartella si esegue la <b>copia di sicurezza</b> di tutti i dati.</p>"));

    btnCartella = captionedButton("btnCartella", "Apri cartella", panel);
    btnCartella->setGeometry(330, 372, 200, 40);
    captionedButton("btnCosti", "Annota costi", panel)->setGeometry(550, 372, 200, 40);
    sections[Documenti].first = btnCartella;
    return panel;
}
