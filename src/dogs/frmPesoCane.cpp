#include "dogs/frmPesoCane.h"

#include "core/DateText.h"
#include "dogs/WeightChart.h"
#include "dogs/WeightReport.h"
#include "kennel/WeightTable.h"
#include "help/Help.h"
#include "platform/AppContext.h"
#include "report/printing/ReportOutput.h"
#include "storage/ShortText.h"
#include "storage/WeightRecord.h"
#include "ui/DecimalCommaValidator.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTableView>
#include <QToolTip>

using WeightLog::Weighing;

namespace {

constexpr int columnWidths[] = { 90, 76, 104, 130 };

const DogLogKind weights {
    "frmPesoCane",
    " Registro pesate cane",
    WeightLog::format,
    MessageBoxes::Buttons::OkAlone,
    "La pesata è stata modificata da un'altra copia del programma: l'elenco viene riletto.",
    "Attenzione: 1 pesata del registro non è stata mostrata perché la sua data o il suo peso non sono leggibili.",
    "Attenzione: %1 pesate del registro non sono state mostrate perché la loro data o il loro peso non sono "
    "leggibili.",
};

} // namespace

frmPesoCane::frmPesoCane(AppContext &context, QWidget *card, const Dog &dog, WriteWeight writeWeight)
    : DogLogWindow(context, card, dog, weights)
    , m_birth(DateText::parse(m_dog.birth))
    , m_writeWeight(std::move(writeWeight))
    , m_form(this)
    , m_table(new WeightTable(this))
{
    m_form.tblPesate->setModel(m_table);
    for (int column = 0; column < int(std::size(columnWidths)); ++column)
        m_form.tblPesate->setColumnWidth(column, columnWidths[column]);

    formBuilt(WeightRecord::Data, m_form.impData, [this] { return saveEntry(); });
    // A weight is no amount: the point is its decimal comma, and a key that
    // cannot belong to a weight is refused rather than dropped.
    m_form.txtPeso->setValidator(new DecimalCommaValidator(3, m_form.txtPeso));

    connect(m_form.tblPesate->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &frmPesoCane::tblPesateSelected);
    connect(WeightChart::series(m_form.grafPeso->chart()), &QLineSeries::hovered, this, &frmPesoCane::grafPesoHovered);
    connect(m_form.btnAggiungi, &QPushButton::clicked, this, &frmPesoCane::btnAggiungiClick);
    connect(m_form.btnModifica, &QPushButton::clicked, this, &frmPesoCane::btnModificaClick);
    connect(m_form.btnElimina, &QPushButton::clicked, this, &frmPesoCane::btnEliminaClick);
    connect(m_form.cmdStampa, &QPushButton::clicked, this, &frmPesoCane::cmdStampaClick);
    connect(m_form.cmdPdf, &QPushButton::clicked, this, &frmPesoCane::cmdPdfClick);
    connect(m_form.cmdGuida, &QPushButton::clicked, this,
            [this] { openHelp(m_context, this, HelpPage::WeightLog); });
    connect(m_form.btnChiudi, &QPushButton::clicked, this, &QDialog::close);
}

QString frmPesoCane::title() const
{
    return QStringLiteral("Registro pesate di ") + dogTitle();
}

void frmPesoCane::FormShow()
{
    m_form.lblTitolo->setText(title());
    // Opening the window creates the dog's empty weight file, as the costs do.
    showLog();
    m_form.txtData->setFocus();
}

bool frmPesoCane::showLog(qint64 selectPosition)
{
    WeightLog::Log log;
    if (!fileAction([&] { log = WeightLog::read(filePath()); }))
        return false;
    sayUnreadable(log.unreadable);
    m_table->setLog(log.weighings, m_birth);
    WeightChart::show(m_form.grafPeso->chart(), log.weighings);
    m_form.lblGraficoVuoto->setVisible(log.weighings.isEmpty());
    showEntryAt(m_form.tblPesate, *m_table, selectPosition);
    return true;
}

std::optional<Weighing> frmPesoCane::selected() const
{
    const std::optional<int> row = selectedRow(m_form.tblPesate);
    if (!row)
        return std::nullopt;
    return m_table->weighings()[*row];
}

void frmPesoCane::tblPesateSelected()
{
    const std::optional<Weighing> weighing = selected();
    if (!weighing)
        return;
    entry().setValue(WeightRecord::Data, DateText::format(weighing->date));
    entry().setValue(WeightRecord::Peso, WeightLog::kilograms(weighing->grams));
    entry().setValue(WeightRecord::Note, weighing->note);
    entryShown();
}

std::optional<Weighing> frmPesoCane::checkedWeighing(qint64 editedPosition)
{
    const auto focusOn = [this](WeightLog::Problem::Box box) {
        (box == WeightLog::Problem::Date ? m_form.txtData : m_form.txtPeso)->setFocus();
    };
    const std::optional<WeightLog::Problem> problem = WeightLog::check(
        m_form.txtData->text(), m_form.txtPeso->text(), m_table->weighings(), editedPosition, m_birth);
    if (problem) {
        warning(problem->message);
        focusOn(problem->box);
        return std::nullopt;
    }
    const Weighing weighing { DateText::parse(trimmedView(m_form.txtData->text())),
        *WeightLog::parseGrams(m_form.txtPeso->text()), trimmedText(m_form.txtNote->text()), editedPosition };
    for (const WeightLog::Problem &doubt :
        WeightLog::doubts(weighing, m_table->weighings(), m_context.platform.clock.today())) {
        if (!m_context.platform.messages.question(this, doubt.message)) {
            focusOn(doubt.box);
            return std::nullopt;
        }
    }
    return weighing;
}

std::optional<Weighing> frmPesoCane::selectedWeighing(const char *action, const char *button)
{
    const std::optional<int> row
        = pickedRow(m_form.tblPesate, action, button, "l'elenco non contiene nessuna pesata", "una pesata");
    if (!row)
        return std::nullopt;
    return m_table->weighings()[*row];
}

bool frmPesoCane::btnAggiungiClick()
{
    std::optional<Weighing> weighing = checkedWeighing(0);
    if (!weighing)
        return false;
    const std::optional<Weighing> latestBefore = latestWeighing();
    if (!fileAction([&] { weighing->position = WeightLog::add(filePath(), *weighing); }))
        return false;
    entryShown();
    if (showLog(weighing->position))
        offerLatestIfChanged(latestBefore);
    return true;
}

bool frmPesoCane::saveEntry()
{
    const std::optional<Weighing> edited = selected();
    return edited ? modify(*edited) : btnAggiungiClick();
}

std::optional<Weighing> frmPesoCane::latestWeighing() const
{
    const QList<Weighing> &inDateOrder = m_table->weighings();
    return inDateOrder.isEmpty() ? std::nullopt : std::optional<Weighing>(inDateOrder.last());
}

// Whatever changed the log (an addition, a correction, a deletion), the
// card's Peso is offered the latest weight once that is another.
void frmPesoCane::offerLatestIfChanged(const std::optional<Weighing> &latestBefore)
{
    const std::optional<Weighing> latest = latestWeighing();
    if (latest && (!latestBefore || latestBefore->date != latest->date || latestBefore->grams != latest->grams))
        offerAsCardWeight(*latest);
}

void frmPesoCane::offerAsCardWeight(const Weighing &weighing)
{
    const QString weight = WeightLog::kilograms(weighing.grams) + QStringLiteral(" kg");
    if (m_context.platform.messages.question(this,
            QString::fromUtf8("La pesata del %1 è la più recente del registro.\r\n\r\n"
                              "Scrivere \"%2\" nel campo Peso della scheda del cane? La scheda andrà poi "
                              "salvata con il pulsante Salva.")
                .arg(DateText::format(weighing.date), weight)))
        m_writeWeight(weight);
}

bool frmPesoCane::btnModificaClick()
{
    const std::optional<Weighing> picked = selectedWeighing("Modifica", "Modifica pesata");
    return picked && modify(*picked);
}

bool frmPesoCane::modify(const Weighing &selected)
{
    std::optional<Weighing> weighing = checkedWeighing(selected.position);
    if (!weighing)
        return false;
    const std::optional<Weighing> latestBefore = latestWeighing();
    bool replaced = false;
    if (!fileAction([&] { replaced = WeightLog::replace(filePath(), selected, *weighing); }))
        return false;
    if (!replaced) {
        rereadChangedLog();
        return false;
    }
    entryShown();
    if (showLog(selected.position))
        offerLatestIfChanged(latestBefore);
    return true;
}

void frmPesoCane::rereadChangedLog()
{
    sayChangedElsewhere();
    showLog();
    // What the boxes hold no longer stands for a stored weighing.
    entryShown();
}

void frmPesoCane::btnEliminaClick()
{
    const std::optional<Weighing> picked = selectedWeighing("Eliminazione", "Elimina pesata");
    if (!picked)
        return;
    if (!m_context.platform.messages.question(this,
            QString::fromUtf8("Eliminare dal registro la pesata del %1 (%2 kg)?")
                .arg(DateText::format(picked->date), WeightLog::kilograms(picked->grams))))
        return;
    const std::optional<Weighing> latestBefore = latestWeighing();
    bool removed = false;
    if (!fileAction([&] { removed = WeightLog::remove(filePath(), *picked); }))
        return;
    if (!removed) {
        rereadChangedLog();
        return;
    }
    entry().clear(WeightRecord::Data, WeightRecord::Note);
    entryShown();
    if (showLog())
        offerLatestIfChanged(latestBefore);
}

void frmPesoCane::cmdStampaClick()
{
    ReportOutput::preview(m_context, this, weightReport(title(), *m_table));
}

void frmPesoCane::cmdPdfClick()
{
    const QString documentTitle = title();
    ReportOutput::savePdfAndOfferToOpen(m_context, this, weightReport(documentTitle, *m_table),
        { ReportOutput::pdfFileName({ QStringLiteral("Peso"), m_dog.name }), documentTitle,
            QStringLiteral("del registro delle pesate") });
}

void frmPesoCane::grafPesoHovered(const QPointF &point, bool state)
{
    const QString text = state ? WeightChart::hoverText(WeightChart::series(m_form.grafPeso->chart())->points(), point) : QString();
    m_form.grafPeso->setToolTip(text);
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(QCursor::pos(), text, m_form.grafPeso);
}
