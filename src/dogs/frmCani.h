#pragma once

#include "dogs/DogCardForm.h"
#include "ui/ArchiveWindow.h"
#include "ui/CardFields.h"
#include "ui/RecordNavigator.h"
#include "ui/UnsavedChanges.h"

struct AppContext;
class PhotoActions;
class PhotoBox;
class Record;

// The dog card: one record of the dog archive at a time, with the arrows to
// move through the archive, New, Save and Duplicate. The card on screen is a
// working copy that only Save writes; the arrows, New, a search and closing
// replace it, after asking whether to save it when it was changed (the photo
// and the attached files count as values of the card). The position label is
// the card's only link to the file; blank means the card has not been stored.
class frmCani : public ArchiveWindow
{
    Q_OBJECT

public:
    frmCani(AppContext &context, QWidget *mainMenu);

    /// Empties the card: a new card on the first section, focus on the name.
    void PulisciScheda();
    /// Shows a stored record and its album photo; the visible section stays.
    void showRecord(const Record &record, qint64 position);

    /// Fills the owner boxes (name, telephone, tax code, town) from an owner
    /// record, as importing from the owner archive does; nothing else changes.
    void importOwner(const Record &owner);

    /// The trimmed position label: blank for a card not stored yet.
    QString position() const;
    PhotoBox *photoBox() const { return m_form.imgFoto; }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void cmdNuovoClick();
    /// True when the card was stored.
    bool cmdSalvaClick();
    void cmdDuplicaClick();
    void btnCodFiscClick();
    void btnCostiClick();
    void btnPesoClick();
    /// Whether the costs or the weight log (what: "dei costi", "delle
    /// pesate") may open: a stored card with a name and a breed; otherwise
    /// the warning of the first that is missing.
    bool opensDogLog(const char *what);
    void btnPedigreeClick();

    void connectControls();
    /// No position, the placeholder photo, the first section, focus on the name.
    void startNewCard();
    void showSection(int section);
    bool requiredFieldsFilled();
    /// The album photo of the position shown: loaded after every read,
    /// written after every successful save.
    void CaricaFotoAlbum();
    void SalvaFotoAlbum();
    PhotoActions photo();
    /// The sixty values and the photo shown, for telling a changed card.
    QStringList cardValues() const;

    AppContext &m_context;
    DogCardForm m_form;
    CardFields m_fields;
    RecordNavigator m_navigator;
    UnsavedChanges m_unsaved;
};
