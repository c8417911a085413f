#pragma once

#include "owners/OwnerCardForm.h"
#include "storage/OwnerRecord.h"
#include "ui/ArchiveWindow.h"
#include "ui/CardFields.h"

struct AppContext;
class QLineEdit;
class Record;

// The owner card: one record of the owner archive at a time, with the arrows
// to move through the archive, New, Save and Duplicate, the identifier checks,
// e-mail and attached files. The card on screen is a working copy that only
// Save writes; the arrows, New, a search or list and closing replace it, after
// asking whether to save it when it was changed. The card's position
// (ArchiveWindow::position) is its only link to the file; none means the card
// has not been stored.
class frmClienti : public ArchiveWindow, private CardContent
{
    Q_OBJECT

public:
    frmClienti(AppContext &context, QWidget *mainMenu);

    /// Shows a stored record at its position, as the arrows do; the search
    /// and the list of owners to recontact load their choice through it.
    void showRecord(const Record &record, qint64 position);

    /// A field's text as the card shows it now, saved or not, trimmed; the
    /// recontact mark as "Sì" or "No". What the printed card reads.
    QString value(OwnerRecord::Field field) const { return m_fields.value(field); }

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // CardContent: the focus starts on the name; a copy keeps everything but
    // the attachments.
    QStringList cardValues() const override { return m_fields.values(); }
    void showValues(const Record &record) override { m_fields.show(record); }
    void blankValues() override;
    bool startCopy() override;
    std::optional<Record> checkedRecord() override;

    void cmdFileClick();
    void btnEmailClick();
    void btnCodFiscClick();
    void btnCartaClick();
    void btnPartitaIvaClick();
    void btnIbanClick();

    void connectControls();
    void setTypingRules();
    void setFocusOrder();
    QLineEdit *box(OwnerRecord::Field field) const;

    AppContext &m_context;
    OwnerCardForm m_form;
    CardFields m_fields;
};
