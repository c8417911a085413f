#pragma once

#include "search/FlaggedListWindow.h"

// The payment and confirmation summaries of the schedule: one line for every
// entry of the open year in a given state (payments to make
// `frmConfermati`, payments made `frmNonConfermati`, appointments to confirm
// `frmDaConfermare`), past or future. The three are one window with three
// descriptions; a double click loads the entry into the schedule window,
// where it is changed and saved.
class SummaryWindow : public FlaggedListWindow
{
    Q_OBJECT

public:
    static const Description &paymentsToMake();
    static const Description &paymentsMade();
    static const Description &appointmentsToConfirm();

    /// yearFilePath is the year file the schedule window has open, as it holds it.
    SummaryWindow(AppContext &context, QWidget *schedule, const Description &description, const QString &yearFilePath,
                  ShowRecord showEntry);

    /// Creates the window over the schedule window, shows it modally and
    /// destroys it when it closes.
    static void open(AppContext &context, QWidget *schedule, const Description &description,
                     const QString &yearFilePath, ShowRecord showEntry);
};
