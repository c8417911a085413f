// The four sections of the dog card, all at the same place, one visible.
#include "dogs/DogCardForm.h"

#include "dogs/PhotoBox.h"
#include "storage/DogRecord.h"
#include "ui/CardParts.h"
#include "ui/GradientWidget.h"
#include "ui/PictureButton.h"
#include "ui/Theme.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>

using namespace CardParts;
using namespace DogRecord;

namespace {

constexpr QRect sectionGeometry(10, 118, 946, 432);

QSvgWidget *picture(const char *artwork, QRect geometry, QWidget *parent)
{
    auto *svg = new QSvgWidget(dogArtwork(artwork), parent);
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

    auto *frame = new GradientWidget(Theme::colour(Theme::Colour::DogBackdrop), panel);
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
    btnCaricaFoto = pictureButton("btnCaricaFoto", dogArtwork("caricafoto"), panel);
    photoButtons->addWidget(btnCaricaFoto);
    btnSalvaFoto = pictureButton("btnSalvaFoto", dogArtwork("salvafoto"), panel);
    photoButtons->addWidget(btnSalvaFoto);
    btnCancFoto = pictureButton("btnCancFoto", dogArtwork("cancfoto"), panel);
    photoButtons->addWidget(btnCancFoto);
    btnZoomFoto = pictureButton("btnZoomFoto", dogArtwork("zoomfoto"), panel);
    photoButtons->addWidget(btnZoomFoto);
    photoButtons->addStretch();
    QWidget *photoButtonArea = background(new QWidget(panel));
    photoButtonArea->setLayout(photoButtons);
    photoButtons->setContentsMargins(0, 0, 0, 0);
    photoButtonArea->setGeometry(10, 385, 322, 39);

    QWidget *boxes = background(new QWidget(panel));
    boxes->setGeometry(344, 6, 592, 420);
    const BoxMaker box(layout(), boxes, &sections[Psicosomatica].boxes);
    btnPeso = pictureButton("btnPeso", dogArtwork("peso"), boxes);
    // One line per row of boxes, as on screen.
    // clang-format off
    addRows(boxes, {
        {{box(Mantello), "Colore mantello:", 2}, {box(Pelo), "Tipologia pelo:", 2},
         {box(Segni), "Segni particolari:", 3}},
        {{box(Altezza), "Altezza:"}, {box(Lunghezza), "Lunghezza:"}, {box(Taglia), "Taglia:"},
         {box(Peso), "Peso:", 0, 0, btnPeso}, {box(Sterilizzato), "Sterilizzato:"}},
        {{box(Libretto), "Libretto sanitario:"}, {box(Medico), "Medico veterinario:"},
         {box(ROI), "Numero ROI/LOI/RSR/LIR/ES:"}},
        {{box(Microchip), "Codice microchip:", 3}, {box(DataApp), "Data applicazione:", 0, dateWidth},
         {box(Localizzazione), "Localizzazione:", 3}},
        {{box(Tatuaggio), "Tatuaggio:"}},
        {{box(Pedigree), "Pedigree:"}},
        {{box(Aggressivo), "Aggressività verso persone o altri cani:"}},
        {{box(Guinzaglio), "Comportamento al guinzaglio:"}},
        {{box(Giochi), "Giochi preferiti:"}},
        {{box(Note), "Note:"}},
    });
    // clang-format on
    return panel;
}

QWidget *DogCardForm::buildAlbero(QWidget *parent)
{
    QWidget *panel = background(framedPanel("panAlbero", parent));
    QWidget *boxes = background(new QWidget(panel));
    boxes->setGeometry(10, 6, 926, 380);
    const BoxMaker box(layout(), boxes, &sections[Albero].boxes);
    btnCodFisc = pictureButton("btnCodFisc", dogArtwork("codfisc"), boxes);
    // One line per row of boxes, as on screen; each control is made where it
    // stands, which gives the Tab order.
    // clang-format off
    addRows(boxes, {
        {{box(Proprietario), "Proprietario attuale:", 3}, {box(Recapito), "Telefono preferenziale:", 2},
         {box(CodFisc), "Codice fiscale:", 3, 0, btnCodFisc},
         {box(ComuneRes), "Comune di residenza:", 3, 0, btnCarta = pictureButton("btnCarta", dogArtwork("carta"), boxes)}},
        {{box(InizioProp), "Data inizio proprietà:", 0, dateWidth}, {box(Allevatore), "Allevatore:", 3},
         {box(Passaggi), "Passaggi di proprietà:", 3}},
        {{box(Padre), "Padre:"}, {box(NonniPat), "Nonni paterni:"}, {box(BisnonniPat), "Bisnonni paterni:"},
         {box(TrisnonniPat), "Trisnonni paterni:"}},
        {{box(Madre), "Madre:"}, {box(NonniMat), "Nonni materni:"}, {box(BisnonniMat), "Bisnonni materni:"},
         {box(TrisnonniMat), "Trisnonni materni:"}},
        {{box(CampionatiIta), "Campionati italiani:"}},
        {{box(CampionatiInt), "Campionati internazionali:"}},
        {{box(Titoli), "Titoli e brevetti vari:"}},
        {{box(Accompagnatori), "Accompagnatori (escluso proprietario):"}},
        {{box(Iscrizioni), "Iscrizioni a club:"}},
    });
    // clang-format on
    picture("zampe", { 10, 386, 706, 40 }, panel);
    btnPedigree = captionedButton("btnPedigree", "Pedigree", panel);
    btnPedigree->setGeometry(736, 386, 200, 40);
    return panel;
}

QWidget *DogCardForm::buildSanitaria(QWidget *parent)
{
    QWidget *panel = background(framedPanel("panSanitaria", parent));
    picture("sanitaria", { 10, 10, 300, 412 }, panel);
    QWidget *boxes = background(new QWidget(panel));
    boxes->setGeometry(330, 6, 606, 420);
    const BoxMaker box(layout(), boxes, &sections[Sanitaria].boxes);
    // One line per row of boxes, as on screen.
    // clang-format off
    addRows(boxes, {
        {{box(Vaccinazioni), "Vaccinazioni:"}},
        {{box(Sverminazioni), "Sverminazioni:"}},
        {{box(Trattamenti), "Trattamenti antiparassitari:"}},
        {{box(Accertamenti), "Accertamenti diagnostici:"}},
        {{box(Malattie), "Malattie pregresse:"}},
        {{box(Interventi), "Interventi chirurgici:"}},
        {{box(Profilassi), "Profilassi in corso:"}},
        {{box(Difetti), "Difetti fisici:"}},
        {{box(Alimentazione), "Alimentazione:"}},
    });
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
        QStringLiteral("#imgSpiegazione { background: %1; border: 1px solid %2; border-radius: 6px;"
                       " padding: 14px; color: %3; }")
            .arg(Theme::css(Theme::Colour::ExplanationBackground), Theme::css(Theme::Colour::BoxBorder), Theme::css(Theme::Colour::CaptionText)));
    explanation->setFont(Theme::font(Theme::Font::Explanation));
    explanation->setText(QString::fromUtf8(
        "<p>A ogni scheda si può <b>abbinare una cartella</b> in cui conservare le foto preferite del cane "
        "e le copie digitali dei suoi documenti: pedigree, libretto sanitario, passaporto e ogni altro "
        "documento utile.</p>"
        "<p>Per ogni cane si possono inoltre <b>annotare tutti i costi</b> sostenuti e tenere il <b>libretto "
        "sanitario</b>, con le scadenze di vaccinazioni e trattamenti.</p>"
        "<p>La cartella abbinata e il file dei costi si trovano nella cartella di installazione del "
        "programma: copiando quella cartella si esegue la <b>copia di sicurezza</b> di tutti i dati.</p>"));

    btnCartella = captionedButton("btnCartella", "Apri cartella", panel);
    btnCartella->setGeometry(330, 372, 200, 40);
    btnCosti = captionedButton("btnCosti", "Annota costi", panel);
    btnCosti->setGeometry(550, 372, 200, 40);
    btnSalute = captionedButton("btnSalute", "Libretto sanitario", panel);
    btnSalute->setGeometry(770, 372, 166, 40);
    sections[Documenti].first = btnCartella;
    return panel;
}
