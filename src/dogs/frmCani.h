#pragma once

#include "dogs/DogCardForm.h"
#include "ui/ArchiveWindow.h"
#include "ui/CardFields.h"

struct AppContext;
class PhotoActions;
class PhotoBox;
class Record;

// The dog card: one record of the dog archive at a time, with the arrows to
// move through the archive, New, Save and Duplicate. The card on screen is a
// working copy that only Save writes; the arrows, New, a search and closing
// replace it, after asking whether to save it when it was changed (the photo
// and the attached files count as values of the card). The card's position
// (ArchiveWindow::position) is its only link to the file; none means the card
// has not been stored.
class HealthBadge;

class frmCani : public ArchiveWindow, private CardContent
{
    Q_OBJECT

public:
    frmCani(AppContext &context, QWidget *mainMenu);

    /// Shows a stored record and its album photo; the visible section stays.
    void showRecord(const Record &record, qint64 position);

    /// Fills the owner boxes (name, telephone, tax code, town) from an owner
    /// record, as importing from the owner archive does; nothing else changes.
    void importOwner(const Record &owner);

    PhotoBox *photoBox() const { return m_form.imgFoto; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    // CardContent: a new card shows the first section with the focus on the
    // name; the photo is a value of the card, loaded with the record and
    // written after it.
    QStringList cardValues() const override;
    void showValues(const Record &record) override;
    void blankValues() override;
    bool startCopy() override;
    std::optional<Record> checkedRecord() override;
    void afterSave() override;

    void btnCodFiscClick();
    void btnCostiClick();
    void btnPesoClick();
    void btnSaluteClick();
    /// The health booklet button's dot, for the card shown now.
    void showHealthBadge();
    /// Whether the costs, the weight log or the health booklet (what: "dei
    /// costi", "delle pesate", "del libretto sanitario") may open: a stored card with a name and a breed; otherwise
    /// the warning of the first that is missing.
    bool opensDogLog(const char *what);
    void btnPedigreeClick();

    void connectControls();
    /// The placeholder photo, the first section, focus on the name.
    void startNewCard();
    void showSection(int section);
    bool requiredFieldsFilled();
    /// The album photo of the position shown: loaded after every read,
    /// written after every successful save.
    void CaricaFotoAlbum();
    void SalvaFotoAlbum();
    PhotoActions photo();

    AppContext &m_context;
    DogCardForm m_form;
    CardFields m_fields;
    HealthBadge *m_healthBadge;
};
