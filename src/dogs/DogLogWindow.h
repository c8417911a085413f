#pragma once

#include "kennel/DogLogFile.h"
#include "platform/AppContext.h"
#include "platform/MessageBoxes.h"
#include "ui/CardFields.h"
#include "ui/FileActionGuard.h"
#include "ui/UnsavedChanges.h"

#include <QDialog>

#include <functional>
#include <optional>

class DogLogModel;
class PictureButton;
class QTableView;

// The dog whose log is open, as its card shows it when the log is opened.
struct LoggedDog
{
    QString name;
    QString breed;
    QString position; // of a stored card, never blank
    QString birth {}; // the card's date of birth, as typed, for the logs that need it
};

// What a kind of log tells the window that keeps it; its columns, checks and
// form fields are the window's own.
struct DogLogKind
{
    const char *objectName;
    const char *windowTitle;
    const DogLogFile::Format &file;
    /// The buttons of its information, warning and error boxes.
    MessageBoxes::Buttons buttons;
    /// The warning when another copy of the program changed the entry being stored.
    const char *changedElsewhere;
    /// The warning about the records that could not be read: one, and
    /// several (%1 their number).
    const char *oneUnreadable;
    const char *severalUnreadable;
};

// The window of one of a dog's logs (its costs, its weighings), modal over
// the dog's card. What every log shares lives here:
// - the dog, trimmed, and its log file, named after its position;
// - the entry form: the record's boxes found by their field names (as a
//   card's), Enter moving from one to the next, the date box's "today"
//   button; an entry typed and not stored makes closing ask whether to save
//   it first (the cards' question), so that nothing typed is lost unasked;
// - every read and write through the failure guard: a failure shows the
//   access message (or names a file refused for its size) and leaves the
//   window as it was;
// - the records that cannot be read, counted when the log opens and again
//   only when a reread finds another number;
// - an entry another copy of the program changed: said, and the log reread.
class DogLogWindow : public QDialog
{
    Q_OBJECT

public:
    /// Every way of closing (the buttons, the title bar, Escape) ends here.
    void done(int result) override;

    /// The path of the dog's log file.
    QString filePath() const;

protected:
    DogLogWindow(AppContext &context, QWidget *card, const LoggedDog &dog, const DogLogKind &kind);

    /// Once the kind has built its form on the window: centres it, wires the
    /// entry's boxes (dateField's first) and its today button, and takes save,
    /// the entry's own Save with its checks and messages, for the question on
    /// closing. What the entry shows once the window opens counts as unchanged.
    void formBuilt(int dateField, PictureButton *today, std::function<bool()> save);

    /// Reads the log and shows it, when the window is shown.
    virtual void FormShow() = 0;
    void showEvent(QShowEvent *event) override;

    /// "<name>  -  Razza: <breed>", the words every title and printed page
    /// give the dog.
    QString dogTitle() const;

    /// Runs an action that reads or writes the log; false once its failure is said.
    template<typename Action> bool fileAction(Action &&action)
    {
        return runFileAction(m_context.platform.messages, this,
            { MessageBoxes::Kind::Warning, m_kind.buttons }, std::forward<Action>(action));
    }
    void information(const QString &text);
    void warning(const QString &text);
    /// Says how many records could not be read, unless the last reading said
    /// the same number: every change rereads the log.
    void sayUnreadable(qint64 unreadable);
    void sayChangedElsewhere();

    /// Selects the row of view showing the entry stored at position and
    /// scrolls to it; with no such entry, scrolls to the last one.
    static void showEntryAt(QTableView *view, const DogLogModel &model, qint64 position);
    /// The row selected in view, if any.
    static std::optional<int> selectedRow(const QTableView *view);
    /// The row picked in view for action, the button's, or the message why
    /// there is none: the log has no entry (emptyLog, "l'elenco non contiene
    /// nessuna pesata") or none is selected (anEntry, "una pesata").
    std::optional<int> pickedRow(const QTableView *view, const char *action, const char *button,
        const char *emptyLog, const char *anEntry);

    /// The entry shown now counts as unchanged: it was stored, read or cleared.
    void entryShown();
    CardFields &entry() { return *m_entry; }

    AppContext &m_context;
    const LoggedDog m_dog;

private:
    const DogLogKind &m_kind;
    std::optional<CardFields> m_entry;
    std::optional<UnsavedChanges> m_unsaved;
    qint64 m_unreadableSaid = 0; // the records last reported as unreadable
};
