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
// found, sorted, with find, print and a double click that loads the card into
// the window that opened the search (where depends on the open mode, held in
// the hidden label `lblMemory`). There is no way back to the criteria: a new
// search is a new window. Every action opens the archive and closes it again.
class SearchWindow : public QDialog
{
    Q_OBJECT

public:
    SearchWindow(AppContext &context, QWidget *opener, const SearchDescription &description, const QString &mode);

    /// Creates the window over opener in that mode, shows it modally and
    /// destroys it when it closes.
    static void open(AppContext &context, QWidget *opener, const SearchDescription &description,
                     const QString &mode);

    void btnCercaClick();
    void lstRecordsDoubleClick();

private:
    QWidget *buildCriteriaView(QWidget *parent);
    void showWaitNotice();

    AppContext &m_context;
    QWidget *m_opener;
    const SearchDescription &m_description;
    QLabel *m_lblMemory;
    QWidget *m_panAvvio;
    QList<QLineEdit *> m_criteria;
    QLabel *m_lblAttendere;
    ListPanel *m_panContainer;
    QLabel *m_lblTrovate;
};
