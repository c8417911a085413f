#include "dogs/CostsForm.h"

#include "dogs/DogLogParts.h"
#include "storage/CostRecord.h"
#include "ui/BoxStyle.h"
#include "ui/CardParts.h"
#include "ui/GradientWidget.h"
#include "ui/LineList.h"
#include "ui/PictureButton.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>

using namespace DogLogParts;

namespace {

constexpr QRect viewGeometry(0, 0, 833, 585);

QSvgWidget *picture(const char *artwork, const QRect &geometry, QWidget *parent)
{
    auto *picture
        = new QSvgWidget(QStringLiteral(":/dogs/costs/%1.svg").arg(QLatin1StringView(artwork)), parent);
    picture->setGeometry(geometry);
    return picture;
}

QLineEdit *costBox(CostRecord::Field field, QWidget *parent)
{
    return CardParts::textBox(CostRecord::layout(), field, parent);
}

} // namespace

CostsForm::CostsForm(QWidget *window)
{
    window->setFixedSize(viewGeometry.size());
    buildListView(window);
    buildEntryView(window);
    panCosti->hide();
    BoxStyle::applyFocusColours(window);
}

void CostsForm::buildListView(QWidget *window)
{
    panContainer = background("panContainer", viewGeometry, window);

    lblTitolo = title("lblTitolo", "", { 16, 12, 801, 40 }, Theme::Font::CostsTitle, panContainer);

    QWidget *findBand = whitePanel("panTrova", { 16, 60, 801, 94 }, panContainer);
    picture("mano", { 12, 8, 40, 40 }, findBand);
    QLabel *instruction = label("lblRigo01",
        "Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e premere il "
        "pulsante Trova.",
        findBand);
    instruction->setGeometry(62, 8, 727, 40);
    instruction->setWordWrap(true);
    instruction->setFont(Theme::font(Theme::Font::Hint));
    instruction->setStyleSheet(QStringLiteral("color: %1;").arg(Theme::css(Theme::Colour::CaptionText)));
    picture("lente", { 16, 55, 30, 30 }, findBand);
    txtTrova = new QLineEdit(findBand);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setGeometry(62, 56, 570, 28);
    txtTrova->setFont(Theme::font(Theme::Font::FieldText));
    btnTrova = CardParts::captionedButton("btnTrova", "Trova", findBand);
    btnTrova->setGeometry(646, 54, 143, 32);

    // Every line as wide as a printed row, whatever its neighbours: a long
    // amount is never cut short, and scrolling sideways brings it into view.
    lstRecords = new LineList(QStringLiteral("lstRecords"), panContainer);
    lstRecords->setGeometry(16, 164, 801, 273);

    QLabel *hint = label("lblRigo03",
        "Per modificare una voce in elenco, selezionarla con un clic e premere il pulsante Modifica costo.",
        panContainer);
    hint->setGeometry(16, 442, 801, 22);
    hint->setFont(Theme::font(Theme::Font::Hint));
    hint->setStyleSheet(QStringLiteral("color: %1;").arg(Theme::css(Theme::Colour::AlertText)));

    auto *totalBar = new QWidget(panContainer);
    totalBar->setObjectName(QStringLiteral("panTotale"));
    totalBar->setAttribute(Qt::WA_StyledBackground);
    totalBar->setStyleSheet(QStringLiteral("#panTotale { background: %1; border-radius: 5px; }"
                                           " QLabel { color: white; }")
                                .arg(Theme::css(Theme::Colour::CaptionText)));
    totalBar->setGeometry(16, 468, 801, 38);
    QLabel *totalTitle = label("titValoreTotale", "TOTALE COSTI:", totalBar);
    totalTitle->setFont(Theme::font(Theme::Font::FieldText));
    lblTotale = label("lblTotale", "0,00", totalBar);
    lblTotale->setFont(Theme::font(Theme::Font::FieldText));
    lblTotale->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *totalRow = new QHBoxLayout(totalBar);
    totalRow->setContentsMargins(14, 0, 14, 0);
    totalRow->addWidget(totalTitle);
    totalRow->addStretch();
    totalRow->addWidget(lblTotale);

    buttonRow({ 16, 522, 801, 44 }, 14,
        { { &btnChiudi, "btnChiudi", "Chiudi" }, { &btnAggiungi, "btnAggiungi", "Aggiungi costo" },
            { &btnModifica, "btnModifica", "Modifica costo" }, { &btnStampa, "btnStampa", "Stampa riepilogo" } },
        panContainer);
}

void CostsForm::buildEntryView(QWidget *window)
{
    panCosti = background("panCosti", viewGeometry, window);

    title("titIstruzioni", "Immettere i dati nei campi sottostanti e premere Salva.", { 16, 12, 801, 40 }, Theme::Font::Instruction,
        panCosti);

    picture("costi", { 16, 60, 260, 490 }, panCosti);

    QWidget *entry = whitePanel("panVoce", { 292, 60, 525, 490 }, panCosti);
    const DateBox date = dateBox(CostRecord::layout(), CostRecord::Data, entry);
    txtData = date.box;
    impData = date.today;
    auto *dateRow = new QHBoxLayout;
    dateRow->setSpacing(6);
    dateRow->addWidget(txtData);
    dateRow->addWidget(impData);
    dateRow->addStretch();
    txtCausale = costBox(CostRecord::Causale, entry);
    txtPagatore = costBox(CostRecord::Pagatore, entry);
    txtBeneficiario = costBox(CostRecord::Beneficiario, entry);
    txtImporto = costBox(CostRecord::Importo, entry);
    txtImporto->setText(QStringLiteral("0,00"));
    txtImporto->setFixedWidth(200);
    txtImporto->setAlignment(Qt::AlignRight);

    auto *boxes = new QFormLayout;
    boxes->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    boxes->setVerticalSpacing(18);
    boxes->setHorizontalSpacing(12);
    boxes->addRow(caption("Data:", entry), dateRow);
    boxes->addRow(caption("Causale:", entry), txtCausale);
    boxes->addRow(caption("Pagatore:", entry), txtPagatore);
    boxes->addRow(caption("Beneficiario:", entry), txtBeneficiario);
    boxes->addRow(caption("Importo: €", entry), txtImporto);

    auto *euro = new QSvgWidget(QStringLiteral(":/dogs/costs/euro.svg"), entry);
    euro->setFixedSize(64, 64);
    btnSalva = CardParts::captionedButton("btnSalva", "Salva", entry);
    cmdClose = CardParts::captionedButton("cmdClose", "Chiudi", entry);
    auto *buttonRow = new QHBoxLayout;
    buttonRow->setSpacing(14);
    buttonRow->addWidget(euro);
    buttonRow->addStretch();
    for (QPushButton *button : { btnSalva, cmdClose }) {
        button->setFixedSize(150, 40);
        buttonRow->addWidget(button, 0, Qt::AlignBottom);
    }

    auto *column = new QVBoxLayout(entry);
    column->setContentsMargins(20, 28, 20, 20);
    column->addLayout(boxes);
    column->addStretch();
    column->addLayout(buttonRow);

    lblFile = label("lblFile", "", panCosti);
    lblFile->hide();
    lblPosizione = label("lblPosizione", "", panCosti);
    lblPosizione->hide();
}
