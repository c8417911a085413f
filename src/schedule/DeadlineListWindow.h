#pragma once

#include "export/GridWindow.h"
#include "help/HelpPages.h"
#include "schedule/DeadlineLists.h"

#include <QDate>

struct AppContext;
struct SpreadsheetFormat;

// The deadline lists opened from the schedule's start view: the entries
// imminent today (`frmExpImminenti`), those of the calendar's day
// (`frmExpGiornaliere`) and those of the calendar's month (`frmExpMensili`),
// in a grid in chronological order, each row keeping the number it had in
// file order, with the export of the grid to a spreadsheet. The three are
// one window with three descriptions; each reads its year file once, when
// it is shown, and never writes it.
class DeadlineListWindow : public GridWindow
{
    Q_OBJECT

public:
    // What tells one deadline list from the others.
    struct Description
    {
        QString objectName;
        QString caption;
        DeadlineLists::Kind kind;
        const SpreadsheetFormat &format;
        HelpPage help;
    };

    /// day picks the entries and names the year file read.
    DeadlineListWindow(AppContext &context, QWidget *owner, const Description &description, QDate day);

    /// frmExpImminenti: the entries imminent on the day (today).
    static const Description &imminent();
    /// frmExpGiornaliere: the entries of the day.
    static const Description &ofDay();
    /// frmExpMensili: the entries of the day's month.
    static const Description &ofMonth();

    /// Creates the window over owner, shows it modally and destroys it when it closes.
    static void open(AppContext &context, QWidget *owner, const Description &description, QDate day);

protected:
    ExportRows readRows() const override;

private:
    const Description &m_description;
    const QDate m_day;
};
