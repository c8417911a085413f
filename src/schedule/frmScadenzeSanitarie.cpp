#include "schedule/frmScadenzeSanitarie.h"

#include "core/DateText.h"
#include "export/ExportGrid.h"
#include "export/SpreadsheetExports.h"
#include "platform/AppContext.h"
#include "report/printing/ListReport.h"
#include "ui/CardParts.h"
#include "ui/FileActionGuard.h"
#include "ui/PictureButton.h"
#include "ui/Theme.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

// "N.", Scadenza, Cane, Tipo, Cosa, Stato, Veterinario.
constexpr int columnWidths[] = { 40, 85, 150, 120, 170, 90, 145 };

QLabel *boxCaption(const char *text, QWidget *parent)
{
    auto *caption = new QLabel(QString::fromUtf8(text), parent);
    caption->setFont(Theme::font(Theme::Font::Label));
    caption->setStyleSheet(QStringLiteral("color: %1;").arg(Theme::css(Theme::Colour::CaptionText)));
    return caption;
}

QLineEdit *dateBox(const char *objectName, QDate day, QWidget *parent)
{
    auto *box = new QLineEdit(DateText::format(day), parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setMaxLength(10);
    box->setFixedWidth(116);
    box->setFont(Theme::font(Theme::Font::FieldText));
    return box;
}

} // namespace

frmScadenzeSanitarie::frmScadenzeSanitarie(AppContext &context, QWidget *owner)
    : GridWindow(context, owner,
          { QStringLiteral("frmScadenzeSanitarie"), QStringLiteral(" Scadenze sanitarie"),
              QStringLiteral(":/schedule/sanitarie_elenco.svg"), QStringLiteral("grdRecords"), columnWidths,
              SpreadsheetExports::healthDeadlines(), HelpPage::HealthBooklet })
    , m_period(HealthDeadlineList::defaultPeriod(context.platform.clock.today()))
{
    addToBand(buildPeriodBoxes());
    PictureButton *cmdStampa = addBandButton("cmdStampa", QStringLiteral(":/export/stampa.svg"), "Stampa",
        "Stampa l'elenco delle scadenze sanitarie del periodo.");
    connect(btnMostra, &QPushButton::clicked, this, &frmScadenzeSanitarie::btnMostraClick);
    connect(cmdStampa, &PictureButton::clicked, this, &frmScadenzeSanitarie::cmdStampaClick);
}

void frmScadenzeSanitarie::open(AppContext &context, QWidget *owner)
{
    frmScadenzeSanitarie window(context, owner);
    window.exec();
}

QWidget *frmScadenzeSanitarie::buildPeriodBoxes()
{
    auto *boxes = new QWidget;
    boxes->setObjectName(QStringLiteral("panPeriodo"));
    txtDal = dateBox("txtDal", m_period.first, boxes);
    txtAl = dateBox("txtAl", m_period.last, boxes);
    btnMostra = CardParts::captionedButton("btnMostra", "Mostra", boxes);
    btnMostra->setFixedSize(80, 54);
    auto *grid = new QGridLayout(boxes);
    grid->setContentsMargins(16, 0, 0, 0);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    grid->addWidget(boxCaption("Dal", boxes), 0, 0);
    grid->addWidget(txtDal, 0, 1);
    grid->addWidget(boxCaption("Al", boxes), 1, 0);
    grid->addWidget(txtAl, 1, 1);
    grid->addWidget(btnMostra, 0, 2, 2, 1);
    return boxes;
}

ExportRows frmScadenzeSanitarie::readRows() const
{
    return rowsOf(m_period).value_or(ExportRows(int(SpreadsheetExports::healthDeadlines().columns.size())));
}

std::optional<ExportRows> frmScadenzeSanitarie::rowsOf(const HealthDeadlineList::Period &period) const
{
    std::optional<ExportRows> rows;
    // Reading changes nothing in the window; the box it may show needs the
    // window as its owner all the same.
    auto *owner = const_cast<frmScadenzeSanitarie *>(this);
    runFileAction(m_context.platform.messages, owner, MessageBoxes::Kind::Error,
        [&] { rows = HealthDeadlineList::readRows(m_context.folder, period, m_context.platform.clock.today()); });
    return rows;
}

void frmScadenzeSanitarie::btnMostraClick()
{
    if (const auto problem = HealthDeadlineList::check(txtDal->text(), txtAl->text())) {
        m_context.platform.messages.warning(this, problem->message);
        QLineEdit *box = problem->box == HealthDeadlineList::Problem::From ? txtDal : txtAl;
        box->setFocus();
        box->selectAll();
        return;
    }
    const HealthDeadlineList::Period period = HealthDeadlineList::period(txtDal->text(), txtAl->text());
    if (std::optional<ExportRows> rows = rowsOf(period)) {
        m_period = period;
        showRows(std::move(*rows));
    }
}

void frmScadenzeSanitarie::cmdStampaClick()
{
    printList(m_context, this,
        QStringLiteral("Scadenze sanitarie dal %1 al %2")
            .arg(DateText::format(m_period.first), DateText::format(m_period.last)),
        HealthDeadlineList::printedLines(grid().rows()));
}
