#include "search/SearchWindow.h"

#include "platform/AppContext.h"
#include "report/printing/ListReport.h"
#include "search/ResultLines.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ShortText.h"
#include "ui/ArchiveWindow.h"
#include "ui/Centring.h"
#include "ui/EnterKeyRing.h"
#include "ui/FileActionGuard.h"
#include "ui/FocusRectangles.h"
#include "ui/GradientWidget.h"
#include "ui/LineList.h"
#include "ui/ListPanel.h"
#include "ui/Theme.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr QSize windowSize(862, 560);
constexpr QSize viewSize(833, 529);
constexpr int columnWidth = 320;
constexpr int columnGap = 24;
constexpr int rowGap = 8;
constexpr int buttonHeight = 30;
constexpr int buttonWidth = 116;
const QColor darkCyan(0xFF008B8B);

QLabel *addLabel(const QString &text, const QFont &font, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(font);
    return label;
}

QPushButton *addButton(const char *objectName, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setFixedSize(buttonWidth, buttonHeight);
    return button;
}

} // namespace

SearchWindow::SearchWindow(AppContext &context, QWidget *opener, const SearchDescription &description,
                           const QString &filePath, SearchTarget target)
    : QDialog(opener, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_context(context)
    , m_opener(opener)
    , m_description(description)
    , m_filePath(trimmedText(filePath))
    , m_target(std::move(target))
{
    setObjectName(description.objectName);
    setWindowTitle(description.caption);
    setFixedSize(windowSize);

    auto *background = new GradientWidget(Theme::colour(Theme::Colour::SearchBackdrop), this);
    background->setGeometry(rect());

    m_panAvvio = buildCriteriaView(background);
    m_panAvvio->setFixedSize(viewSize);
    m_panAvvio->move(centredIn(windowSize, viewSize));

    m_panContainer = new ListPanel(QStringLiteral("panContainer"), context.platform.messages, background);
    m_panContainer->setFixedSize(viewSize);
    m_panContainer->move(centredIn(windowSize, viewSize));
    m_panContainer->hide();
    m_lblTrovate = m_panContainer->addCountLine();

    m_criteria.first()->setFocus();

    connect(m_panContainer->btnChiudi, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_panContainer->btnStampa, &QPushButton::clicked, this, [this] {
        printList(m_context, this, m_description.printTitle, m_panContainer->lstRecords->lines());
    });
    connect(m_panContainer->lstRecords, &LineList::doubleClickedAnywhere, this, &SearchWindow::lstRecordsDoubleClick);

    move(centredIn(context.platform.screen.size(), size()));
}

QWidget *SearchWindow::buildCriteriaView(QWidget *parent)
{
    auto *view = new QWidget(parent);
    view->setObjectName(QStringLiteral("panAvvio"));
    view->setAttribute(Qt::WA_StyledBackground);
    view->setStyleSheet(Theme::whitePanel(QStringLiteral("panAvvio")));

    auto *instructions = addLabel(
        QString::fromUtf8("Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da "
                          "trovare e premere il pulsante Cerca.\n"
                          "Lasciare in bianco tutti gli altri campi.\n"
                          "Per ogni ricerca è possibile utilizzare uno o più campi contemporaneamente."),
        Theme::font(Theme::Font::ResultLine), view);
    instructions->setObjectName(QStringLiteral("lblIstruzioni"));
    instructions->setAlignment(Qt::AlignCenter);
    instructions->setWordWrap(true);

    // The criteria two to a row, a full-width one alone in its row.
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(columnGap);
    grid->setVerticalSpacing(2);
    const QFont boxFont(QStringLiteral("Verdana"), 12, QFont::Bold);
    const QFont labelFont(QStringLiteral("Arial"), 10);
    int row = 0;
    int column = 0;
    for (const SearchCriterionBox &criterion : m_description.criteria) {
        if (criterion.fullWidth && column != 0) {
            row += 2;
            column = 0;
        }
        auto *box = new QLineEdit(view);
        box->setObjectName(QString::fromLatin1(criterion.boxName));
        box->setFont(boxFont);
        box->setFixedWidth(criterion.fullWidth ? 2 * columnWidth + columnGap : columnWidth);
        const int span = criterion.fullWidth ? 2 : 1;
        QLabel *label = addLabel(QString::fromUtf8(criterion.label), labelFont, view);
        label->setContentsMargins(0, rowGap, 0, 0);
        grid->addWidget(label, row, column, 1, span);
        grid->addWidget(box, row + 1, column, 1, span);
        m_criteria.append(box);
        column += span;
        if (column == 2) {
            row += 2;
            column = 0;
        }
    }

    m_lblAttendere = addLabel(QStringLiteral("Ricerca schede in corso. Attendere..."),
                              Theme::font(Theme::Font::ResultHeading), view);
    m_lblAttendere->setObjectName(QStringLiteral("lblAttendere"));
    m_lblAttendere->setAlignment(Qt::AlignCenter);
    QPalette colours = m_lblAttendere->palette();
    colours.setColor(QPalette::WindowText, darkCyan);
    m_lblAttendere->setPalette(colours);
    // Keeps its room while hidden, so that showing it moves nothing.
    QSizePolicy keepRoom = m_lblAttendere->sizePolicy();
    keepRoom.setRetainSizeWhenHidden(true);
    m_lblAttendere->setSizePolicy(keepRoom);
    m_lblAttendere->hide();

    QPushButton *btnAnnulla = addButton("btnAnnulla", QStringLiteral("Chiudi"), view);
    QPushButton *btnCerca = addButton("btnCerca", QStringLiteral("Cerca"), view);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnAnnulla);
    buttons->addStretch();
    buttons->addWidget(btnCerca);

    auto *page = new QVBoxLayout(view);
    page->setContentsMargins(12, 12, 12, 10);
    page->addWidget(instructions);
    page->addStretch();
    page->addLayout(grid);
    page->setAlignment(grid, Qt::AlignHCenter);
    page->addStretch();
    page->addWidget(m_lblAttendere);
    page->addStretch();
    page->addLayout(buttons);

    // Enter walks the criteria and goes round from the last to the first.
    auto *ring = new EnterKeyRing(this);
    for (qsizetype i = 0; i < m_criteria.size(); ++i)
        ring->link(m_criteria[i], [next = m_criteria[(i + 1) % m_criteria.size()]] { return next; });
    auto *rectangles = new FocusRectangles(this);
    for (QLineEdit *box : std::as_const(m_criteria))
        rectangles->add(box);
    for (qsizetype i = 0; i + 1 < m_criteria.size(); ++i)
        setTabOrder(m_criteria[i], m_criteria[i + 1]);

    // The notice must be on screen before the scan blocks the window, so it
    // appears as soon as the button goes down.
    connect(btnCerca, &QPushButton::pressed, this, &SearchWindow::showWaitNotice);
    connect(btnCerca, &QPushButton::clicked, this, &SearchWindow::btnCercaClick);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);
    return view;
}

void SearchWindow::open(AppContext &context, QWidget *opener, const SearchDescription &description,
                        const QString &filePath, SearchTarget target)
{
    SearchWindow window(context, opener, description, filePath, std::move(target));
    window.exec();
}

void SearchWindow::showWaitNotice()
{
    m_lblAttendere->show();
    m_lblAttendere->repaint();
}

void SearchWindow::btnCercaClick()
{
    showWaitNotice();
    QList<ArchiveSearch::Criterion> typed;
    for (qsizetype i = 0; i < m_criteria.size(); ++i)
        typed.append({ m_description.criteria[i].field, m_criteria[i]->text() });
    const ArchiveSearch::Criteria criteria(typed);

    ResultLines::Listing found;
    const bool searched = runFileAction(m_context.platform.messages, this, MessageBoxes::Kind::Notice, [&] {
        RecordFile file;
        file.openOrCreate(m_filePath, m_description.layout->recordSize());
        ArchiveSearch::collectLines(
            file, *m_description.layout, [&criteria](RecordView record) { return criteria.matches(record); },
            m_description.lineOf, found);
        file.closeFile();
    });
    if (!searched) {
        m_lblAttendere->hide();
        return;
    }
    ResultLines::sortAsListed(found);
    const qsizetype count = found.lines.size();
    m_panContainer->lstRecords->setLines(std::move(found.lines), std::move(found.positions));
    m_lblTrovate->setText(m_description.countPrefix + QString::number(count) + QStringLiteral(" schede."));
    m_panAvvio->hide();
    m_panContainer->show();
    m_panContainer->startFinding();
}

void SearchWindow::lstRecordsDoubleClick()
{
    // A failed load, or nothing chosen, just closes: what was loaded stays.
    const LineList *list = m_panContainer->lstRecords;
    if (const std::optional<int> row = list->selectedRow()) {
        // Kept from being replaced, the card stays as it was and the list
        // stays open for another choice.
        if (m_target.effect == SearchTarget::ReplacesCard && !ArchiveWindow::mayReplaceCardOf(m_opener))
            return;
        try {
            RecordFile file;
            file.openOrCreate(m_filePath, m_description.layout->recordSize());
            ArchiveSearch::loadRecordsAt(file, *m_description.layout,
                ResultLines::positionsAlike({ list->lines(), list->positions() }, *row), m_target.take);
            file.closeFile();
        } catch (const std::exception &) {
        }
    }
    accept();
}
