#pragma once

#include "dogs/DogLogWindow.h"
#include "dogs/HealthForm.h"
#include "kennel/HealthBooklet.h"
#include "storage/RecordTexts.h"

#include <QDate>

#include <optional>

class HealthTable;

// The health booklet of one dog: its vaccinations, wormings, visits and
// treatments in date order with the next due date and how near it is,
// adding, modifying and deleting an entry, recording the booster of an
// entry in one step, and the printed booklet and its PDF file. Beside the
// entries it shows the card's own health notes, for reference only. Every
// dog's entries share one archive; the window reads and writes those of its
// dog, and every change is read back from the archive at once.
class frmSaluteCane : public DogLogWindow
{
    Q_OBJECT

public:
    /// The booklet of the dog whose card (values as shown, saved or not)
    /// is stored at dogPosition; the entry at entryPosition of the archive
    /// is selected when the booklet shows it.
    frmSaluteCane(AppContext &context, QWidget *card, const RecordTexts &dog, qint64 dogPosition,
                  qint64 entryPosition = 0);

    /// Opens the booklet of the dog stored at dogPosition of the dog archive
    /// modally over parent, on the entry at entryPosition, the dog as read
    /// from the archive. False, after the access message or the warning that
    /// the card is no longer there, when the dog cannot be read.
    static bool openOn(AppContext &context, QWidget *parent, qint64 dogPosition, qint64 entryPosition);

private:
    void FormShow() override;
    /// Reads the booklet and shows it; the entry at position selected when
    /// given. False, after the access message, when it could not be read.
    bool showBooklet(qint64 selectPosition = 0);
    /// Empties the boxes for a new entry: a vaccination with the usual notice.
    void blankEntry();
    void tblSaluteSelected();
    /// The due date the kind and the date typed call for, written into
    /// Scadenza; nothing while the boxes show a stored entry.
    void fillDueDate();
    bool btnAggiungiClick();
    bool btnModificaClick();
    void btnEliminaClick();
    void btnRichiamoClick();
    bool saveEntry();
    bool modify(const HealthBooklet::Entry &selected);
    bool store(const HealthBooklet::Entry &entry);
    void rereadChangedBooklet();
    void cmdStampaClick();
    void cmdPdfClick();

    std::optional<HealthBooklet::Entry> checkedEntry(qint64 editedPosition);
    std::optional<HealthBooklet::Entry> selectedEntry(const char *action, const char *button);
    std::optional<HealthBooklet::Entry> selected() const;
    QString title() const;
    QStringList identity() const;

    const RecordTexts m_card;
    const qint64 m_dogPosition;
    const QDate m_birth;
    qint64 m_entryToSelect;
    bool m_showingEntry = false; // the boxes are being filled from a stored entry
    HealthForm m_form;
    HealthTable *m_table;
};
