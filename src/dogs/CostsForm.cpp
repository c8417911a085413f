#include "dogs/CostsForm.h"

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

using CardParts::captionedButton;

namespace {

const QColor backgroundTop(0xFF427AA8);
constexpr QRect viewGeometry(0, 0, 833, 585);
const QString navy = QStringLiteral("#1F4E75");

QSvgWidget *picture(const char *artwork, const QRect &geometry, QWidget *parent)
{
    auto *picture
        = new QSvgWidget(QStringLiteral(":/dogs/costs/%1.svg").arg(QLatin1StringView(artwork)), parent);
    picture->setGeometry(geometry);
    return picture;
}

QLabel *label(const char *objectName, const char *text, QWidget *parent)
{
    auto *label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

// A white panel with a thin frame, as the dog card's sections.
QWidget *whitePanel(const char *objectName, const QRect &geometry, QWidget *parent)
{
    QWidget *panel = CardParts::framedPanel(objectName, parent);
    panel->setGeometry(geometry);
    return panel;
}

QLineEdit *costBox(CostRecord::Field field, QWidget *parent)
{
    return CardParts::textBox(CostRecord::layout(), field, parent);
}

GradientWidget *view(const char *objectName, QWidget *window)
{
    auto *view = new GradientWidget(backgroundTop, window);
    view->setObjectName(QString::fromLatin1(objectName));
    view->setGeometry(viewGeometry);
    return view;
}

} // namespace

CostsForm::CostsForm(QWidget *window)
{
    buildListView(window);
    buildEntryView(window);
    panCosti->hide();
    BoxStyle::applyFocusColours(window);
}

void CostsForm::buildListView(QWidget *window)
{
    panContainer = view("panContainer", window);

    lblTitolo = label("lblTitolo", "", panContainer);
    lblTitolo->setGeometry(16, 12, 801, 40);
    lblTitolo->setAlignment(Qt::AlignCenter);
    lblTitolo->setFont(QFont(QStringLiteral("Verdana"), 18));
    lblTitolo->setStyleSheet(QStringLiteral("color: white;"));

    QWidget *findBand = whitePanel("panTrova", { 16, 60, 801, 94 }, panContainer);
    picture("mano", { 12, 8, 40, 40 }, findBand);
    QLabel *instruction = label("lblRigo01",
        "Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e premere il "
        "pulsante Trova.",
        findBand);
    instruction->setGeometry(62, 8, 727, 40);
    instruction->setWordWrap(true);
    instruction->setFont(QFont(QStringLiteral("Verdana"), 9, QFont::Bold));
    instruction->setStyleSheet(QStringLiteral("color: %1;").arg(navy));
    picture("lente", { 16, 55, 30, 30 }, findBand);
    txtTrova = new QLineEdit(findBand);
    txtTrova->setObjectName(QStringLiteral("txtTrova"));
    txtTrova->setGeometry(62, 56, 570, 28);
    txtTrova->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    btnTrova = captionedButton("btnTrova", "Trova", findBand);
    btnTrova->setGeometry(646, 54, 143, 32);

    // Every line as wide as a printed row, whatever its neighbours: a long
    // amount is never cut short, and scrolling sideways brings it into view.
    lstRecords = new LineList(QStringLiteral("lstRecords"), panContainer);
    lstRecords->setGeometry(16, 164, 801, 273);

    QLabel *hint = label("lblRigo03",
        "Per modificare una voce in elenco, selezionarla con un clic e premere il pulsante Modifica costo.",
        panContainer);
    hint->setGeometry(16, 442, 801, 22);
    hint->setFont(QFont(QStringLiteral("Verdana"), 9, QFont::Bold));
    hint->setStyleSheet(QStringLiteral("color: crimson;"));

    auto *totalBar = new QWidget(panContainer);
    totalBar->setObjectName(QStringLiteral("panTotale"));
    totalBar->setAttribute(Qt::WA_StyledBackground);
    totalBar->setStyleSheet(QStringLiteral("#panTotale { background: %1; border-radius: 5px; }"
                                           " QLabel { color: white; }")
                                .arg(navy));
    totalBar->setGeometry(16, 468, 801, 38);
    QLabel *totalTitle = label("titValoreTotale", "TOTALE COSTI:", totalBar);
    totalTitle->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    lblTotale = label("lblTotale", "0,00", totalBar);
    lblTotale->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
    lblTotale->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto *totalRow = new QHBoxLayout(totalBar);
    totalRow->setContentsMargins(14, 0, 14, 0);
    totalRow->addWidget(totalTitle);
    totalRow->addStretch();
    totalRow->addWidget(lblTotale);

    auto *buttons = new QWidget(panContainer);
    buttons->setGeometry(16, 522, 801, 44);
    auto *buttonRow = new QHBoxLayout(buttons);
    buttonRow->setContentsMargins(0, 0, 0, 0);
    buttonRow->setSpacing(14);
    btnChiudi = captionedButton("btnChiudi", "Chiudi", buttons);
    btnAggiungi = captionedButton("btnAggiungi", "Aggiungi costo", buttons);
    btnModifica = captionedButton("btnModifica", "Modifica costo", buttons);
    btnStampa = captionedButton("btnStampa", "Stampa riepilogo", buttons);
    for (QPushButton *button : { btnChiudi, btnAggiungi, btnModifica, btnStampa }) {
        button->setFixedHeight(40);
        buttonRow->addWidget(button);
    }
}

void CostsForm::buildEntryView(QWidget *window)
{
    panCosti = view("panCosti", window);

    QLabel *instruction
        = label("titIstruzioni", "Immettere i dati nei campi sottostanti e premere Salva.", panCosti);
    instruction->setGeometry(16, 12, 801, 40);
    instruction->setAlignment(Qt::AlignCenter);
    instruction->setFont(QFont(QStringLiteral("Verdana"), 14));
    instruction->setStyleSheet(QStringLiteral("color: white;"));

    picture("costi", { 16, 60, 260, 490 }, panCosti);

    QWidget *entry = whitePanel("panVoce", { 292, 60, 525, 490 }, panCosti);
    txtData = costBox(CostRecord::Data, entry);
    txtData->setFixedWidth(130);
    impData = new PictureButton(QStringLiteral("impData"), QStringLiteral(":/dogs/costs/calendario.svg"), entry);
    impData->setFixedSize(28, 28);
    impData->setAccessibleName(QStringLiteral("Data odierna"));
    impData->setToolTip(QStringLiteral("Data odierna"));
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
    const auto caption = [entry](const char *text) {
        QLabel *caption = label("", text, entry);
        caption->setFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));
        caption->setStyleSheet(QStringLiteral("color: %1;").arg(navy));
        return caption;
    };
    boxes->addRow(caption("Data:"), dateRow);
    boxes->addRow(caption("Causale:"), txtCausale);
    boxes->addRow(caption("Pagatore:"), txtPagatore);
    boxes->addRow(caption("Beneficiario:"), txtBeneficiario);
    boxes->addRow(caption("Importo: €"), txtImporto);

    auto *euro = new QSvgWidget(QStringLiteral(":/dogs/costs/euro.svg"), entry);
    euro->setFixedSize(64, 64);
    btnSalva = captionedButton("btnSalva", "Salva", entry);
    cmdClose = captionedButton("cmdClose", "Chiudi", entry);
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
