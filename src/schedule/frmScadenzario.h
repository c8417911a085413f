#pragma once

#include "schedule/DeadlineListWindow.h"
#include "schedule/ScheduleCardView.h"
#include "schedule/ScheduleStartView.h"
#include "ui/ArchiveWindow.h"
#include "ui/CardFields.h"

#include <QDate>

struct AppContext;
class CalendarMarks;
class GradientWidget;
class Record;

// The schedule window: a start view to choose a year, see at a glance whether
// deadlines of the current year are near (with the alarm sound) and pick a
// day or month in the calendar; and a card view showing the entries of the
// open year one at a time, with New, Save, Duplicate and the four arrows. The
// card on screen is a working copy that only Save writes; the arrows, New, a
// search or summary and closing replace it, after asking whether to save it
// when it was changed. The card's position (ArchiveWindow::position) is its
// only link to the open year's file.
class frmScadenzario : public ArchiveWindow, private CardContent
{
    Q_OBJECT

public:
    frmScadenzario(AppContext &context, QWidget *mainMenu);

    /// Full path of the year file open in the card view (the hidden
    /// `lblFile` shows it); empty before a year has been opened.
    QString yearFilePath() const { return m_yearFilePath; }
    /// The date chosen in the calendar for the day and month lists.
    QDate calendarDate() const;

    /// Shows an entry of the open year read at a position, as the arrows do:
    /// used by the summaries and the schedule search.
    void showRecord(const Record &entry, qint64 position);
    /// Copies the dog's and its owner's data from a dog record into the card,
    /// leaving date, time and position as they are: used by the dog search.
    void importDog(const Record &dog);
    /// What a double click on a health booklet's row of the imminent list
    /// opens; nothing until set.
    void setHealthEntryOpener(DeadlineListWindow::HealthEntryOpener opener)
    {
        m_openHealthEntry = std::move(opener);
    }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool showsCard() const override;
    /// The start view, the current year proposed, the imminent deadlines
    /// judged; the card stays as it was until a year is opened.
    void opened() override;
    /// Back to the start view, the alarm silenced.
    void closing() override;

private:
    // CardContent. A blank card has no selection, the time at "00:00", the
    // amount at "0,00" and the focus on the day; a copy loses its date and
    // time. The date and time labels are worked out by Save, not values of
    // their own.
    QStringList cardValues() const override;
    void showValues(const Record &entry) override;
    void blankValues() override;
    bool startCopy() override;
    std::optional<Record> checkedRecord() override;
    /// The calendar's marks are read again, the saved entry among them.
    void afterSave() override;

    void btnApriClick();
    void btnCodFiscClick();
    /// Writes the open year's entries as a calendar file the user chooses.
    void cmdCalendarioClick();
    void txtCostoLostFocus();

    void connectControls();
    void showStartView();
    /// Judges today's deadlines in the current year's file and the health
    /// booklets' due entries, lists the latter and sounds the alarm.
    void checkImminentDeadlines();
    void resetSelectors();
    /// The card as the record Save writes, the hidden labels included.
    Record cardRecord() const;
    /// Empties the day, the month and the time, and closes the selectors.
    void clearDateAndTime();
    QString textOf(ScheduleRecord::Field field) const;
    void setTextOf(ScheduleRecord::Field field, const QString &text);

    AppContext &m_context;
    GradientWidget *m_background;
    QWidget *m_startPanel;
    QWidget *m_cardPanel;
    ScheduleStartView m_start;
    ScheduleCardView m_card;
    CalendarMarks *m_calendarMarks;
    CardFields m_fields;
    QString m_yearFilePath;
    DeadlineListWindow::HealthEntryOpener m_openHealthEntry;
};
