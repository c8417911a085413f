#include "dogs/pedigree/frmPedigree.h"

#include "dogs/pedigree/PedigreeChart.h"
#include "dogs/pedigree/PedigreeReport.h"
#include "dogs/pedigree/frmAccoppiamento.h"
#include "help/Help.h"
#include "kennel/PedigreeTexts.h"
#include "platform/AppContext.h"
#include "report/printing/ReportOutput.h"
#include "storage/DogRecord.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "ui/Centring.h"
#include "ui/FileActionGuard.h"
#include "ui/Theme.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The window fills most of the screen, so the chart grows with it; it stays
// readable down to 1366 × 768.
QSize windowSizeFor(QSize screen)
{
    return QSize(std::max(1200, screen.width() * 9 / 10), std::max(660, screen.height() * 85 / 100))
        .boundedTo(screen);
}

QPushButton *button(const char *name, const QString &caption, QWidget *parent)
{
    auto *created = new QPushButton(caption, parent);
    created->setObjectName(QLatin1StringView(name));
    return created;
}

QLabel *label(const char *name, QWidget *parent)
{
    auto *created = new QLabel(parent);
    created->setObjectName(QLatin1StringView(name));
    created->setWordWrap(true);
    return created;
}

} // namespace

frmPedigree::Subject frmPedigree::dogShown(const Pedigree::Root &root)
{
    const QString name = root.name.trimmed();
    const QString exported = QStringLiteral("del pedigree");
    if (name.isEmpty())
        return { root, QStringLiteral("Pedigree"), ReportOutput::pdfFileName({ QStringLiteral("Pedigree") }), exported };
    return { root, QStringLiteral("Pedigree di ") + name,
        ReportOutput::pdfFileName({ QStringLiteral("Pedigree"), name }), exported };
}

frmPedigree::frmPedigree(AppContext &context, QWidget *card)
    : QDialog(card)
    , m_context(context)
    , lblTitolo(label("lblTitolo", this))
    , grafPedigree(new PedigreeChart(this))
    , lblConsanguineita(label("lblConsanguineita", this))
    , lblAntenatiDiversi(label("lblAntenatiDiversi", this))
    , lblCompletezza(label("lblCompletezza", this))
    , tblAntenatiRipetuti(new QTableWidget(0, 4, this))
    , lblAvvisi(label("lblAvvisi", this))
    , cmdIndietro(button("cmdIndietro", QStringLiteral("Indietro"), this))
    , cmdStampa(button("cmdStampa", QStringLiteral("Stampa"), this))
    , cmdPdf(button("cmdPdf", QStringLiteral("Esporta in PDF"), this))
    , cmdAccoppiamento(button("cmdAccoppiamento", QStringLiteral("Accoppiamento di prova"), this))
    , cmdChiudi(button("cmdChiudi", QStringLiteral("Chiudi"), this))
{
    setObjectName(QStringLiteral("frmPedigree"));
    setWindowTitle(QStringLiteral(" Pedigree"));
    setModal(true);

    QFont titleFont = lblTitolo->font();
    titleFont.setPointSize(titleFont.pointSize() + 4);
    titleFont.setBold(true);
    lblTitolo->setFont(titleFont);
    QFont figureFont = lblConsanguineita->font();
    figureFont.setBold(true);
    lblConsanguineita->setFont(figureFont);
    lblAvvisi->setStyleSheet(QStringLiteral("color: %1;").arg(Theme::css(Theme::Colour::WarningText)));

    tblAntenatiRipetuti->setObjectName(QStringLiteral("tblAntenatiRipetuti"));
    tblAntenatiRipetuti->setHorizontalHeaderLabels({ QStringLiteral("Antenato"), QStringLiteral("Volte"),
        QStringLiteral("Generazioni"), QStringLiteral("Quota") });
    tblAntenatiRipetuti->verticalHeader()->hide();
    tblAntenatiRipetuti->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblAntenatiRipetuti->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (int column = 1; column < 4; ++column)
        tblAntenatiRipetuti->horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);

    auto *side = new QVBoxLayout;
    side->addWidget(lblConsanguineita);
    side->addWidget(lblAntenatiDiversi);
    side->addWidget(lblCompletezza);
    side->addWidget(new QLabel(QStringLiteral("Antenati ripetuti:"), this));
    side->addWidget(tblAntenatiRipetuti, 1);
    side->addWidget(lblAvvisi);
    for (QPushButton *sideButton : { cmdIndietro, cmdStampa, cmdPdf, cmdAccoppiamento })
        side->addWidget(sideButton);
    auto *help = button("cmdGuida", QStringLiteral("Guida"), this);
    side->addWidget(help);
    side->addWidget(cmdChiudi);

    auto *body = new QHBoxLayout;
    body->addWidget(grafPedigree, 3);
    body->addLayout(side, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblTitolo);
    layout->addLayout(body, 1);

    connect(grafPedigree, &PedigreeChart::cardChosen, this, &frmPedigree::followCard);
    connect(cmdIndietro, &QPushButton::clicked, this, &frmPedigree::cmdIndietroClick);
    connect(cmdStampa, &QPushButton::clicked, this, &frmPedigree::cmdStampaClick);
    connect(cmdPdf, &QPushButton::clicked, this, &frmPedigree::cmdPdfClick);
    connect(cmdAccoppiamento, &QPushButton::clicked, this, &frmPedigree::cmdAccoppiamentoClick);
    connect(cmdChiudi, &QPushButton::clicked, this, &QDialog::close);
    connect(help, &QPushButton::clicked, this, [this] { openHelp(m_context, this, HelpPage::Pedigree); });

    resize(windowSizeFor(context.platform.screen.size()));
    move(centredIn(context.platform.screen.size(), size()));
}

void frmPedigree::open(AppContext &context, QWidget *card, const Pedigree::Root &dog)
{
    frmPedigree window(context, card);
    if (window.showSubject(dogShown(dog), false))
        window.exec();
}

bool frmPedigree::showSubject(const Subject &subject, bool keepHistory)
{
    Pedigree::Tree tree;
    if (!runFileAction(m_context.platform.messages, this, { MessageBoxes::Kind::Error, MessageBoxes::Buttons::OkAlone }, [&] {
            tree = Pedigree::buildFromArchive(m_context.folder.filePath(DogRecord::fileName), subject.root);
        }))
        return false;
    if (keepHistory)
        m_history.push_back(m_shown);
    m_shown = subject;
    m_tree = std::move(tree);
    m_coefficients = Pedigree::coefficientsOf(m_tree);

    lblTitolo->setText(m_shown.title);
    grafPedigree->showTree(m_tree);
    lblConsanguineita->setText(PedigreeTexts::inbreedingLine(m_coefficients.inbreeding));
    lblAntenatiDiversi->setText(PedigreeTexts::distinctAncestorsLine(m_coefficients.distinctAncestors));
    lblCompletezza->setText(PedigreeTexts::completenessLine(m_coefficients.knownAncestors));
    tblAntenatiRipetuti->setRowCount(int(m_coefficients.repeated.size()));
    for (int row = 0; row < m_coefficients.repeated.size(); ++row) {
        const Pedigree::RepeatedAncestor &ancestor = m_coefficients.repeated[row];
        const QString cells[] = { ancestor.name, QString::number(ancestor.times),
            PedigreeTexts::generationsText(ancestor.generations), PedigreeTexts::percent(ancestor.share) };
        for (int column = 0; column < 4; ++column)
            tblAntenatiRipetuti->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    lblAvvisi->setText(m_tree.warnings.join(u'\n'));
    cmdIndietro->setEnabled(!m_history.empty());
    return true;
}

void frmPedigree::followCard(qint64 position)
{
    std::optional<Subject> subject;
    if (!runFileAction(m_context.platform.messages, this, { MessageBoxes::Kind::Error, MessageBoxes::Buttons::OkAlone }, [&] {
            RecordFile file;
            file.openOrCreate(m_context.folder.filePath(DogRecord::fileName), DogRecord::recordSize);
            if (position < file.recordCount()) {
                file.seekRecord(position);
                subject = dogShown(
                    Pedigree::Root::of(RecordView(DogRecord::layout(), file.readNextInPlace()), position));
            }
            file.closeFile();
        }))
        return;
    if (subject)
        showSubject(*subject);
}

void frmPedigree::cmdIndietroClick()
{
    if (m_history.empty())
        return;
    const Subject previous = m_history.back();
    if (showSubject(previous, false))
        m_history.pop_back();
    cmdIndietro->setEnabled(!m_history.empty());
}

void frmPedigree::cmdStampaClick()
{
    ReportOutput::preview(m_context, this, pedigreeReport(m_shown.title, m_tree, m_coefficients));
}

void frmPedigree::cmdPdfClick()
{
    ReportOutput::savePdfAndOfferToOpen(m_context, this, pedigreeReport(m_shown.title, m_tree, m_coefficients),
        { m_shown.pdfName, m_shown.title, m_shown.exported });
}

void frmPedigree::cmdAccoppiamentoClick()
{
    const std::optional<frmAccoppiamento::Pair> pair = frmAccoppiamento::choose(m_context, this);
    if (!pair)
        return;
    Pedigree::Root litter;
    litter.name = QStringLiteral("Cucciolata di prova");
    litter.sire = pair->male.name;
    litter.dam = pair->female.name;
    litter.sireCard = pair->male.position;
    litter.damCard = pair->female.position;
    showSubject({ litter,
        QStringLiteral("Accoppiamento di prova: %1 \u00D7 %2").arg(pair->male.name, pair->female.name),
        ReportOutput::pdfFileName({ QStringLiteral("Accoppiamento"), pair->male.name, pair->female.name }),
        QStringLiteral("dell'accoppiamento di prova") });
}
