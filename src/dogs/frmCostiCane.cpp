#include "dogs/frmCostiCane.h"

#include "kennel/CostTable.h"
#include "report/printing/ListReport.h"
#include "storage/CostRecord.h"
#include "ui/AllowedCharacters.h"
#include "ui/FocusLeave.h"
#include "ui/GradientWidget.h"
#include "ui/LineList.h"
#include "ui/ListFinder.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const DogLogKind costs {
    "frmCostiCane",
    " Gestione costi cane",
    CostList::format,
    MessageBoxes::Buttons::OkCancel,
    "Il costo è stato modificato da un'altra copia del programma: l'elenco viene riletto.",
    "Attenzione: 1 costo non è stato mostrato né sommato al totale perché i suoi dati non sono leggibili.",
    "Attenzione: %1 costi non sono stati mostrati né sommati al totale perché i loro dati non sono leggibili.",
};

// The entry boxes Save requires, in the order they are checked.
struct Required
{
    CostRecord::Field field;
    const char *warning;
};
constexpr Required requiredBoxes[] = {
    { CostRecord::Data, "Attenzione: per salvare la scheda è necessario indicare la data del costo sostenuto." },
    { CostRecord::Causale, "Attenzione: per salvare la scheda è necessario indicare la causale del costo." },
    { CostRecord::Pagatore, "Attenzione: per salvare la scheda è necessario indicare il nome del pagatore." },
    { CostRecord::Beneficiario, "Attenzione: per salvare la scheda è necessario indicare il nome del beneficiario." },
    { CostRecord::Importo, "Attenzione: per salvare la scheda è necessario indicare l'importo pagato." },
};

} // namespace

frmCostiCane::frmCostiCane(AppContext &context, QWidget *card, const Dog &dog)
    : DogLogWindow(context, card, dog, costs)
    , m_form(this)
    , m_costs(new CostTable(this))
    , m_finder(new ListFinder(context.platform.messages, m_form.txtTrova, m_form.btnTrova, m_form.lstRecords))
{
    formBuilt(CostRecord::Data, m_form.impData, [this] { return btnSalvaClick(); });
    // The amount box holds only digits and commas, however they come; Tab,
    // Home and End are swallowed too.
    AllowedCharacters::install(m_form.txtImporto, AllowedCharacters::amount, AllowedCharacters::Keys::EditingOnly);
    whenFocusLeaves(m_form.txtImporto, [this] { txtImportoExit(); });

    connect(m_form.btnChiudi, &QPushButton::clicked, this, &QDialog::close);
    connect(m_form.cmdClose, &QPushButton::clicked, this, &QDialog::close);
    connect(m_form.btnAggiungi, &QPushButton::clicked, this, &frmCostiCane::btnAggiungiClick);
    connect(m_form.btnModifica, &QPushButton::clicked, this, &frmCostiCane::btnModificaClick);
    connect(m_form.btnSalva, &QPushButton::clicked, this, &frmCostiCane::btnSalvaClick);
    connect(m_form.btnStampa, &QPushButton::clicked, this, &frmCostiCane::btnStampaClick);
}

void frmCostiCane::FormShow()
{
    m_finder->reset();
    m_form.lblTitolo->setText(dogTitle());
    m_form.lblFile->setText(filePath());
    showList();
    m_form.txtTrova->setFocus();
}

void frmCostiCane::showList()
{
    // Opening the window creates the dog's empty cost file.
    CostList::Listing listing;
    if (!fileAction([&] { listing = CostList::read(filePath()); }))
        return;
    sayUnreadable(listing.unreadable);
    m_costs->setCosts(std::move(listing.costs));
    // The list view shows the table's lines row for row: a row picked there
    // is the table's row.
    m_form.lstRecords->setLines(m_costs->columnTexts(0));
    m_total = CostList::totalText(listing.sum);
    m_form.lblTotale->setText(m_total);
}

void frmCostiCane::costChangedElsewhere()
{
    sayChangedElsewhere();
    showList();
    // The entry no longer stands for a stored cost: the user picks it again.
    m_form.panContainer->show();
    m_form.panCosti->hide();
    entryShown();
    m_form.txtTrova->setFocus();
}

void frmCostiCane::showEntryView()
{
    m_form.panCosti->show();
    m_form.panContainer->hide();
    m_form.txtData->setFocus();
}

void frmCostiCane::btnAggiungiClick()
{
    showCost(std::nullopt);
    showEntryView();
}

void frmCostiCane::btnModificaClick()
{
    if (m_costs->rowCount() == 0) {
        information(QString::fromUtf8("Modifica non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    const QModelIndexList selected = m_form.lstRecords->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        warning(QString::fromUtf8(
            "Attenzione: selezionare una voce dall'elenco prima di premere il pulsante di modifica."));
        return;
    }
    showCost(m_costs->edited(selected.first().row()));
    showEntryView();
}

void frmCostiCane::showCost(const std::optional<CostList::Cost> &cost)
{
    m_edited = cost;
    if (cost) {
        entry().show(cost->record);
    } else {
        entry().clear(CostRecord::Data, CostRecord::Beneficiario);
        entry().setValue(CostRecord::Importo, QStringLiteral("0,00"));
    }
    m_form.lblPosizione->setText(cost ? QString::number(cost->position) : QString());
    entryShown();
}

bool frmCostiCane::btnSalvaClick()
{
    for (const Required &required : requiredBoxes) {
        if (entry().value(required.field).isEmpty()) {
            warning(QString::fromUtf8(required.warning));
            entry().control(required.field)->setFocus();
            return false;
        }
    }
    // As typed, blanks and all: the file has always kept them.
    Record cost(CostRecord::layout());
    for (int field = 0; field < CostRecord::FieldCount; ++field)
        cost.setValue(field, static_cast<QLineEdit *>(entry().control(field))->text());
    std::optional<qint64> position;
    if (!fileAction([&] {
            if (!m_edited)
                position = DogLogFile::append(filePath(), CostList::format, cost);
            else if (DogLogFile::replace(filePath(), CostList::format, m_edited->position, m_edited->record.bytes(), cost))
                position = m_edited->position;
        }))
        return false;
    if (!position) {
        costChangedElsewhere();
        return false;
    }
    // The entry view stays: a second Save replaces the same cost.
    const bool replaced = m_edited.has_value();
    showCost(CostList::Cost { cost, *position });
    information(replaced
            ? QString::fromUtf8("Le modifiche apportate alla scheda corrente sono state salvate in archivio.")
            : QString::fromUtf8("La scheda corrente è stata inserita in archivio."));
    return true;
}

void frmCostiCane::btnStampaClick()
{
    QStringList body = m_costs->columnTexts(0);
    body.append(QString(26, u'-'));
    body.append(QStringLiteral("TOTALE COSTI:      ") + m_total);
    printList(m_context, this, QStringLiteral("Riepilogo costi sostenuti per ") + dogTitle(), body);
}

void frmCostiCane::txtImportoExit()
{
    m_form.txtImporto->setText(CostList::boxAmount(m_form.txtImporto->text()));
}
