#pragma once

#include "help/HelpPages.h"

#include <QDialog>

#include <span>

struct AppContext;
struct SpreadsheetFormat;
class ExportGrid;
class ExportRows;
class PictureButton;
class QHBoxLayout;
class QTableView;
class StatusHints;

// The windows that show records in a grid and export it to a spreadsheet
// (the archive exports and the deadline lists): a fixed window of 862 by 560
// on a light grey background, a white band with a title picture and the
// export, help and exit buttons, the read-only grid with shaded alternate
// rows 21 high, and the slate-blue status strip whose text follows the mouse
// over the buttons. The grid is filled once, when the window opens; records
// saved meanwhile wait for the next opening, or for the window's own reload
// (a list over a period chosen in the band). What it is filled with belongs
// to each window.
class GridWindow : public QDialog
{
    Q_OBJECT

public:
    // What tells one family of grid windows from another.
    struct Look
    {
        QString objectName;
        QString caption;
        QString titleArtwork; // resource path of the band's picture
        QString gridName;     // objectName of the grid
        std::span<const int> columnWidths; // the running number's column first
        const SpreadsheetFormat &format; // the grid's columns, and what cmdEsporta writes
        HelpPage help;
    };

    const ExportGrid &grid() const { return *m_grid; }

protected:
    GridWindow(AppContext &context, QWidget *owner, const Look &look);

    /// The rows the grid shows, read when the window opens.
    virtual ExportRows readRows() const = 0;
    /// A double click on a row of the grid (counted from 0): nothing, unless
    /// the window's rows open something.
    virtual void rowDoubleClicked(int row);

    void showEvent(QShowEvent *event) override;

    /// Shows these rows in place of those the grid shows.
    void showRows(ExportRows rows);
    /// Puts a window's own controls in the band, after the title picture.
    void addToBand(QWidget *controls);
    /// A picture button of the band's kind (artwork a resource path), placed
    /// before the export with its status text.
    PictureButton *addBandButton(const char *objectName, const QString &artwork, const char *words,
                                 const char *statusText);

    AppContext &m_context;

private:
    QWidget *buildBand(const QString &titleArtwork);
    QTableView *buildGrid(const Look &look);

    const SpreadsheetFormat &m_format;
    ExportGrid *m_grid;
    QHBoxLayout *m_bandRow;
    StatusHints *m_hints;
    PictureButton *cmdEsporta;
    PictureButton *cmdGuida;
    PictureButton *cmdEsci;
};
