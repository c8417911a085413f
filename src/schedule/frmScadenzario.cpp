#include "schedule/frmScadenzario.h"

#include "calendar/CalendarExport.h"
#include "checks/OpenCheck.h"
#include "core/ProcessFormats.h"
#include "core/ScheduleRules.h"
#include "export/frmExpArchivio.h"
#include "help/Help.h"
#include "platform/AppContext.h"
#include "report/printing/CardPrinting.h"
#include "report/printing/ScreenValues.h"
#include "schedule/CalendarMarks.h"
#include "schedule/DeadlineListWindow.h"
#include "schedule/DogCardCells.h"
#include "schedule/HealthNotices.h"
#include "schedule/ListSelector.h"
#include "schedule/SummaryWindow.h"
#include "schedule/frmScadenzeSanitarie.h"
#include "search/SearchWindow.h"
#include "search/Searches.h"
#include "storage/AmountText.h"
#include "storage/DogRecord.h"
#include "storage/Flags.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ShortText.h"
#include "ui/CapitalsBox.h"
#include "ui/Centring.h"
#include "ui/FocusLeave.h"
#include "ui/GradientWidget.h"
#include "ui/PictureButton.h"
#include "ui/Theme.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringListModel>
#include <QPushButton>

namespace {

constexpr QSize panelSize(995, 692);
const QString startCaption = QStringLiteral(" Zampora - Scadenze e Appuntamenti");
const QString soundFile = QStringLiteral("Avviso.mp3");

QWidget *viewPanel(const char *objectName, QWidget *parent)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(objectName));
    panel->setFixedSize(panelSize);
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet(Theme::whitePanel(panel->objectName()));
    return panel;
}

// Leaves the focus where a failed check points, whatever the box's kind.
void focusOn(QWidget *control)
{
    control->setFocus(Qt::OtherFocusReason);
}

} // namespace

frmScadenzario::frmScadenzario(AppContext &context, QWidget *mainMenu)
    : ArchiveWindow(QStringLiteral("frmScadenzario"), startCaption, mainMenu)
    , m_context(context)
    , m_background(new GradientWidget(Theme::colour(Theme::Colour::CardBackdrop), this))
    , m_startPanel(viewPanel("panAvvio", m_background))
    , m_cardPanel(viewPanel("panContainer", m_background))
    , m_start(m_startPanel)
    , m_card(m_cardPanel)
    , m_fields(m_cardPanel, ScheduleRecord::layout())
{
    holdCard(context.platform.messages, *this,
        { ScheduleRecord::layout(), [this] { return m_yearFilePath; }, m_card.lblPosizione,
            { m_card.cmdNuovo, m_card.cmdSalva, m_card.cmdDuplica, m_card.cmdPrimo, m_card.cmdIndietro,
                m_card.cmdAvanti, m_card.cmdUltimo, m_card.cmdEsci },
            QString::fromUtf8("La scheda corrente è stata salvata in archivio.") });
    applyProcessFormats();
    m_start.calAppuntamenti->setSelectedDate(context.platform.clock.today());
    m_calendarMarks = new CalendarMarks(m_start.calAppuntamenti, context.folder, context.platform.clock);
    m_cardPanel->hide();
    controller().clear();
    connectControls();
}

void frmScadenzario::connectControls()
{
    connect(m_start.btnApri, &QPushButton::clicked, this, &frmScadenzario::btnApriClick);
    connect(m_start.imgEsci, &PictureButton::clicked, this, &QWidget::close);
    for (PictureButton *help : { m_start.imgGuida, m_card.cmdGuida })
        connect(help, &PictureButton::clicked, this, [this] { openHelp(m_context, this, HelpPage::Schedule); });
    connect(m_card.btnCodFisc, &PictureButton::clicked, this, &frmScadenzario::btnCodFiscClick);
    connect(m_card.cmdEsporta, &PictureButton::clicked, this,
            [this] { frmExpArchivio::openForSchedule(m_context, this, m_yearFilePath); });
    connect(m_card.cmdStampa, &PictureButton::clicked, this,
            [this] { CardPrinting::printScheduleCard(m_context, this, valuesOnScreen(m_cardPanel)); });
    connect(m_card.cmdCalendario, &PictureButton::clicked, this, &frmScadenzario::cmdCalendarioClick);
    connect(m_card.cmdImporta, &PictureButton::clicked, this, [this] {
        SearchWindow::open(m_context, this, Searches::dogs(), m_context.folder.filePath(DogRecord::fileName),
            { [this](const Record &dog, qint64) { importDog(dog); }, SearchTarget::FillsFields });
    });
    // Only the year the card view shows is searched.
    connect(m_card.cmdTrova, &PictureButton::clicked, this, [this] {
        SearchWindow::open(m_context, this, Searches::schedule(), m_yearFilePath,
            { [this](const Record &entry, qint64 position) { showRecord(entry, position); }, SearchTarget::ReplacesCard });
    });
    // The imminent list reads today's year; the day and month lists the
    // calendar's, whatever year the card view has open.
    connect(m_start.btnOK, &QPushButton::clicked, this, [this] {
        DeadlineListWindow::open(m_context, this, DeadlineListWindow::imminent(),
            m_context.platform.clock.today(), m_openHealthEntry);
    });
    connect(m_start.btnGiorno, &PictureButton::clicked, this,
            [this] { DeadlineListWindow::open(m_context, this, DeadlineListWindow::ofDay(), calendarDate()); });
    connect(m_start.btnMese, &PictureButton::clicked, this,
            [this] { DeadlineListWindow::open(m_context, this, DeadlineListWindow::ofMonth(), calendarDate()); });
    connect(m_start.btnSanitarie, &PictureButton::clicked, this, [this] { frmScadenzeSanitarie::open(m_context, this); });
    const std::pair<PictureButton *, const SummaryWindow::Description *> summaries[] = {
        { m_card.cmdDaConfermare, &SummaryWindow::appointmentsToConfirm() },
        { m_card.cmdDaEffettuare, &SummaryWindow::paymentsToMake() },
        { m_card.cmdEffettuate, &SummaryWindow::paymentsMade() },
    };
    for (const auto &[button, summary] : summaries) {
        connect(button, &PictureButton::clicked, this,
                [this, summary = summary] {
                    SummaryWindow::open(m_context, this, *summary, yearFilePath(),
                                        [this](const Record &entry, qint64 position) { showRecord(entry, position); });
                });
    }

    // The tax code turns to capitals as it is typed or pasted; a code shown
    // from the file stays as stored.
    connect(m_card.txtCodFisc, &QLineEdit::textEdited, this, [this] { CapitalsBox::tidy(m_card.txtCodFisc); });
    whenFocusLeaves(m_card.txtCosto, [this] { txtCostoLostFocus(); });
}

QDate frmScadenzario::calendarDate() const
{
    return m_start.calAppuntamenti->selectedDate();
}

QString frmScadenzario::textOf(ScheduleRecord::Field field) const
{
    return m_card.fields[field]->property("text").toString();
}

void frmScadenzario::setTextOf(ScheduleRecord::Field field, const QString &text)
{
    QWidget *control = m_card.fields[field];
    control->setProperty("text", text);
    if (auto *box = qobject_cast<QLineEdit *>(control))
        box->home(false); // long values show their beginning
}

void frmScadenzario::resizeEvent(QResizeEvent *)
{
    m_background->setGeometry(rect());
    // On a screen smaller than the panel its top-left corner stays in view.
    const QPoint centred = centredIn(size(), panelSize);
    const QPoint corner(qMax(0, centred.x()), qMax(0, centred.y()));
    m_startPanel->move(corner);
    m_cardPanel->move(corner);
}

void frmScadenzario::opened()
{
    showStartView();
    m_start.txtAnno->setText(QString::number(m_context.platform.clock.today().year()));
    m_start.txtAnno->setFocus();
    checkImminentDeadlines();
    m_calendarMarks->refresh();
}

bool frmScadenzario::showsCard() const
{
    return !m_cardPanel->isHidden();
}

void frmScadenzario::closing()
{
    showStartView();
    if (m_context.platform.sound.isLoaded())
        m_context.platform.sound.stop();
}

void frmScadenzario::showStartView()
{
    setWindowTitle(startCaption);
    m_cardPanel->hide();
    m_startPanel->show();
}

void frmScadenzario::checkImminentDeadlines()
{
    // The notice is a courtesy: a file that cannot be read changes nothing.
    const QDate today = m_context.platform.clock.today();
    std::optional<qint64> imminent;
    try {
        imminent = ScheduleRules::countImminent(m_context.folder, today);
    } catch (const RecordFileError &) {
    }
    QList<HealthNotices::Notice> health;
    try {
        health = HealthNotices::read(m_context.folder, today);
    } catch (const RecordFileError &) {
    }
    QStringList lines;
    lines.reserve(health.size());
    for (const HealthNotices::Notice &notice : std::as_const(health))
        lines.append(notice.line);
    m_start.healthLines->setStringList(lines);
    m_start.panSanitarie->setVisible(!health.isEmpty());
    if (!imminent && health.isEmpty())
        return;

    const bool due = imminent.value_or(0) > 0 || !health.isEmpty();
    m_start.imgPresenti->setVisible(due);
    m_start.imgAssenti->setVisible(!due);
    m_start.btnOK->setEnabled(due);
    Sound &sound = m_context.platform.sound;
    if (due && sound.load(m_context.folder.filePath(soundFile)) && sound.isLoaded())
        sound.play();
}

void frmScadenzario::btnApriClick()
{
    const QString year = m_start.txtAnno->text();
    if (year.size() != 4) {
        m_context.platform.messages.warning(this,
            QString::fromUtf8("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        m_start.txtAnno->setFocus();
        return;
    }
    const QString trimmed = trimmedText(year);
    m_yearFilePath = m_context.folder.filePath(trimmed + QStringLiteral(".sca"));
    m_card.lblFile->setText(m_yearFilePath);
    m_card.fields[ScheduleRecord::Anno]->setProperty("text", trimmed);
    setWindowTitle(QStringLiteral(" Zampora - Scadenze e appuntamenti anno ") + trimmed);
    m_startPanel->hide();
    m_cardPanel->show();
    controller().clear();
}

void frmScadenzario::resetSelectors()
{
    for (ListSelector *selector : m_card.selectors)
        selector->resetSelection();
}

void frmScadenzario::clearDateAndTime()
{
    setTextOf(ScheduleRecord::Giorno, {});
    setTextOf(ScheduleRecord::Mese, {});
    setTextOf(ScheduleRecord::OreApp, QStringLiteral("00"));
    setTextOf(ScheduleRecord::MinutiApp, QStringLiteral("00"));
    resetSelectors();
}

void frmScadenzario::blankValues()
{
    for (int field = 0; field < ScheduleRecord::FieldCount; ++field) {
        if (auto *box = qobject_cast<QLineEdit *>(m_card.fields[field]))
            box->clear();
    }
    clearDateAndTime();
    m_card.txtCosto->setText(QStringLiteral("0,00"));
    m_card.chkDaConfermare->setChecked(false);
    m_card.chkEffettuata->setChecked(false);
    m_card.fields[ScheduleRecord::Giorno]->setFocus();
}

void frmScadenzario::showRecord(const Record &entry, qint64 position)
{
    controller().show(entry, position);
}

void frmScadenzario::showValues(const Record &entry)
{
    for (int field = 0; field < ScheduleRecord::FieldCount; ++field) {
        const QString value = entry.value(field);
        if (auto *check = qobject_cast<QCheckBox *>(m_card.fields[field])) {
            // Only "Sì" and "No" are answers: any other text leaves the box as it was.
            if (const std::optional<bool> ticked = FlagText::parse(value))
                check->setChecked(*ticked);
        } else {
            setTextOf(ScheduleRecord::Field(field), value);
        }
    }
}

void frmScadenzario::importDog(const Record &dog)
{
    for (const auto &[from, to] : dogCardCells)
        setTextOf(to, dog.value(from));
}

QStringList frmScadenzario::cardValues() const
{
    // Save works the date and time labels out from the day, month, hour and
    // minutes, even when a later check fails: they are no values of their own.
    QStringList values = m_fields.values();
    values[ScheduleRecord::Data].clear();
    values[ScheduleRecord::Ora].clear();
    return values;
}

Record frmScadenzario::cardRecord() const
{
    Record entry(ScheduleRecord::layout());
    for (int field = 0; field < ScheduleRecord::FieldCount; ++field) {
        if (auto *check = qobject_cast<QCheckBox *>(m_card.fields[field]))
            entry.setValue(field, FlagText::of(check->isChecked()));
        else
            entry.setValue(field, textOf(ScheduleRecord::Field(field)));
    }
    return entry;
}

void frmScadenzario::txtCostoLostFocus()
{
    m_card.txtCosto->setText(AmountText::fitted(
        m_card.txtCosto->text(), 4, ScheduleRecord::layout().field(ScheduleRecord::Costo).capacity));
}

std::optional<Record> frmScadenzario::checkedRecord()
{
    // A click on a picture button leaves the focus where it was: the amount
    // box is given its form as if the click had taken the focus from it.
    if (focusWidget() == m_card.txtCosto)
        txtCostoLostFocus();
    resetSelectors();
    if (trimmedText(m_card.txtCosto->text()).isEmpty())
        m_card.txtCosto->setText(QStringLiteral("0,00"));

    Record entry = cardRecord();
    const std::optional<ScheduleRules::SaveProblem> problem = ScheduleRules::checkForSave(entry);
    // The time and date are worked out as the checks reach them, and shown
    // even when a later check fails.
    for (ScheduleRecord::Field computed : { ScheduleRecord::Ora, ScheduleRecord::Data })
        setTextOf(computed, entry.value(computed));
    if (problem) {
        m_context.platform.messages.show(
            problem->plain ? MessageBoxes::Kind::Notice : MessageBoxes::Kind::Warning, this, problem->message);
        focusOn(m_card.fields[problem->focus]);
        return std::nullopt;
    }
    return entry;
}

void frmScadenzario::afterSave()
{
    m_calendarMarks->refresh();
}

bool frmScadenzario::startCopy()
{
    if (!controller().reachFile())
        return false;
    clearDateAndTime();
    m_card.fields[ScheduleRecord::Giorno]->setFocus();
    return true;
}

void frmScadenzario::btnCodFiscClick()
{
    openTaxCodeCheck(m_context, this, m_card.txtCodFisc->text());
}

void frmScadenzario::cmdCalendarioClick()
{
    const QString year = trimmedText(m_card.fields[ScheduleRecord::Anno]->property("text").toString());
    const QString path = m_context.platform.fileDialogs.saveFile(this,
        { QStringLiteral("Esporta calendario"), QStringLiteral("Calendario iCalendar (*.ics)"),
            QStringLiteral("Scadenze_%1.ics").arg(year), QStringLiteral("ics") });
    if (path.isEmpty())
        return;
    MessageBoxes &messages = m_context.platform.messages;
    try {
        const CalendarExport::Summary summary
            = CalendarExport::exportYear(m_context.folder, year.toInt(), path, m_context.platform.clock.now());
        messages.information(this, CalendarExport::closingMessage(summary));
    } catch (const RecordFileError &) {
        messages.error(this, accessMessage());
    } catch (const CalendarExport::WriteError &error) {
        messages.error(this, error.message());
    }
}
