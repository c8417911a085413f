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
#include "ui/Centring.h"
#include "ui/DecimalCommaValidator.h"
#include "ui/EnterKeyRing.h"
#include "ui/FileActionGuard.h"
#include "ui/PictureButton.h"

#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QShowEvent>
#include <QTableView>
#include <QToolTip>

using WeightLog::Weighing;

namespace {

constexpr int columnWidths[] = { 90, 76, 104, 130 };

} // namespace

frmPesoCane::frmPesoCane(AppContext &context, QWidget *card, const Dog &dog, WriteWeight writeWeight)
    : QDialog(card)
    , m_context(context)
    , m_dog { trimmedText(dog.name), trimmedText(dog.breed), trimmedText(dog.position), trimmedText(dog.birth) }
    , m_birth(DateText::parse(m_dog.birth))
    , m_writeWeight(std::move(writeWeight))
    , m_form(this)
    , m_table(new WeightTable(this))
{
    setObjectName(QStringLiteral("frmPesoCane"));
    setWindowTitle(QStringLiteral(" Registro pesate cane"));
    move(centredIn(context.platform.screen.size(), size()));
    setModal(true);

    m_form.tblPesate->setModel(m_table);
    for (int column = 0; column < int(std::size(columnWidths)); ++column)
        m_form.tblPesate->setColumnWidth(column, columnWidths[column]);

    (new EnterKeyRing(this))->chain({ m_form.txtData, m_form.txtPeso, m_form.txtNote, m_form.txtData });
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
    connect(m_form.impData, &PictureButton::clicked, this, &frmPesoCane::impDataClick);
    // Enter in a box moves on; it must never press a button of the dialog.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);
}

QString frmPesoCane::filePath() const
{
    return m_context.folder.filePath(WeightRecord::fileNameForDog(m_dog.position.toInt()));
}

QString frmPesoCane::title() const
{
    return QStringLiteral("Registro pesate di ") + m_dog.name + QStringLiteral("  -  Razza: ") + m_dog.breed;
}

void frmPesoCane::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
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
    if (!runFileAction(m_context.platform.messages, this, { MessageBoxes::Kind::Warning, MessageBoxes::Buttons::OkAlone },
                       [&] { log = WeightLog::read(filePath()); }))
        return false;
    // Said when the window opens, and again only when a reread finds another
    // number: every change rereads the log, and would repeat it.
    if (log.unreadable > 0 && log.unreadable != m_unreadableSaid)
        m_context.platform.messages.warning(
            this, WeightLog::unreadableMessage(log.unreadable), MessageBoxes::Buttons::OkAlone);
    m_unreadableSaid = log.unreadable;
    m_table->setLog(log.weighings, m_birth);
    WeightChart::show(m_form.grafPeso->chart(), log.weighings);
    m_form.lblGraficoVuoto->setVisible(log.weighings.isEmpty());
    const int row = m_table->rowOf(selectPosition);
    if (row >= 0) {
        m_form.tblPesate->selectRow(row);
        m_form.tblPesate->scrollTo(m_table->index(row, 0));
    } else {
        m_form.tblPesate->scrollToBottom();
    }
    return true;
}

void frmPesoCane::tblPesateSelected()
{
    const QModelIndexList rows = m_form.tblPesate->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return;
    const Weighing &weighing = m_table->weighings()[rows.first().row()];
    m_form.txtData->setText(DateText::format(weighing.date));
    m_form.txtPeso->setText(WeightLog::kilograms(weighing.grams));
    m_form.txtNote->setText(weighing.note);
    m_form.txtNote->home(false);
}

std::optional<Weighing> frmPesoCane::checkedWeighing(qint64 editedPosition)
{
    const auto focusOn = [this](WeightLog::Problem::Box box) {
        (box == WeightLog::Problem::Date ? m_form.txtData : m_form.txtPeso)->setFocus();
    };
    const std::optional<WeightLog::Problem> problem = WeightLog::check(
        m_form.txtData->text(), m_form.txtPeso->text(), m_table->weighings(), editedPosition, m_birth);
    if (problem) {
        m_context.platform.messages.warning(this, problem->message, MessageBoxes::Buttons::OkAlone);
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
    if (m_table->weighings().isEmpty()) {
        m_context.platform.messages.information(this,
            QString::fromUtf8("%1 non applicabile: l'elenco non contiene nessuna pesata.").arg(QString::fromUtf8(action)),
            MessageBoxes::Buttons::OkAlone);
        return std::nullopt;
    }
    const QModelIndexList rows = m_form.tblPesate->selectionModel()->selectedRows();
    if (rows.isEmpty()) {
        m_context.platform.messages.warning(this,
            QString::fromUtf8("Attenzione: selezionare una pesata dall'elenco prima di premere il pulsante %1.")
                .arg(QString::fromUtf8(button)),
            MessageBoxes::Buttons::OkAlone);
        return std::nullopt;
    }
    return m_table->weighings()[rows.first().row()];
}

void frmPesoCane::btnAggiungiClick()
{
    std::optional<Weighing> weighing = checkedWeighing(0);
    if (!weighing)
        return;
    const std::optional<Weighing> latestBefore = latestWeighing();
    if (!runFileAction(m_context.platform.messages, this, { MessageBoxes::Kind::Warning, MessageBoxes::Buttons::OkAlone },
            [&] { weighing->position = WeightLog::add(filePath(), *weighing); }))
        return;
    if (showLog(weighing->position))
        offerLatestIfChanged(latestBefore);
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

void frmPesoCane::btnModificaClick()
{
    const std::optional<Weighing> selected = selectedWeighing("Modifica", "Modifica pesata");
    if (!selected)
        return;
    std::optional<Weighing> weighing = checkedWeighing(selected->position);
    if (!weighing)
        return;
    const std::optional<Weighing> latestBefore = latestWeighing();
    bool replaced = false;
    if (!runFileAction(m_context.platform.messages, this, { MessageBoxes::Kind::Warning, MessageBoxes::Buttons::OkAlone },
            [&] { replaced = WeightLog::replace(filePath(), *selected, *weighing); }))
        return;
    if (!replaced)
        rereadChangedLog();
    else if (showLog(selected->position))
        offerLatestIfChanged(latestBefore);
}

void frmPesoCane::rereadChangedLog()
{
    m_context.platform.messages.warning(this,
        QString::fromUtf8(
            "La pesata è stata modificata da un'altra copia del programma: l'elenco viene riletto."),
        MessageBoxes::Buttons::OkAlone);
    showLog();
}

void frmPesoCane::btnEliminaClick()
{
    const std::optional<Weighing> selected = selectedWeighing("Eliminazione", "Elimina pesata");
    if (!selected)
        return;
    if (!m_context.platform.messages.question(this,
            QString::fromUtf8("Eliminare dal registro la pesata del %1 (%2 kg)?")
                .arg(DateText::format(selected->date), WeightLog::kilograms(selected->grams))))
        return;
    const std::optional<Weighing> latestBefore = latestWeighing();
    bool removed = false;
    if (!runFileAction(m_context.platform.messages, this, { MessageBoxes::Kind::Warning, MessageBoxes::Buttons::OkAlone },
            [&] { removed = WeightLog::remove(filePath(), *selected); }))
        return;
    if (!removed) {
        rereadChangedLog();
        return;
    }
    for (QLineEdit *box : { m_form.txtData, m_form.txtPeso, m_form.txtNote })
        box->clear();
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

void frmPesoCane::impDataClick()
{
    m_form.txtData->setText(DateText::format(m_context.platform.clock.today()));
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
