#pragma once

#include "search/ArchiveSearch.h"

#include <QDialog>

#include <functional>

struct AppContext;
class ListPanel;
class Record;
class RecordLayout;

// A list of one line for every record of a file whose flag field holds a
// given text (the owners to recontact, the schedule's payment and
// confirmation summaries), sorted, with find, print, and a double click that
// loads the record into the window that opened the list. The list is read
// once, when the window is shown, and the file is never written here: a
// record is changed by loading it and saving it in its own window.
//
// Each line keeps its record's position, and a double click loads the record
// of the line chosen. Listed records whose lines read the same cannot be told
// apart, so a pick of one loads them all in file order and the window keeps
// the last, as the search windows do; a record the list leaves out is never
// loaded, whatever its line.
class FlaggedListWindow : public QDialog
{
    Q_OBJECT

public:
    // What tells one list from the others.
    struct Description
    {
        QString objectName;
        QString caption;
        QString logo; // resource path of the picture above the list
        QString panelName;
        QString printTitle;
        const RecordLayout &layout;
        int flag; // the records whose field flag holds flagText are listed
        QString flagText;
        ArchiveSearch::LineOf lineOf;
    };

    /// Shows a chosen record, at its 1-based position, in the window that opened the list.
    using ShowRecord = std::function<void(const Record &record, qint64 position)>;

    FlaggedListWindow(AppContext &context, QWidget *opener, const Description &description, const QString &filePath,
                      ShowRecord showRecord);

    void lstRecordsDoubleClick();
    void btnStampaClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillList();

    AppContext &m_context;
    const Description &m_description;
    const QString m_filePath;
    ShowRecord m_showRecord;
    ListPanel *m_panel;
};
