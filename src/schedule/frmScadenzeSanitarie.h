#pragma once

#include "export/GridWindow.h"
#include "schedule/HealthDeadlineList.h"

class QLineEdit;
class QPushButton;

// The list "Scadenze sanitarie": every dog's health items due in the period
// typed in the band (today and the next thirty days at first), in the grid
// of the deadline lists, printed as the other lists are and exported to its
// own spreadsheet. It reads the booklets when it opens and at each "Mostra",
// and never writes them.
class frmScadenzeSanitarie : public GridWindow
{
    Q_OBJECT

public:
    frmScadenzeSanitarie(AppContext &context, QWidget *owner);

    /// Creates the window over owner, shows it modally and destroys it when it closes.
    static void open(AppContext &context, QWidget *owner);

protected:
    ExportRows readRows() const override;

private:
    QWidget *buildPeriodBoxes();
    void btnMostraClick();
    void cmdStampaClick();
    /// The rows of period, or nothing when they cannot be read (the user is told).
    std::optional<ExportRows> rowsOf(const HealthDeadlineList::Period &period) const;

    HealthDeadlineList::Period m_period; // the period the grid shows
    QLineEdit *txtDal;
    QLineEdit *txtAl;
    QPushButton *btnMostra;
};
