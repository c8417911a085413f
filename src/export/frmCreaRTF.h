#pragma once

#include <QDialog>

struct AppContext;
class QLabel;

// Writes the dog card on screen, unsaved edits included, as the RTF document
// "Scheda_Cane.rtf" in the program folder, and offers to open it. The window
// closes after an export, whether it was confirmed, refused or failed.
class frmCreaRTF : public QDialog
{
    Q_OBJECT

public:
    /// card is the dog card whose text boxes supply the values; mode is the
    /// opener's open mode: only "cani" exports.
    frmCreaRTF(AppContext &context, QWidget *card, const QString &mode);

    /// The RTF button (`cmdAnteprima`) of the dog card: shows this window in
    /// mode "cani" modally over the card and destroys it on closing.
    static void openForDogCard(AppContext &context, QWidget *card);

private:
    void btnEsportaClick();
    void exportCard();

    AppContext &m_context;
    QWidget *m_card;
    QLabel *m_mode;
};
