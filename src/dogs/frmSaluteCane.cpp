#include "dogs/frmSaluteCane.h"

#include "core/DateText.h"
#include "dogs/HealthReport.h"
#include "help/Help.h"
#include "kennel/HealthTable.h"
#include "platform/AppContext.h"
#include "report/printing/ReportOutput.h"
#include "storage/DogRecord.h"
#include "storage/HealthRecord.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ShortText.h"
#include "ui/Theme.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStyledItemDelegate>
#include <QTableView>

using HealthBooklet::Entry;
using HealthDue::State;

namespace {

constexpr int columnWidths[] = { 80, 104, 128, 64, 112, 70, 80 };

// The card's health notes the window shows, in the order of HealthForm::cardNotes.
constexpr DogRecord::Field cardNoteFields[] = { DogRecord::Vaccinazioni, DogRecord::Sverminazioni,
    DogRecord::Trattamenti, DogRecord::Accertamenti, DogRecord::Malattie, DogRecord::Interventi,
    DogRecord::Profilassi };

const DogLogKind booklet {
    "frmSaluteCane",
    " Libretto sanitario cane",
    HealthBooklet::format,
    MessageBoxes::Buttons::OkAlone,
    "La voce è stata modificata da un'altra copia del programma: il libretto viene riletto.",
    "Attenzione: 1 voce del libretto non è stata mostrata perché la sua data o il suo tipo non sono leggibili.",
    "Attenzione: %1 voci del libretto non sono state mostrate perché la loro data o il loro tipo non sono "
    "leggibili.",
};

// The Stato cell coloured by its state, so that what is due stands out at a glance.
class StateColours : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        std::optional<Theme::Colour> fill;
        switch (State(index.data(HealthTable::stateRole).toInt())) {
        case State::Overdue:
            fill = Theme::Colour::DueOverdue;
            break;
        case State::DueSoon:
            fill = Theme::Colour::DueSoon;
            break;
        case State::Ok:
            fill = Theme::Colour::DueOk;
            break;
        case State::None:
            break;
        }
        if (fill)
            option->backgroundBrush = Theme::colour(*fill);
    }
};

LoggedDog loggedDog(const RecordTexts &dog, qint64 position)
{
    return { dog.value(DogRecord::Nome), dog.value(DogRecord::Razza), QString::number(position),
        dog.value(DogRecord::DataNasc) };
}

} // namespace

frmSaluteCane::frmSaluteCane(AppContext &context, QWidget *card, const RecordTexts &dog, qint64 dogPosition,
                             qint64 entryPosition)
    : DogLogWindow(context, card, loggedDog(dog, dogPosition), booklet)
    , m_card(dog)
    , m_dogPosition(dogPosition)
    , m_birth(DateText::parse(m_dog.birth))
    , m_entryToSelect(entryPosition)
    , m_form(this)
    , m_table(new HealthTable(this))
{
    m_form.tblSalute->setModel(m_table);
    m_form.tblSalute->setItemDelegateForColumn(HealthTable::Stato, new StateColours(m_form.tblSalute));
    for (int column = 0; column < int(std::size(columnWidths)); ++column)
        m_form.tblSalute->setColumnWidth(column, columnWidths[column]);

    formBuilt(HealthRecord::Data, m_form.impData, [this] { return saveEntry(); });

    connect(m_form.tblSalute->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmSaluteCane::tblSaluteSelected);
    connect(m_form.txtData, &QLineEdit::textChanged, this, &frmSaluteCane::fillDueDate);
    connect(m_form.txtTipo, &QComboBox::currentIndexChanged, this, &frmSaluteCane::fillDueDate);
    connect(m_form.btnAggiungi, &QPushButton::clicked, this, &frmSaluteCane::btnAggiungiClick);
    connect(m_form.btnModifica, &QPushButton::clicked, this, &frmSaluteCane::btnModificaClick);
    connect(m_form.btnElimina, &QPushButton::clicked, this, &frmSaluteCane::btnEliminaClick);
    connect(m_form.btnRichiamo, &QPushButton::clicked, this, &frmSaluteCane::btnRichiamoClick);
    connect(m_form.cmdStampa, &QPushButton::clicked, this, &frmSaluteCane::cmdStampaClick);
    connect(m_form.cmdPdf, &QPushButton::clicked, this, &frmSaluteCane::cmdPdfClick);
    connect(m_form.cmdGuida, &QPushButton::clicked, this,
            [this] { openHelp(m_context, this, HelpPage::HealthBooklet); });
    connect(m_form.btnChiudi, &QPushButton::clicked, this, &QDialog::close);
}

bool frmSaluteCane::openOn(AppContext &context, QWidget *parent, qint64 dogPosition, qint64 entryPosition)
{
    const QString path = context.folder.filePath(DogRecord::fileName);
    std::optional<Record> dog;
    const bool read = runFileAction(context.platform.messages, parent,
        { MessageBoxes::Kind::Warning, MessageBoxes::Buttons::OkAlone }, [&] {
            if (!QFileInfo::exists(path))
                return;
            RecordFile archive;
            archive.openOrCreate(path, DogRecord::recordSize);
            if (dogPosition >= 1 && dogPosition <= archive.recordCount()) {
                archive.seekRecord(dogPosition - 1);
                dog.emplace(DogRecord::layout());
                archive.readNext(*dog);
            }
            archive.closeFile();
        });
    if (!read)
        return false;
    if (!dog || trimmedText(dog->value(DogRecord::Nome)).isEmpty()) {
        context.platform.messages.warning(parent,
            QString::fromUtf8("Attenzione: la scheda del cane non si trova più in archivio: il suo libretto "
                              "sanitario non può essere aperto."),
            MessageBoxes::Buttons::OkAlone);
        return false;
    }
    QStringList values;
    for (int field = 0; field < DogRecord::layout().fieldCount(); ++field)
        values.append(dog->value(field));
    frmSaluteCane window(context, parent, RecordTexts(DogRecord::layout(), values), dogPosition, entryPosition);
    window.exec();
    return true;
}

QString frmSaluteCane::title() const
{
    return QStringLiteral("Libretto sanitario di ") + dogTitle();
}

QStringList frmSaluteCane::identity() const
{
    const auto line = [this](const char *caption, DogRecord::Field field) {
        return QString::fromUtf8(caption) + trimmedText(m_card.value(field));
    };
    return { line("Nome: ", DogRecord::Nome), line("Razza: ", DogRecord::Razza),
        line("Data di nascita: ", DogRecord::DataNasc), line("Microchip: ", DogRecord::Microchip) };
}

void frmSaluteCane::FormShow()
{
    m_form.lblTitolo->setText(title());
    for (int note = 0; note < int(std::size(cardNoteFields)); ++note)
        m_form.cardNotes[note]->setText(trimmedText(m_card.value(cardNoteFields[note])));
    entry().setValue(HealthRecord::Cane, QString::number(m_dogPosition));
    blankEntry();
    showBooklet(std::exchange(m_entryToSelect, 0));
    m_form.txtData->setFocus();
}

void frmSaluteCane::blankEntry()
{
    entry().clear(HealthRecord::Data, HealthRecord::Scadenza);
    m_form.txtTipo->setCurrentIndex(int(HealthDue::Kind::Vaccinazione));
    m_form.txtPreavviso->setText(QString::number(HealthDue::defaultNoticeDays));
}

bool frmSaluteCane::showBooklet(qint64 selectPosition)
{
    HealthBooklet::Booklet read;
    if (!fileAction([&] { read = HealthBooklet::read(filePath(), m_dogPosition); }))
        return false;
    sayUnreadable(read.unreadable);
    m_table->setBooklet(read.entries, m_context.platform.clock.today());
    showEntryAt(m_form.tblSalute, *m_table, selectPosition);
    return true;
}

std::optional<Entry> frmSaluteCane::selected() const
{
    const std::optional<int> row = selectedRow(m_form.tblSalute);
    if (!row)
        return std::nullopt;
    return m_table->entries()[*row];
}

void frmSaluteCane::tblSaluteSelected()
{
    const std::optional<Entry> shown = selected();
    if (!shown)
        return;
    const QScopedValueRollback showing(m_showingEntry, true);
    const std::pair<HealthRecord::Field, QString> values[] = {
        { HealthRecord::Data, DateText::format(shown->date) },
        { HealthRecord::Tipo, HealthDue::kindNames().at(int(shown->kind)) },
        { HealthRecord::Cosa, shown->what },
        { HealthRecord::Lotto, shown->batch },
        { HealthRecord::Veterinario, shown->veterinarian },
        { HealthRecord::Esito, shown->result },
        { HealthRecord::Note, shown->note },
        { HealthRecord::Scadenza, DateText::format(shown->due) },
        { HealthRecord::Preavviso, QString::number(shown->noticeDays) },
    };
    for (const auto &[field, text] : values)
        entry().setValue(field, text);
    entryShown();
}

void frmSaluteCane::fillDueDate()
{
    if (m_showingEntry)
        return;
    const QDate date = DateText::parse(trimmedView(m_form.txtData->text()));
    const std::optional<HealthDue::Kind> kind = HealthBooklet::kindNamed(m_form.txtTipo->currentText());
    if (!date.isValid() || !kind)
        return;
    m_form.txtScadenza->setText(
        DateText::format(HealthDue::dueAfter(date, HealthDue::defaultInterval(*kind, date, m_birth))));
}

std::optional<Entry> frmSaluteCane::checkedEntry(qint64 editedPosition)
{
    const std::optional<HealthBooklet::Problem> problem
        = HealthBooklet::check(m_form.txtData->text(), m_form.txtScadenza->text(), m_form.txtPreavviso->text());
    if (problem) {
        warning(problem->message);
        QLineEdit *const boxes[] = { m_form.txtData, m_form.txtScadenza, m_form.txtPreavviso };
        boxes[problem->box]->setFocus();
        return std::nullopt;
    }
    const std::optional<HealthDue::Kind> kind = HealthBooklet::kindNamed(m_form.txtTipo->currentText());
    if (!kind) {
        warning(QString::fromUtf8("Attenzione: scegliere dall'elenco il tipo della voce (vaccinazione, "
                                  "sverminazione, visita, ...)."));
        m_form.txtTipo->setFocus();
        return std::nullopt;
    }
    Entry typed;
    typed.dog = m_dogPosition;
    typed.date = DateText::parse(trimmedView(m_form.txtData->text()));
    typed.kind = *kind;
    typed.what = entry().value(HealthRecord::Cosa);
    typed.batch = entry().value(HealthRecord::Lotto);
    typed.veterinarian = entry().value(HealthRecord::Veterinario);
    typed.result = entry().value(HealthRecord::Esito);
    typed.note = entry().value(HealthRecord::Note);
    typed.due = DateText::parse(trimmedView(m_form.txtScadenza->text()));
    typed.noticeDays = *HealthBooklet::parseNotice(m_form.txtPreavviso->text());
    typed.position = editedPosition;
    return typed;
}

std::optional<Entry> frmSaluteCane::selectedEntry(const char *action, const char *button)
{
    const std::optional<int> row
        = pickedRow(m_form.tblSalute, action, button, "il libretto non contiene nessuna voce", "una voce");
    if (!row)
        return std::nullopt;
    return m_table->entries()[*row];
}

bool frmSaluteCane::store(const Entry &added)
{
    qint64 position = 0;
    if (!fileAction([&] { position = HealthBooklet::add(filePath(), added); }))
        return false;
    entryShown();
    showBooklet(position);
    return true;
}

bool frmSaluteCane::btnAggiungiClick()
{
    const std::optional<Entry> typed = checkedEntry(0);
    return typed && store(*typed);
}

bool frmSaluteCane::saveEntry()
{
    const std::optional<Entry> edited = selected();
    return edited ? modify(*edited) : btnAggiungiClick();
}

bool frmSaluteCane::btnModificaClick()
{
    const std::optional<Entry> picked = selectedEntry("Modifica", "Modifica");
    return picked && modify(*picked);
}

bool frmSaluteCane::modify(const Entry &shown)
{
    const std::optional<Entry> typed = checkedEntry(shown.position);
    if (!typed)
        return false;
    bool replaced = false;
    if (!fileAction([&] { replaced = HealthBooklet::replace(filePath(), shown, *typed); }))
        return false;
    if (!replaced) {
        rereadChangedBooklet();
        return false;
    }
    entryShown();
    showBooklet(shown.position);
    return true;
}

void frmSaluteCane::rereadChangedBooklet()
{
    sayChangedElsewhere();
    showBooklet();
    // What the boxes hold no longer stands for a stored entry.
    entryShown();
}

void frmSaluteCane::btnEliminaClick()
{
    const std::optional<Entry> picked = selectedEntry("Eliminazione", "Elimina");
    if (!picked)
        return;
    const QString what = picked->what.isEmpty() ? QString() : QStringLiteral(" ") + picked->what;
    if (!m_context.platform.messages.question(this,
            QString::fromUtf8("Eliminare dal libretto la voce del %1 (%2%3)?")
                .arg(DateText::format(picked->date), HealthDue::kindNames().at(int(picked->kind)), what)))
        return;
    bool removed = false;
    if (!fileAction([&] { removed = HealthBooklet::remove(filePath(), *picked); }))
        return;
    if (!removed) {
        rereadChangedBooklet();
        return;
    }
    blankEntry();
    entryShown();
    showBooklet();
}

void frmSaluteCane::btnRichiamoClick()
{
    const std::optional<Entry> given = selectedEntry("Registrazione del richiamo", "Registra richiamo");
    if (given)
        store(HealthBooklet::booster(*given, m_context.platform.clock.today(), m_birth));
}

void frmSaluteCane::cmdStampaClick()
{
    ReportOutput::preview(m_context, this, healthReport(title(), identity(), *m_table));
}

void frmSaluteCane::cmdPdfClick()
{
    const QString documentTitle = title();
    ReportOutput::savePdfAndOfferToOpen(m_context, this, healthReport(documentTitle, identity(), *m_table),
        { ReportOutput::pdfFileName({ QStringLiteral("Libretto"), m_dog.name }), documentTitle,
            QStringLiteral("del libretto sanitario") });
}
