#pragma once

#include "dogs/CostsForm.h"
#include "ui/CardFields.h"
#include "ui/RecordNavigator.h"
#include "ui/UnsavedChanges.h"

#include <QDialog>

struct AppContext;
class ListFinder;

// The costs of one dog: the list of what it cost with the total, find-next in
// the list, adding and modifying a cost in the entry view, and the printed
// summary. It reads and writes the cost file named after the dog's position;
// no cost is ever deleted. The list and the total are read when the window
// opens; the entry view stays until the window closes (or until a cost
// another copy of the program changed is refused), and a cost changed
// there since it was shown or saved is not closed before the user has
// answered whether to save it.
class frmCostiCane : public QDialog
{
    Q_OBJECT

public:
    // The dog as the card shows it when the costs are opened.
    struct Dog
    {
        QString name;
        QString breed;
        QString position; // of a stored card, never blank
    };

    frmCostiCane(AppContext &context, QWidget *card, const Dog &dog);

    /// Every way of closing (the two Chiudi, the title bar, Escape) ends here.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    /// Reads the list and its total.
    void showList();
    /// Another copy of the program changed the cost being saved: says so and
    /// shows the list as it is now.
    void costChangedElsewhere();
    void btnAggiungiClick();
    void btnModificaClick();
    /// True when the cost was stored.
    bool btnSalvaClick();
    void btnStampaClick();
    void impDataClick();
    void txtImportoExit();

    void showCost(const Record &cost, qint64 position);
    void showEntryView();

    AppContext &m_context;
    Dog m_dog;
    CostsForm m_form;
    ListFinder *m_finder;
    RecordNavigator m_entry;
    CardFields m_fields;
    UnsavedChanges m_unsaved;
    qint64 m_unreadableSaid = 0; // the records last reported as unreadable
};
