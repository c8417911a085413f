#pragma once

#include "dogs/CostsForm.h"
#include "ui/RecordNavigator.h"

#include <QDialog>

struct AppContext;
class ListFinder;

// The costs of one dog: the list of what it cost with the total, find-next in
// the list, adding and modifying a cost in the entry view, and the printed
// summary. It reads and writes the cost file named after the dog's position;
// no cost is ever deleted. The list and the total are read when the window
// opens; the entry view stays until the window closes.
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

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void btnAggiungiClick();
    void btnModificaClick();
    void btnSalvaClick();
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
};
