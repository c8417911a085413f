#include "dogs/DogCardForm.h"

#include "dogs/PhotoBox.h"
#include "storage/DogRecord.h"
#include "ui/BoxStyle.h"
#include "ui/CardParts.h"
#include "ui/Centring.h"
#include "ui/GradientWidget.h"
#include "ui/PictureButton.h"
#include "ui/StatusHints.h"
#include "ui/Theme.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace CardParts;

namespace {

constexpr QSize containerSize(996, 692);

// The one-line description of each control, written into the status strip
// while the mouse is over it, and the words a picture button's artwork shows.
constexpr StatusHints::Description statusTexts[] = {
    { "cmdNuovo", "Prepara la schermata per l'inserimento di una nuova scheda.", "Nuovo" },
    { "cmdDuplica",
        "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti.", "Duplica" },
    { "cmdSalva", "Salva la scheda corrente in archivio.", "Salva" },
    { "cmdTrova", "Trova una scheda in archivio.", "Trova" },
    { "cmdFile", "Allega file alla scheda corrente.", "Allega file" },
    { "cmdAnteprima", "Esporta la scheda corrente in formato RTF.", "Esporta in RTF" },
    { "cmdStampa", "Stampa la scheda corrente.", "Stampa" },
    { "cmdPrimo", "Visualizza la prima scheda in archivio.", "Prima scheda" },
    { "cmdIndietro", "Visualizza la scheda precedente in archivio.", "Scheda precedente" },
    { "cmdAvanti", "Visualizza la scheda successiva in archivio.", "Scheda successiva" },
    { "cmdUltimo", "Visualizza l'ultima scheda in archivio.", "Ultima scheda" },
    { "cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel.", "Esporta in Excel" },
    { "cmdGuida", "Visualizza la guida in linea.", "Guida" },
    { "cmdEsci", "Esci dalla schermata di lavoro corrente.", "Esci" },
    { "btnPsicosomatica", "Visualizza la sezione relativa ai dati psicosomatici." },
    { "btnAlbero", "Visualizza la sezione relativa all'albero genealogico." },
    { "btnSanitaria", "Visualizza la sezione relativa alla situazione sanitaria." },
    { "btnDocumenti", "Visualizza la sezione relativa ai documenti e costi." },
    { "btnCaricaFoto", "Carica una foto esistente.", "Carica foto" },
    { "btnSalvaFoto", "Salva la foto su disco.", "Salva foto" },
    { "btnCancFoto", "Cancella la foto.", "Cancella foto" },
    { "btnZoomFoto", "Visualizza la foto nelle sue dimensioni reali.", "Ingrandisci foto" },
    { "btnCodFisc", "Controlla il codice fiscale.", "Controlla codice fiscale" },
    { "btnCarta", "Importa i dati dall'archivio anagrafico dei proprietari.", "Importa proprietario" },
    { "btnCartella", "Apri la cartella abbinata al cane per aggiungere o rimuovere documenti." },
    { "btnCosti", "Visualizza la finestra per l'annotazione dei costi sostenuti." },
    { "btnSalute", "Visualizza il libretto sanitario del cane con le scadenze di vaccinazioni e trattamenti." },
    { "btnPeso", "Visualizza il registro delle pesate del cane con il grafico del peso.", "Registro pesate" },
};

} // namespace

QString dogArtwork(const char *name)
{
    return QStringLiteral(":/dogcard/%1.svg").arg(QLatin1StringView(name));
}

DogCardForm::DogCardForm(QWidget *window)
{
    m_background = new GradientWidget(Theme::colour(Theme::Colour::CardBackdrop), window);
    m_background->setObjectName(QStringLiteral("panSfondo"));
    m_container = new GradientWidget(Theme::colour(Theme::Colour::CardBackdrop), m_background);
    m_container->setObjectName(QStringLiteral("panContenitore"));
    background(m_background);
    background(m_container);
    m_container->setFixedSize(containerSize);

    buildToolStrip(m_container)->setGeometry(10, 6, 976, 47);

    QWidget *cardArea = background(new QWidget(m_container));
    cardArea->setObjectName(QStringLiteral("panScheda"));
    cardArea->setAttribute(Qt::WA_StyledBackground);
    cardArea->setStyleSheet(QStringLiteral("#panScheda { background: %1; border-radius: 6px; }").arg(Theme::css(Theme::Colour::DogCard)));
    cardArea->setGeometry(10, 62, 976, 560);
    buildHead(cardArea)->setGeometry(10, 10, 946, 62);
    buildSectionButtons(cardArea)->setGeometry(10, 80, 946, 32);
    buildSections(cardArea);

    panInfo = new QLabel(QString::fromUtf8("Pronto per archiviare una nuova scheda..."), m_container);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setGeometry(10, 636, 976, 32);
    panInfo->setFont(Theme::font(Theme::Font::Information));
    panInfo->setStyleSheet(Theme::informationBar(Theme::colour(Theme::Colour::DogInformationBar), true));

    BoxStyle::applyFocusColours(m_container);
    describeControls(window);
}

void DogCardForm::fitTo(QWidget *window)
{
    m_background->setGeometry(window->rect());
    m_container->move(centredIn(window->size(), m_container->size()));
}

QWidget *DogCardForm::background(QWidget *surface)
{
    m_backgrounds.append(surface);
    return surface;
}

// A white group of tool strip buttons.
QWidget *DogCardForm::toolGroup(QWidget *parent, std::initializer_list<QWidget *> members)
{
    QWidget *group = background(new QWidget(parent));
    group->setAttribute(Qt::WA_StyledBackground);
    group->setStyleSheet(QStringLiteral("background: white; border-radius: 5px;"));
    auto *row = new QHBoxLayout(group);
    row->setContentsMargins(4, 3, 4, 3);
    row->setSpacing(2);
    for (QWidget *member : members) {
        member->setParent(group);
        row->addWidget(member, 0, Qt::AlignVCenter);
    }
    return group;
}

QWidget *DogCardForm::buildToolStrip(QWidget *parent)
{
    QWidget *strip = background(new QWidget(parent));

    cmdNuovo = pictureButton("cmdNuovo", dogArtwork("nuovo"), strip);
    cmdDuplica = pictureButton("cmdDuplica", dogArtwork("duplica"), strip);
    cmdSalva = pictureButton("cmdSalva", dogArtwork("salva"), strip);
    cmdPrimo = pictureButton("cmdPrimo", dogArtwork("primo"), strip);
    cmdIndietro = pictureButton("cmdIndietro", dogArtwork("indietro"), strip);
    cmdAvanti = pictureButton("cmdAvanti", dogArtwork("avanti"), strip);
    cmdUltimo = pictureButton("cmdUltimo", dogArtwork("ultimo"), strip);
    cmdEsci = pictureButton("cmdEsci", dogArtwork("esci"), strip);

    lblPosizione = positionLabel(strip, 82);

    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(16);
    row->addWidget(
        toolGroup(strip, { cmdNuovo, cmdDuplica, cmdSalva, cmdTrova = pictureButton("cmdTrova", dogArtwork("trova"), strip) }));
    cmdFile = pictureButton("cmdFile", dogArtwork("file"), strip);
    row->addWidget(toolGroup(strip, { cmdFile }));
    cmdAnteprima = pictureButton("cmdAnteprima", dogArtwork("anteprima"), strip);
    cmdStampa = pictureButton("cmdStampa", dogArtwork("stampa"), strip);
    row->addWidget(toolGroup(strip, { cmdAnteprima, cmdStampa }));
    row->addWidget(toolGroup(strip, { cmdPrimo, cmdIndietro, lblPosizione, cmdAvanti, cmdUltimo }));
    cmdEsporta = pictureButton("cmdEsporta", dogArtwork("esporta"), strip);
    row->addWidget(toolGroup(strip, { cmdEsporta }));
    cmdGuida = pictureButton("cmdGuida", dogArtwork("guida"), strip);
    row->addWidget(toolGroup(strip, { cmdGuida, cmdEsci }));
    row->addStretch();

    // The attached files' names and descriptions travel with the card but are
    // edited only in the attach-files window.
    addHiddenLabels(DogRecord::layout(), DogRecord::File01, DogRecord::Desc03, strip);
    return strip;
}

QWidget *DogCardForm::buildHead(QWidget *parent)
{
    QWidget *head = background(framedPanel("panTestata", parent));
    QWidget *boxes = background(new QWidget(head));
    boxes->setGeometry(10, 5, 926, 52);
    const BoxMaker box(DogRecord::layout(), boxes, &headBoxes);
    // clang-format off
    addRows(boxes, {{
        {box(DogRecord::Nome), "Nome cane:", 3},
        {box(DogRecord::Sesso), "Sesso:", 0, 60},
        {box(DogRecord::DataNasc), "Data nascita:", 0, dateWidth},
        {box(DogRecord::Gruppo), "Gruppo appartenenza:", 3},
        {box(DogRecord::Razza), "Razza:", 3},
    }});
    // clang-format on
    headBoxes[DogRecord::Sesso]->setAlignment(Qt::AlignCenter);
    return head;
}

QWidget *DogCardForm::buildSectionButtons(QWidget *parent)
{
    QWidget *row = background(new QWidget(parent));
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    constexpr std::array<std::pair<const char *, const char *>, 4> captions { {
        { "btnPsicosomatica", "Dati psicosomatici" },
        { "btnAlbero", "Albero genealogico" },
        { "btnSanitaria", "Situazione sanitaria" },
        { "btnDocumenti", "Documenti e costi" },
    } };
    // The button of the visible section is disabled: drawn white, like a tab in front.
    using Theme::Colour;
    row->setStyleSheet(
        QStringLiteral("QPushButton { color: white; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, "
                       "stop:0 %1, stop:1 %2);"
                       " border: 1px solid %3; border-radius: 4px; }"
                       "QPushButton:hover { background: %4; }"
                       "QPushButton:disabled { color: %5; background: white; border-color: %6; }")
            .arg(Theme::css(Colour::SectionButtonTop), Theme::css(Colour::SectionButtonFoot),
                 Theme::css(Colour::SectionButtonBorder), Theme::css(Colour::SectionButtonHover),
                 Theme::css(Colour::CaptionText), Theme::css(Colour::BoxBorder)));
    for (int i = 0; i < 4; ++i) {
        QPushButton *button = captionedButton(captions[i].first, captions[i].second, row);
        button->setFixedHeight(32);
        layout->addWidget(button);
        sections[i].button = button;
    }
    return row;
}

void DogCardForm::describeControls(QWidget *window)
{
    auto *hints = new StatusHints(panInfo);
    hints->describe(window, statusTexts);
    for (QWidget *surface : std::as_const(m_backgrounds))
        hints->addBackground(surface);
}
