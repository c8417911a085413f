#pragma once

#include "search/FlaggedListWindow.h"

// The owners to recontact: one line for every stored owner whose card has
// "Da ricontattare" ticked, from the archive as saved; a double click loads
// the owner into the owner card.
class frmRicontatta : public FlaggedListWindow
{
    Q_OBJECT

public:
    frmRicontatta(AppContext &context, QWidget *ownerCard, ShowRecord showOwner);

    /// Creates the window over the owner card, shows it modally and destroys it when it closes.
    static void open(AppContext &context, QWidget *ownerCard, ShowRecord showOwner);
};
