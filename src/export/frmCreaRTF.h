#pragma once

#include "storage/RecordTexts.h"

#include <QDialog>

struct AppContext;

// Writes the dog card it is handed, as the card shows it, unsaved edits
// included, as the RTF document "Scheda_Cane.rtf" in the program folder, and
// offers to open it. The window closes after an export, whether it was
// confirmed, refused or failed.
class frmCreaRTF : public QDialog
{
    Q_OBJECT

public:
    /// card is the window the dog card dog is shown in (a record of the dog
    /// layout); mode is the opener's open mode: only "cani" exports.
    frmCreaRTF(AppContext &context, QWidget *card, RecordTexts dog, const QString &mode);

    /// The RTF button (`cmdAnteprima`) of the dog card: shows this window in
    /// mode "cani" modally over the card and destroys it on closing.
    static void openForDogCard(AppContext &context, QWidget *card, const RecordTexts &dog);

private:
    void btnEsportaClick();
    void exportCard();

    AppContext &m_context;
    const RecordTexts m_dog;
    const bool m_exports;
};
