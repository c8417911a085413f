#pragma once

#include <QDialog>

#include <functional>

struct AppContext;
class ListPanel;
class Record;

// The owners to recontact: one line for every stored owner whose card has
// "Da ricontattare" ticked, sorted, with find, print, and a double click that
// loads the owner into the owner card. The list is read once, when the window
// is shown, from the archive as saved.
class frmRicontatta : public QDialog
{
    Q_OBJECT

public:
    /// Shows a chosen owner record, at its 1-based position, on the owner card.
    using ShowOwner = std::function<void(const Record &owner, qint64 position)>;

    frmRicontatta(AppContext &context, QWidget *ownerCard, ShowOwner showOwner);

    /// Creates the window over the owner card, shows it modally and destroys it when it closes.
    static void open(AppContext &context, QWidget *ownerCard, ShowOwner showOwner);

    void lstRecordsDoubleClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fillList();
    QString archivePath() const;

    AppContext &m_context;
    ShowOwner m_showOwner;
    ListPanel *m_panel;
};
