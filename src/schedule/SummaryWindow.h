#pragma once

#include "storage/ScheduleRecord.h"

#include <QDialog>

#include <functional>

struct AppContext;
class ListPanel;
class Record;

// The payment and confirmation summaries of the schedule: one line for every
// entry of the open year in a given state (payments to make
// `frmConfermati`, payments made `frmNonConfermati`, appointments to confirm
// `frmDaConfermare`), sorted, with find, print, and a double click that
// loads the entry into the schedule window. The three are one window with
// three descriptions. The list is read once, when the window is shown, and
// the year file is never written here: an entry is updated by loading it,
// changing it in the schedule window and saving it there.
class SummaryWindow : public QDialog
{
    Q_OBJECT

public:
    // What tells one summary from the others: the entries whose flag field
    // holds flagText are listed.
    struct Description
    {
        QString objectName;
        QString caption;
        QString printTitle;
        ScheduleRecord::Field flag;
        QString flagText;
    };

    /// Shows an entry read at a 1-based position in the schedule window.
    using ShowEntry = std::function<void(const Record &entry, qint64 position)>;

    static const Description &paymentsToMake();
    static const Description &paymentsMade();
    static const Description &appointmentsToConfirm();

    SummaryWindow(AppContext &context, QWidget *schedule, const Description &description, const QString &yearFilePath,
                  ShowEntry showEntry);

    /// Creates the window over the schedule window, shows it modally and
    /// destroys it when it closes.
    static void open(AppContext &context, QWidget *schedule, const Description &description,
                     const QString &yearFilePath, ShowEntry showEntry);

    void lstRecordsDoubleClick();
    void btnStampaClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillList();

    AppContext &m_context;
    const Description &m_description;
    const QString m_yearFilePath;
    ShowEntry m_showEntry;
    ListPanel *m_panel;
};
