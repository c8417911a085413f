#include "dogs/frmCostiCane.h"

#include "core/DateText.h"
#include "kennel/CostList.h"
#include "platform/AppContext.h"
#include "report/printing/ListReport.h"
#include "storage/CostRecord.h"
#include "storage/RecordFile.h"
#include "storage/ShortText.h"
#include "ui/AllowedCharacters.h"
#include "ui/Centring.h"
#include "ui/EnterKeyRing.h"
#include "ui/FocusLeave.h"
#include "ui/GradientWidget.h"
#include "ui/LineList.h"
#include "ui/ListFinder.h"
#include "ui/PictureButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

constexpr QSize windowSize(833, 585);

// The entry boxes Save requires, in the order they are checked.
struct Required
{
    QLineEdit *CostsForm::*box;
    const char *warning;
};
constexpr Required requiredBoxes[] = {
    { &CostsForm::txtData, "Attenzione: per salvare la scheda è necessario indicare la data del costo sostenuto." },
    { &CostsForm::txtCausale, "Attenzione: per salvare la scheda è necessario indicare la causale del costo." },
    { &CostsForm::txtPagatore, "Attenzione: per salvare la scheda è necessario indicare il nome del pagatore." },
    { &CostsForm::txtBeneficiario,
        "Attenzione: per salvare la scheda è necessario indicare il nome del beneficiario." },
    { &CostsForm::txtImporto, "Attenzione: per salvare la scheda è necessario indicare l'importo pagato." },
};

} // namespace

frmCostiCane::frmCostiCane(AppContext &context, QWidget *card, const Dog &dog)
    : QDialog(card)
    , m_context(context)
    , m_dog { trimmedText(dog.name), trimmedText(dog.breed), trimmedText(dog.position) }
    , m_form(this)
    , m_finder(new ListFinder(context.platform.messages, m_form.txtTrova, m_form.btnTrova, m_form.lstRecords))
    , m_entry(context.platform.messages, this, m_form.lblPosizione, CostRecord::layout(),
              [this] { return m_form.lblFile->text(); },
              [this](const Record &cost, qint64 position) { showCost(cost, position); },
              RecordNavigator::insertedMessage(), MessageBoxes::Kind::Warning)
    , m_fields(this, CostRecord::layout())
    , m_unsaved(
          context.platform.messages, this, [this] { return m_fields.values(); },
          [this] { return btnSalvaClick(); })
{
    setObjectName(QStringLiteral("frmCostiCane"));
    setWindowTitle(QStringLiteral(" Gestione costi cane"));
    setFixedSize(windowSize);
    move(centredIn(context.platform.screen.size(), size()));
    setModal(true);

    (new EnterKeyRing(this))
        ->chain({ m_form.txtData, m_form.txtCausale, m_form.txtPagatore, m_form.txtBeneficiario,
            m_form.txtImporto, m_form.txtData });
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
    connect(m_form.impData, &PictureButton::clicked, this, &frmCostiCane::impDataClick);
    // Enter in a box moves on; it must never press a button of the dialog.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);

    m_entry.refuseFilesBeyond(CostList::maximumRecords);
    m_entry.whenChangedElsewhere([this] {
        costChangedElsewhere();
        return false;
    });
}

void frmCostiCane::done(int result)
{
    if (m_unsaved.allowsLeaving())
        QDialog::done(result);
}

void frmCostiCane::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void frmCostiCane::FormShow()
{
    m_finder->reset();
    m_form.lblTitolo->setText(m_dog.name + QStringLiteral("  -  Razza: ") + m_dog.breed);
    m_form.lblFile->setText(
        m_context.folder.filePath(CostRecord::fileNameForDog(m_dog.position.toInt())));
    showList();
    m_form.txtTrova->setFocus();
}

void frmCostiCane::showList()
{
    // Opening the window creates the dog's empty cost file. A file that
    // cannot be read leaves the list empty and the total bare, without a word;
    // one refused for its size says why.
    try {
        const CostList::Listing listing = CostList::read(m_form.lblFile->text());
        // Said when the window opens, and again only when a reread finds
        // another number.
        if (listing.unreadable > 0 && listing.unreadable != m_unreadableSaid)
            m_context.platform.messages.warning(this, CostList::unreadableMessage(listing.unreadable));
        m_unreadableSaid = listing.unreadable;
        m_form.lstRecords->setLines(listing.lines);
        m_form.lblTotale->setText(CostList::totalText(listing.sum));
        return;
    } catch (const OversizedFileError &refused) {
        m_context.platform.messages.warning(this, refused.message());
    } catch (const std::exception &) {
        // not mentioned, as above
    }
    m_form.lstRecords->setLines({});
    m_form.lblTotale->setText(QStringLiteral("0,00"));
}

void frmCostiCane::costChangedElsewhere()
{
    m_context.platform.messages.warning(this,
        QString::fromUtf8(
            "Il costo è stato modificato da un'altra copia del programma: l'elenco viene riletto."));
    showList();
    // The entry no longer stands for a stored cost: the user picks it again.
    m_form.panContainer->show();
    m_form.panCosti->hide();
    m_unsaved.remember();
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
    for (QLineEdit *box : { m_form.txtData, m_form.txtCausale, m_form.txtPagatore, m_form.txtBeneficiario })
        box->clear();
    m_form.txtImporto->setText(QStringLiteral("0,00"));
    m_entry.forgetPosition();
    m_unsaved.remember();
    showEntryView();
}

void frmCostiCane::btnModificaClick()
{
    if (m_form.lstRecords->lines().isEmpty()) {
        m_context.platform.messages.information(
            this, QString::fromUtf8("Modifica non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    const std::optional<QString> selected = m_form.lstRecords->selectedLine();
    if (!selected) {
        m_context.platform.messages.warning(this,
            QString::fromUtf8("Attenzione: selezionare una voce dall'elenco prima di premere il pulsante di modifica."));
        return;
    }
    // Among identical lines the last cost in the file is the one edited.
    std::optional<CostList::Found> found;
    try {
        found = CostList::findLast(m_form.lblFile->text(), *selected);
    } catch (const std::exception &) {
        close(); // the cost file went away under the window: nothing to edit
        return;
    }
    if (found)
        showCost(found->cost, found->position);
    showEntryView();
}

void frmCostiCane::showCost(const Record &cost, qint64 position)
{
    const std::pair<QLineEdit *, CostRecord::Field> boxes[] = {
        { m_form.txtData, CostRecord::Data },
        { m_form.txtCausale, CostRecord::Causale },
        { m_form.txtPagatore, CostRecord::Pagatore },
        { m_form.txtBeneficiario, CostRecord::Beneficiario },
        { m_form.txtImporto, CostRecord::Importo },
    };
    for (const auto &[box, field] : boxes) {
        box->setText(cost.value(field));
        box->home(false);
    }
    m_entry.shown(cost, position);
    m_unsaved.remember();
}

bool frmCostiCane::btnSalvaClick()
{
    for (const Required &required : requiredBoxes) {
        QLineEdit *box = m_form.*required.box;
        if (trimmedText(box->text()).isEmpty()) {
            m_context.platform.messages.warning(this, QString::fromUtf8(required.warning));
            box->setFocus();
            return false;
        }
    }
    Record cost(CostRecord::layout());
    cost.setValue(CostRecord::Data, m_form.txtData->text());
    cost.setValue(CostRecord::Causale, m_form.txtCausale->text());
    cost.setValue(CostRecord::Pagatore, m_form.txtPagatore->text());
    cost.setValue(CostRecord::Beneficiario, m_form.txtBeneficiario->text());
    cost.setValue(CostRecord::Importo, m_form.txtImporto->text());
    // The entry view stays: a second Save replaces the same cost.
    const auto saved = m_entry.save(cost);
    if (!saved)
        return false;
    m_unsaved.remember();
    m_entry.confirm(*saved);
    return true;
}

void frmCostiCane::btnStampaClick()
{
    QStringList body = m_form.lstRecords->lines();
    body.append(QString(26, u'-'));
    body.append(QStringLiteral("TOTALE COSTI:      ") + trimmedText(m_form.lblTotale->text()));
    printList(m_context, this,
              QStringLiteral("Riepilogo costi sostenuti per ") + m_dog.name + QStringLiteral("  -  Razza: ")
                  + m_dog.breed,
              body);
}

void frmCostiCane::impDataClick()
{
    m_form.txtData->setText(DateText::format(m_context.platform.clock.today()));
}

void frmCostiCane::txtImportoExit()
{
    m_form.txtImporto->setText(CostList::boxAmount(m_form.txtImporto->text()));
}
