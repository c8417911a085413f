#pragma once

#include "dogs/CostsForm.h"
#include "dogs/DogLogWindow.h"
#include "kennel/CostList.h"

#include <optional>

class CostTable;
class ListFinder;

// The costs of one dog: the list of what it cost with the total, find-next in
// the list, adding and modifying a cost in the entry view, and the printed
// summary. It reads and writes the cost file named after the dog's position;
// no cost is ever deleted. The list and the total are read when the window
// opens; the entry view stays until the window closes (or until a cost
// another copy of the program changed is refused).
class frmCostiCane : public DogLogWindow
{
    Q_OBJECT

public:
    using Dog = LoggedDog;

    frmCostiCane(AppContext &context, QWidget *card, const Dog &dog);

private:
    void FormShow() override;
    /// Reads the list and its total; a failure is said and leaves them as they were.
    void showList();
    /// Another copy of the program changed the cost being saved: says so and
    /// shows the list as it is now.
    void costChangedElsewhere();
    void btnAggiungiClick();
    void btnModificaClick();
    /// True when the cost was stored.
    bool btnSalvaClick();
    void btnStampaClick();
    void txtImportoExit();

    /// Shows a stored cost in the entry, or a new one when none is given.
    void showCost(const std::optional<CostList::Cost> &cost);
    void showEntryView();

    CostsForm m_form;
    CostTable *m_costs;
    ListFinder *m_finder;
    std::optional<CostList::Cost> m_edited; // the stored cost the entry stands for
    QString m_total = QStringLiteral("0,00");
};
