#pragma once

#include "export/GridWindow.h"
#include "help/HelpPages.h"
#include "schedule/DeadlineLists.h"

#include <QDate>

#include <functional>

struct AppContext;
struct SpreadsheetFormat;

// The deadline lists opened from the schedule's start view: the entries
// imminent today (`frmExpImminenti`), those of the calendar's day
// (`frmExpGiornaliere`) and those of the calendar's month (`frmExpMensili`),
// in a grid in chronological order, each row keeping the number it had in
// file order, with the export of the grid to a spreadsheet. The three are
// one window with three descriptions; each reads its year file once, when
// it is shown, and never writes it. The imminent list shows the health
// booklets' due entries too; a double click on one of them opens it through
// the opener it was given.
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

    /// Opens the health booklet of the dog at dogPosition on its entry at
    /// entryPosition, over parent. The schedule knows no dog window: the
    /// program hands it in.
    using HealthEntryOpener = std::function<void(QWidget *parent, qint64 dogPosition, qint64 entryPosition)>;

    /// day picks the entries and names the year file read.
    DeadlineListWindow(AppContext &context, QWidget *owner, const Description &description, QDate day,
        HealthEntryOpener openHealthEntry = {});

    /// frmExpImminenti: the entries imminent on the day (today).
    static const Description &imminent();
    /// frmExpGiornaliere: the entries of the day.
    static const Description &ofDay();
    /// frmExpMensili: the entries of the day's month.
    static const Description &ofMonth();

    /// Creates the window over owner, shows it modally and destroys it when it closes.
    static void open(AppContext &context, QWidget *owner, const Description &description, QDate day,
        HealthEntryOpener openHealthEntry = {});

protected:
    ExportRows readRows() const override;
    /// A health row opens its entry; a schedule row nothing.
    void rowDoubleClicked(int row) override;

private:
    const Description &m_description;
    const QDate m_day;
    const HealthEntryOpener m_openHealthEntry;
    // Filled as the rows are read, which GridWindow asks of a const window.
    mutable QHash<int, DeadlineLists::HealthPlace> m_healthRows;
};
