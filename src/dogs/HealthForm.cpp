#include "dogs/HealthForm.h"

#include "dogs/DogLogParts.h"
#include "kennel/HealthDue.h"
#include "storage/HealthRecord.h"
#include "ui/BoxStyle.h"
#include "ui/CardParts.h"
#include "ui/GradientWidget.h"
#include "ui/PictureButton.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using namespace DogLogParts;

namespace {

constexpr QSize windowSize(1120, 660);

// The captions of the card's health notes, as its health section words them.
constexpr const char *cardNoteCaptions[] = { "Vaccinazioni:", "Sverminazioni:", "Trattamenti antiparassitari:",
    "Accertamenti diagnostici:", "Malattie pregresse:", "Interventi chirurgici:", "Profilassi in corso:" };

QComboBox *dropDown(int field, const QStringList &items, bool editable, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(QStringLiteral("txt") + QString(HealthRecord::layout().field(field).name));
    box->setFont(Theme::font(Theme::Font::FieldText));
    box->setEditable(editable);
    box->addItems(items);
    if (editable) {
        // What is typed stays typed: it never joins the list nor is completed.
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setCompleter(nullptr);
        box->lineEdit()->setMaxLength(HealthRecord::layout().field(field).capacity);
        box->setCurrentIndex(-1);
    }
    return box;
}

// A row of boxes, each under its caption; a width of 0 takes the spare room.
struct Captioned
{
    const char *caption;
    QWidget *box;
    int width = 0;
    QWidget *side = nullptr;
};

void addCaptionedRow(QVBoxLayout *column, std::initializer_list<Captioned> cells, QWidget *panel)
{
    auto *captions = new QHBoxLayout;
    auto *boxes = new QHBoxLayout;
    captions->setSpacing(16);
    boxes->setSpacing(6);
    for (const Captioned &cell : cells) {
        QLabel *above = caption(cell.caption, panel);
        const int width = cell.width + (cell.side ? 6 + cell.side->width() : 0);
        if (cell.width > 0) {
            above->setFixedWidth(width);
            cell.box->setFixedWidth(cell.width);
        }
        captions->addWidget(above, cell.width > 0 ? 0 : 1);
        boxes->addWidget(cell.box, cell.width > 0 ? 0 : 1);
        if (cell.side)
            boxes->addWidget(cell.side);
    }
    column->addLayout(captions);
    column->addLayout(boxes);
}

} // namespace

HealthForm::HealthForm(QWidget *window)
{
    const RecordLayout &layout = HealthRecord::layout();
    window->setFixedSize(windowSize);
    panContainer = background("panContainer", QRect(QPoint(0, 0), windowSize), window);

    lblTitolo = title("lblTitolo", "", { 16, 10, 1088, 40 }, Theme::Font::LogTitle, panContainer);

    QWidget *tablePanel = whitePanel("panVoci", { 16, 58, 772, 360 }, panContainer);
    tblSalute = new QTableView(tablePanel);
    tblSalute->setObjectName(QStringLiteral("tblSalute"));
    tblSalute->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblSalute->setSelectionMode(QAbstractItemView::SingleSelection);
    tblSalute->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblSalute->verticalHeader()->hide();
    tblSalute->verticalHeader()->setDefaultSectionSize(24);
    tblSalute->horizontalHeader()->setStretchLastSection(true);
    tblSalute->horizontalHeader()->setHighlightSections(false);
    tblSalute->setFont(Theme::font(Theme::Font::TableText));
    auto *tableColumn = new QVBoxLayout(tablePanel);
    tableColumn->setContentsMargins(6, 6, 6, 6);
    tableColumn->addWidget(tblSalute);

    QWidget *notesPanel = whitePanel("panScheda", { 800, 58, 304, 360 }, panContainer);
    auto *notes = new QFormLayout(notesPanel);
    notes->setContentsMargins(12, 8, 12, 8);
    notes->setRowWrapPolicy(QFormLayout::WrapAllRows);
    notes->setVerticalSpacing(2);
    QLabel *notesTitle = caption("Dalla scheda del cane", notesPanel);
    notesTitle->setAlignment(Qt::AlignCenter);
    notes->addRow(notesTitle);
    for (int note = 0; note < int(cardNotes.size()); ++note) {
        QLabel *value = label("", "", notesPanel);
        value->setObjectName(QStringLiteral("lblScheda%1").arg(note + 1));
        value->setFont(Theme::font(Theme::Font::TableText));
        value->setWordWrap(true);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QLabel *above = caption(cardNoteCaptions[note], notesPanel);
        above->setFont(Theme::font(Theme::Font::Hint));
        notes->addRow(above, value);
        cardNotes[note] = value;
    }

    QWidget *entry = whitePanel("panVoce", { 16, 428, 1088, 150 }, panContainer);
    const DateBox date = dateBox(layout, HealthRecord::Data, entry);
    txtData = date.box;
    impData = date.today;
    txtTipo = dropDown(HealthRecord::Tipo, HealthDue::kindNames(), false, entry);
    txtCosa = dropDown(HealthRecord::Cosa, HealthDue::usualVaccines(), true, entry);
    txtLotto = CardParts::textBox(layout, HealthRecord::Lotto, entry);
    txtVeterinario = CardParts::textBox(layout, HealthRecord::Veterinario, entry);
    txtEsito = CardParts::textBox(layout, HealthRecord::Esito, entry);
    txtNote = CardParts::textBox(layout, HealthRecord::Note, entry);
    txtScadenza = CardParts::textBox(layout, HealthRecord::Scadenza, entry);
    txtPreavviso = CardParts::textBox(layout, HealthRecord::Preavviso, entry);
    txtPreavviso->setAlignment(Qt::AlignRight);
    lblCane = label("lblCane", "", entry);
    lblCane->hide();

    auto *entryColumn = new QVBoxLayout(entry);
    entryColumn->setContentsMargins(16, 10, 16, 14);
    entryColumn->setSpacing(4);
    addCaptionedRow(entryColumn,
        { { "Data:", txtData, 130, impData }, { "Tipo:", txtTipo, 170 }, { "Vaccino o prodotto:", txtCosa, 260 },
            { "Lotto:", txtLotto, 150 }, { "Veterinario:", txtVeterinario } },
        entry);
    entryColumn->addSpacing(8);
    addCaptionedRow(entryColumn,
        { { "Esito:", txtEsito, 300 }, { "Note:", txtNote }, { "Scadenza:", txtScadenza, 130 },
            { "Preavviso (giorni):", txtPreavviso, 140 } },
        entry);
    entryColumn->addStretch();

    buttonRow({ 16, 596, 1088, 44 }, 8,
        { { &btnAggiungi, "btnAggiungi", "Aggiungi" }, { &btnModifica, "btnModifica", "Modifica" },
            { &btnElimina, "btnElimina", "Elimina" }, { &btnRichiamo, "btnRichiamo", "Registra richiamo" },
            { &cmdStampa, "cmdStampa", "Stampa" }, { &cmdPdf, "cmdPdf", "PDF" }, { &cmdGuida, "cmdGuida", "Guida" },
            { &btnChiudi, "btnChiudi", "Chiudi" } },
        panContainer);
    BoxStyle::applyFocusColours(window);
}
