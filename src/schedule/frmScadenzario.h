#pragma once

#include "schedule/ScheduleCardView.h"
#include "schedule/ScheduleStartView.h"
#include "ui/ArchiveWindow.h"
#include "ui/CardFields.h"
#include "ui/RecordNavigator.h"
#include "ui/UnsavedChanges.h"

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
// when it was changed. The position label is the card's only link to the year
// file named in the hidden `lblFile`.
class frmScadenzario : public ArchiveWindow
{
    Q_OBJECT

public:
    frmScadenzario(AppContext &context, QWidget *mainMenu);

    /// Full path of the year file open in the card view (`lblFile`); empty
    /// before a year has been opened.
    QString yearFilePath() const;
    /// The date chosen in the calendar for the day and month lists.
    QDate calendarDate() const;
    /// The trimmed position label: blank for a card not stored yet.
    QString position() const;

    /// Shows an entry of the open year read at a position, as the arrows do:
    /// used by the summaries and the schedule search.
    void showRecord(const Record &entry, qint64 position);
    /// Copies the dog's and its owner's data from a dog record into the card,
    /// leaving date, time and position as they are: used by the dog search.
    void importDog(const Record &dog);

    /// Empties the card: no position, no selection, the time at "00:00", the
    /// amount at "0,00", focus on the day.
    void PulisciScheda();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool showsCard() const override;
    /// Back to the start view, the alarm silenced.
    void closing() override;

private:
    void btnApriClick();
    void cmdNuovoClick();
    /// True when the card was stored.
    bool cmdSalvaClick();
    void cmdDuplicaClick();
    void btnCodFiscClick();
    /// Writes the open year's entries as a calendar file the user chooses.
    void cmdCalendarioClick();
    void txtCostoLostFocus();

    void connectControls();
    void showStartView();
    /// Judges today's deadlines in the current year's file and sounds the alarm.
    void checkImminentDeadlines();
    void resetSelectors();
    /// The card as the record Save writes, the hidden labels included.
    Record cardRecord() const;
    /// What the card shows, for telling a changed card.
    QStringList cardValues() const;
    QString textOf(ScheduleRecord::Field field) const;
    void setTextOf(ScheduleRecord::Field field, const QString &text);

    AppContext &m_context;
    GradientWidget *m_background;
    QWidget *m_startPanel;
    QWidget *m_cardPanel;
    ScheduleStartView m_start;
    ScheduleCardView m_card;
    RecordNavigator m_navigator;
    CalendarMarks *m_calendarMarks;
    CardFields m_fields;
    UnsavedChanges m_unsaved;
};
