#pragma once

#include "dogs/DogLogWindow.h"
#include "dogs/WeightForm.h"
#include "kennel/WeightLog.h"

#include <QDate>

#include <functional>
#include <optional>

class WeightTable;

// The weight log of one dog: the weighings in date order with the change
// from one to the next and a young dog's daily gain, the weight chart, adding,
// modifying and deleting a weighing, and the printed page and its PDF file.
// It reads and writes the weight file named after the dog's position; every
// change is read back from the file and shown in the table and the chart at
// once. A new weighing that is the latest of the log may become the card's
// Peso, which the card's own Save then stores. A weighing typed and not
// stored is offered for saving on closing: as a correction of the selected
// weighing, or as a new one when none is selected.
class frmPesoCane : public DogLogWindow
{
    Q_OBJECT

public:
    using Dog = LoggedDog;
    /// Writes a weight ("12,35 kg") into the card's Peso box.
    using WriteWeight = std::function<void(const QString &)>;

    frmPesoCane(AppContext &context, QWidget *card, const Dog &dog, WriteWeight writeWeight);

private:
    void FormShow() override;
    /// Reads the log and shows it; the weighing at position selected when
    /// given. False, after the access message, when it could not be read.
    bool showLog(qint64 selectPosition = 0);
    void tblPesateSelected();
    /// Each true when the log was changed.
    bool btnAggiungiClick();
    bool btnModificaClick();
    void btnEliminaClick();
    /// Stores the weighing typed: over the selected one, else as a new one.
    bool saveEntry();
    /// Writes the weighing the boxes hold over selected.
    bool modify(const WeightLog::Weighing &selected);
    /// Another copy of the program changed the selected weighing: says so and
    /// shows the log as it is now.
    void rereadChangedLog();
    void cmdStampaClick();
    void cmdPdfClick();
    void grafPesoHovered(const QPointF &point, bool state);

    /// The weighing the boxes hold, once it passes the checks.
    std::optional<WeightLog::Weighing> checkedWeighing(qint64 editedPosition);
    /// The selected weighing, or the message why there is none.
    std::optional<WeightLog::Weighing> selectedWeighing(const char *action, const char *button);
    /// The weighing selected in the table, if any.
    std::optional<WeightLog::Weighing> selected() const;
    void offerAsCardWeight(const WeightLog::Weighing &weighing);
    std::optional<WeightLog::Weighing> latestWeighing() const;
    void offerLatestIfChanged(const std::optional<WeightLog::Weighing> &latestBefore);
    QString title() const;

    QDate m_birth;
    WriteWeight m_writeWeight;
    WeightForm m_form;
    WeightTable *m_table;
};
