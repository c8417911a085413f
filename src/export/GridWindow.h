#pragma once

#include <QDialog>

#include <span>

class PictureButton;
class QAbstractItemModel;
class QTableView;

// The look shared by the windows that show records in a grid and export it to
// a spreadsheet (the archive exports and the deadline lists): a fixed window
// of 862 by 560 on a light grey background, a white band with a title picture
// and the export, help and exit buttons, the read-only grid with shaded
// alternate rows 21 high, and the slate-blue status strip whose text follows
// the mouse over the buttons. What the grid holds and what the buttons do
// belong to the window.
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
    };

protected:
    /// The window takes the grid model as its child.
    GridWindow(QWidget *owner, const Look &look, QAbstractItemModel *grid, QSize screen);

    PictureButton *cmdEsporta;
    PictureButton *cmdGuida;
    PictureButton *cmdEsci;
    QTableView *grdView;

private:
    QWidget *buildBand(const QString &titleArtwork);
    QTableView *buildGrid(const Look &look, QAbstractItemModel *grid);
};
