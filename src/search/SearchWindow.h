#pragma once

#include "search/SearchDescription.h"

#include <QDialog>

struct AppContext;
class ListPanel;
class QLabel;
class QLineEdit;
class QPushButton;

// A search window: the criteria view, where the user types words to look for
// in up to ten fields of an archive; then the result view, one line per card
// found, sorted, with find, print and a double click that hands the card to
// the target the opener gave. There is no way back to the criteria: a new
// search is a new window. Every action opens the archive and closes it again.
//
// Each line keeps its record's position, and a double click reads the record
// there again. Cards whose lines are equal cannot be told apart in the list:
// choosing one hands the target every listed card with that line, in file
// order, so that the last in the file is what the card keeps, as it always
// was.
class SearchWindow : public QDialog
{
    Q_OBJECT

public:
    /// filePath is the archive searched (the schedule's year file it shows).
    SearchWindow(AppContext &context, QWidget *opener, const SearchDescription &description, const QString &filePath,
                 SearchTarget target);

    /// Creates the window over opener, shows it modally and destroys it when it closes.
    static void open(AppContext &context, QWidget *opener, const SearchDescription &description,
                     const QString &filePath, SearchTarget target);

    void btnCercaClick();
    void lstRecordsDoubleClick();

private:
    QWidget *buildCriteriaView(QWidget *parent);
    void showWaitNotice();

    AppContext &m_context;
    QWidget *m_opener;
    const SearchDescription &m_description;
    const QString m_filePath;
    const SearchTarget m_target;
    QWidget *m_panAvvio;
    QList<QLineEdit *> m_criteria;
    QLabel *m_lblAttendere;
    ListPanel *m_panContainer;
    QLabel *m_lblTrovate;
};
