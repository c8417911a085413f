#pragma once

#include "owners/OwnerCardForm.h"
#include "storage/OwnerRecord.h"
#include "ui/ArchiveWindow.h"
#include "ui/CardFields.h"
#include "ui/RecordNavigator.h"
#include "ui/UnsavedChanges.h"

struct AppContext;
class QLineEdit;
class Record;

// The owner card: one record of the owner archive at a time, with the arrows
// to move through the archive, New, Save and Duplicate, the identifier checks,
// e-mail and attached files. The card on screen is a working copy that only
// Save writes; the arrows, New, a search or list and closing replace it, after
// asking whether to save it when it was changed. The position label is the
// card's only link to the file; blank means the card has not been stored.
class frmClienti : public ArchiveWindow
{
    Q_OBJECT

public:
    frmClienti(AppContext &context, QWidget *mainMenu);

    /// Shows a stored record at its position, as the arrows do; the search
    /// and the list of owners to recontact load their choice through it.
    void showRecord(const Record &record, qint64 position);

    /// The trimmed position label: blank for a card not stored yet.
    QString position() const;
    /// A field's text as the card shows it now, saved or not, trimmed; the
    /// recontact mark as "Sì" or "No". What the printed card reads.
    QString value(OwnerRecord::Field field) const { return m_fields.value(field); }

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void cmdNuovoClick();
    /// True when the card was stored.
    bool cmdSalvaClick();
    void cmdDuplicaClick();
    void cmdFileClick();
    void btnEmailClick();
    void btnCodFiscClick();
    void btnCartaClick();
    void btnPartitaIvaClick();
    void btnIbanClick();

    void connectControls();
    void setTypingRules();
    void setFocusOrder();
    /// Empties every box, the mark, the attachments and the position; focus on the name.
    void blankCard();
    QLineEdit *box(OwnerRecord::Field field) const;

    AppContext &m_context;
    OwnerCardForm m_form;
    CardFields m_fields;
    RecordNavigator m_navigator;
    UnsavedChanges m_unsaved;
};
