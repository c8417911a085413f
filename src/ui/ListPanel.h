#pragma once

#include <QWidget>

class ListFinder;
class LineList;
class MessageBoxes;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// The panel of a list window (search results, summaries, owners to
// recontact): an optional picture at the top, the two lines of instructions,
// the find band (magnifier, `txtTrova`, "Trova"), the list `lstRecords`, the
// crimson double-click hint, an optional count line, and "Chiudi" and
// "Stampa" at the bottom. Finding in the list is wired; what the list holds,
// the double click, Stampa and Chiudi are the window's.
class ListPanel : public QWidget
{
    Q_OBJECT

public:
    /// top, when given, is placed above the instructions.
    ListPanel(const QString &objectName, MessageBoxes &messages, QWidget *parent, QWidget *top = nullptr);

    /// Adds the count line `lblTrovate` (dark cyan) under the hint.
    QLabel *addCountLine();
    /// Forgets the last find, empties the find box and puts the focus in it.
    void startFinding();

    LineList *lstRecords;
    QLineEdit *txtTrova;
    QPushButton *btnTrova;
    QPushButton *btnChiudi;
    QPushButton *btnStampa;
    ListFinder *finder;

private:
    QVBoxLayout *m_column;
    int m_countRow;
};
