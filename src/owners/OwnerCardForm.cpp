#include "owners/OwnerCardForm.h"

#include "owners/ProvinceBox.h"
#include "storage/OwnerRecord.h"
#include "ui/CardParts.h"
#include "ui/Centring.h"
#include "ui/GradientWidget.h"
#include "ui/PictureButton.h"
#include "ui/StatusHints.h"
#include "ui/Theme.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QSvgWidget>

using namespace CardParts;
using namespace OwnerRecord;

namespace {

constexpr QSize panelSize(995, 692);
constexpr int margin = 8;
constexpr int sectionWidth = 777;
constexpr int sectionGap = 6;
constexpr int squareSide = 96;
constexpr int columnX = margin + sectionWidth + sectionGap;
constexpr int columnWidth = 196;
constexpr int bottomY = 640;
constexpr int bottomHeight = 44;
constexpr int provinceWidth = 64;

QString artwork(const char *name)
{
    return QStringLiteral(":/ownercard/%1.svg").arg(QLatin1StringView(name));
}

PictureButton *button(const char *objectName, const char *art, QWidget *parent)
{
    return pictureButton(objectName, artwork(art), parent);
}

// The one-line description of each control, written into the status line
// while the mouse is over it, and the words a picture button's artwork shows.
constexpr StatusHints::Description statusTexts[] = {
    { "cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda.", "Nuova scheda" },
    { "cmdDuplica",
        "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti.",
        "Duplica" },
    { "cmdFile", "Allega file alla scheda corrente.", "Allega file" },
    { "cmdSalva", "Salva la scheda corrente in archivio.", "Salva" },
    { "cmdTrova", "Trova una scheda in archivio.", "Trova" },
    { "cmdAnteprima", "Visualizza l'anteprima di stampa.", "Anteprima" },
    { "cmdStampa", "Stampa la scheda corrente.", "Stampa" },
    { "cmdPDF", "Esporta la scheda in formato PDF.", "Salva in PDF" },
    { "cmdRicontatta", "Visualizza il riepilogo dei proprietari da ricontattare.", "Ricontattare" },
    { "cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel.", "Esporta Excel" },
    { "cmdGuida", "Visualizza la guida in linea.", "Guida" },
    { "cmdEsci", "Esci dalla schermata di lavoro corrente.", "Esci" },
    { "cmdPrimo", "Visualizza la prima scheda in archivio.", "Prima scheda" },
    { "cmdIndietro", "Visualizza la scheda precedente in archivio.", "Scheda precedente" },
    { "cmdAvanti", "Visualizza la scheda successiva in archivio.", "Scheda successiva" },
    { "cmdUltimo", "Visualizza l'ultima scheda in archivio.", "Ultima scheda" },
    { "btnEmail", "Invia una e-mail all'indirizzo indicato.", "Invia e-mail" },
    { "btnCodFisc", "Controlla il codice fiscale.", "Controlla codice fiscale" },
    { "btnCarta", "Controlla il numero di carta di credito.", "Controlla carta di credito" },
    { "btnPartitaIva", "Controlla il numero di partita IVA.", "Controlla partita IVA" },
    { "btnIban", "Controlla l'IBAN.", "Controlla IBAN" },
    { "chkRicontatta", "Annota che il proprietario è da ricontattare per questioni in sospeso." },
};

} // namespace

OwnerCardForm::OwnerCardForm(QWidget *window)
{
    m_background = new GradientWidget(Theme::colour(Theme::Colour::OwnerBackdrop), window);
    m_background->setObjectName(QStringLiteral("panSfondo"));
    m_panel = background(new QWidget(m_background));
    m_panel->setObjectName(QStringLiteral("panScheda"));
    m_panel->setFixedSize(panelSize);
    m_panel->setAttribute(Qt::WA_StyledBackground);
    m_panel->setStyleSheet(QStringLiteral("#panScheda { background: %1; }").arg(Theme::css(Theme::Colour::OwnerCard)));
    background(m_background);

    buildSections(m_panel);
    buildButtonColumn(m_panel)->setGeometry(columnX, margin, columnWidth, bottomY - 2 * margin);
    buildNavigation(m_panel)->setGeometry(columnX, bottomY, columnWidth, bottomHeight);

    panInfo = new QLabel(QString::fromUtf8("Pronto per archiviare una nuova scheda..."), m_panel);
    background(panInfo);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setGeometry(margin, bottomY, sectionWidth, bottomHeight);
    panInfo->setFont(Theme::font(Theme::Font::Information));
    panInfo->setStyleSheet(Theme::informationBar(Theme::colour(Theme::Colour::InformationBar), true));

    // The attached files' names and descriptions travel with the card but are
    // edited only in the attach-files window.
    addHiddenLabels(layout(), File01, Desc03, m_panel);
    describeControls(window);
}

void OwnerCardForm::fitTo(QWidget *window)
{
    m_background->setGeometry(window->rect());
    m_panel->move(centredIn(window->size(), m_panel->size()));
}

QWidget *OwnerCardForm::background(QWidget *surface)
{
    m_backgrounds.append(surface);
    return surface;
}

// A pale blue section with its picture in a white square on the left; returns
// the area its rows of boxes go on.
QWidget *OwnerCardForm::section(const char *objectName, const char *art, int height, QWidget *parent)
{
    QWidget *panel = background(new QWidget(parent));
    panel->setObjectName(QString::fromLatin1(objectName));
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(
        QStringLiteral("#%1 { background: %2; border: 1px solid %3; border-radius: 5px; }")
            .arg(panel->objectName(), Theme::css(Theme::Colour::OwnerSection), Theme::css(Theme::Colour::OwnerSectionBorder)));
    panel->resize(sectionWidth, height);

    QWidget *square = background(new QWidget(panel));
    square->setObjectName(panel->objectName() + QStringLiteral("Riquadro"));
    square->setAttribute(Qt::WA_StyledBackground);
    square->setStyleSheet(
        QStringLiteral("#%1 { background: white; border: 1px solid %2; }")
            .arg(square->objectName(), Theme::css(Theme::Colour::OwnerSectionBorder)));
    square->setGeometry(margin, (height - squareSide) / 2, squareSide, squareSide);
    auto *picture = background(new QSvgWidget(artwork(art), square));
    picture->setGeometry((squareSide - 80) / 2, (squareSide - 80) / 2, 80, 80);

    QWidget *area = background(new QWidget(panel));
    const int left = margin + squareSide + 12;
    area->setGeometry(left, 4, sectionWidth - left - 12, height - 10);
    return area;
}

void OwnerCardForm::buildSections(QWidget *parent)
{
    auto sectionAt = [&, top = margin](const char *name, const char *art, int height) mutable {
        QWidget *area = section(name, art, height, parent);
        area->parentWidget()->move(margin, top);
        top += height + sectionGap;
        return area;
    };

    QWidget *area = nullptr; // the section being built
    const auto box = [&area](Field field) { return textBox(layout(), field, area); };

    area = sectionAt("panPersonali", "sez_persona", 154);
    txtProvNasc = new ProvinceBox(QStringLiteral("txtProvNasc"), area);
    txtProvRes = new ProvinceBox(QStringLiteral("txtProvRes"), area);
    for (ProvinceBox *province : { txtProvNasc, txtProvRes }) {
        province->setFont(Theme::font(Theme::Font::FieldText));
        province->lineEdit()->setFont(province->font());
        province->setFixedHeight(26);
    }
    // clang-format off
    addRows(area, {
        {{box(Cliente), "Cognome e nome:", 3}, {box(DataNasc), "Data di nascita:", 0, 130},
         {box(ComuneNasc), "Comune di nascita:", 2}, {txtProvNasc, "Prov.", 0, provinceWidth}},
        {{box(Sesso), "Sesso:", 0, 60}, {box(Recapito), "Telefono preferenziale:", 2},
         {box(IndirizzoRes), "Residente in Via / Piazza e numero civico:", 3},
         {txtProvRes, "Prov.", 0, provinceWidth}},
        {{box(ComuneRes), "Comune di residenza:", 2}, {box(CapRes), "CAP:", 0, 80},
         {box(Estremi), "Modalità di pagamento:", 3}},
    });
    // clang-format on

    area = sectionAt("panContatti", "sez_contatti", 112);
    btnEmail = button("btnEmail", "email_invia", area);
    auto *mailPicture = new QSvgWidget(artwork("email"), area);
    mailPicture->setObjectName(QStringLiteral("imgEmail"));
    mailPicture->setFixedSize(30, 26);
    // clang-format off
    addRows(area, {
        {{box(TelCasa), "Tel. casa:"}, {box(TelUff), "Tel. ufficio:"},
         {box(TelCel), "Tel. cellulare:"}},
        {{box(Fax), "Fax:", 2},
         {box(Email), "E-mail:", 4, 0, btnEmail, mailPicture}},
    });
    // clang-format on

    area = sectionAt("panFiscali", "sez_fiscale", 112);
    btnCodFisc = button("btnCodFisc", "codfisc", area);
    btnCarta = button("btnCarta", "carta", area);
    btnPartitaIva = button("btnPartitaIva", "partitaiva", area);
    btnIban = button("btnIban", "iban", area);
    // clang-format off
    addRows(area, {
        {{box(CodFisc), "Codice fiscale:", 4, 0, btnCodFisc},
         {box(Carta), "Carta di credito n.", 4, 0, btnCarta},
         {box(ScadeCarta), "Scadenza:", 2}},
        {{box(PartitaIva), "Partita IVA:", 3, 0, btnPartitaIva},
         {box(Iban), "IBAN:", 6, 0, btnIban}},
    });
    // clang-format on

    area = sectionAt("panAltri", "sez_altri", 112);
    // clang-format off
    addRows(area, {
        {{box(Documento), "Estremi documento:"}, {box(Occupazione), "Occupazione:"},
         {box(Civile), "Stato civile:"}},
        {{box(Titoli), "Titoli e qualifiche:"}, {box(CaniOra), "Cani posseduti attualmente:"},
         {box(CaniPrima), "Cani posseduti in passato:"}},
    });
    // clang-format on

    area = sectionAt("panSeguito", "sez_seguito", 112);
    chkRicontatta = new QCheckBox(QStringLiteral("Da ricontattare"), area);
    chkRicontatta->setObjectName(QStringLiteral("chkRicontatta"));
    chkRicontatta->setFont(Theme::font(Theme::Font::Label));
    chkRicontatta->setCursor(Qt::PointingHandCursor);
    // clang-format off
    addRows(area, {
        {{box(Questioni), "Questioni in sospeso:", 4}, {chkRicontatta, nullptr, 0}},
        {{box(Note), "Note:"}},
    });
    // clang-format on
}

QWidget *OwnerCardForm::buildButtonColumn(QWidget *parent)
{
    QWidget *column = background(framedPanel("panPulsanti", parent));
    auto *stack = new QVBoxLayout(column);
    stack->setContentsMargins(0, 10, 0, 8);
    stack->setSpacing(5);
    cmdNuovo = button("cmdNuovo", "nuovo", column);
    cmdDuplica = button("cmdDuplica", "duplica", column);
    cmdFile = button("cmdFile", "file", column);
    cmdSalva = button("cmdSalva", "salva", column);
    cmdEsporta = button("cmdEsporta", "esporta", column);
    cmdGuida = button("cmdGuida", "guida", column);
    cmdEsci = button("cmdEsci", "esci", column);
    // Made after the buttons above, as the Tab order has always had them.
    cmdTrova = button("cmdTrova", "trova", column);
    cmdAnteprima = button("cmdAnteprima", "anteprima", column);
    cmdStampa = button("cmdStampa", "stampa", column);
    cmdPDF = button("cmdPDF", "pdf", column);
    cmdRicontatta = button("cmdRicontatta", "ricontatta", column);
    const std::initializer_list<QWidget *> members
        = { cmdNuovo, cmdDuplica, cmdFile, cmdSalva, cmdTrova, cmdAnteprima, cmdStampa, cmdPDF, cmdRicontatta,
              cmdEsporta, cmdGuida, cmdEsci };
    for (QWidget *member : members)
        stack->addWidget(member, 0, Qt::AlignHCenter);
    stack->addStretch();
    auto *decoration = background(new QSvgWidget(artwork("decorazione"), column));
    decoration->setObjectName(QStringLiteral("imgDecorazione"));
    decoration->setFixedSize(170, 150);
    stack->addWidget(decoration, 0, Qt::AlignHCenter);
    return column;
}

QWidget *OwnerCardForm::buildNavigation(QWidget *parent)
{
    QWidget *strip = background(framedPanel("panNavigazione", parent));
    cmdPrimo = button("cmdPrimo", "primo", strip);
    cmdIndietro = button("cmdIndietro", "indietro", strip);
    lblPosizione = positionLabel(strip, 91);
    background(lblPosizione);
    cmdAvanti = button("cmdAvanti", "avanti", strip);
    cmdUltimo = button("cmdUltimo", "ultimo", strip);
    auto *row = new QHBoxLayout(strip);
    row->setContentsMargins(4, 0, 4, 0);
    row->setSpacing(2);
    const std::initializer_list<QWidget *> members
        = { cmdPrimo, cmdIndietro, lblPosizione, cmdAvanti, cmdUltimo };
    for (QWidget *member : members)
        row->addWidget(member, 0, Qt::AlignVCenter);
    return strip;
}

void OwnerCardForm::describeControls(QWidget *window)
{
    auto *hints = new StatusHints(panInfo);
    hints->describe(window, statusTexts);
    for (QWidget *surface : std::as_const(m_backgrounds))
        hints->addBackground(surface);
}
