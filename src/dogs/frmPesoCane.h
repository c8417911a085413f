#pragma once

#include "kennel/WeightLog.h"
#include "dogs/WeightForm.h"

#include <QDate>
#include <QDialog>

#include <functional>
#include <optional>

struct AppContext;
class WeightTable;

// The weight log of one dog: the weighings in date order with the change
// from one to the next and a young dog's daily gain, the weight chart, adding,
// modifying and deleting a weighing, and the printed page and its PDF file.
// It reads and writes the weight file named after the dog's position; every
// change is read back from the file and shown in the table and the chart at
// once. A new weighing that is the latest of the log may become the card's
// Peso, which the card's own Save then stores.
class frmPesoCane : public QDialog
{
    Q_OBJECT

public:
    // The dog as the card shows it when the log is opened.
    struct Dog
    {
        QString name;
        QString breed;
        QString position; // of a stored card, never blank
        QString birth;    // the card's date of birth, as typed
    };
    /// Writes a weight ("12,35 kg") into the card's Peso box.
    using WriteWeight = std::function<void(const QString &)>;

    frmPesoCane(AppContext &context, QWidget *card, const Dog &dog, WriteWeight writeWeight);

    /// The path of the dog's weight file.
    QString filePath() const;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    /// Reads the log and shows it; the weighing at position selected when
    /// given. False, after the access message, when it could not be read.
    bool showLog(qint64 selectPosition = 0);
    void tblPesateSelected();
    void btnAggiungiClick();
    void btnModificaClick();
    void btnEliminaClick();
    /// Another copy of the program changed the selected weighing: says so and
    /// shows the log as it is now.
    void rereadChangedLog();
    void cmdStampaClick();
    void cmdPdfClick();
    void impDataClick();
    void grafPesoHovered(const QPointF &point, bool state);

    /// The weighing the boxes hold, once it passes the checks.
    std::optional<WeightLog::Weighing> checkedWeighing(qint64 editedPosition);
    /// The selected weighing, or the message why there is none.
    std::optional<WeightLog::Weighing> selectedWeighing(const char *action, const char *button);
    void offerAsCardWeight(const WeightLog::Weighing &weighing);
    std::optional<WeightLog::Weighing> latestWeighing() const;
    void offerLatestIfChanged(const std::optional<WeightLog::Weighing> &latestBefore);
    QString title() const;

    AppContext &m_context;
    Dog m_dog;
    QDate m_birth;
    WriteWeight m_writeWeight;
    WeightForm m_form;
    WeightTable *m_table;
    qint64 m_unreadableSaid = 0; // the records last reported as unreadable
};
