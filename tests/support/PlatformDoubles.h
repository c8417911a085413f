#pragma once

#include "platform/Platform.h"
#include "report/ReportLayout.h"

#include <QList>
#include <QQueue>
#include <QStringList>

#include <optional>

// Test doubles of the platform seams: each records what the program asked of
// it and answers from a script.

class RecordingMessageBoxes final : public MessageBoxes
{
public:
    struct Shown
    {
        Kind kind;
        QString text;
        Buttons buttons = Buttons::OkCancel; // of an information, warning or error box
        bool operator==(const Shown &) const = default;
    };

    Answer show(Style style, QWidget *owner, const QString &text) override;

    /// Answers for the next questions, of either kind, in order. Unscripted, a
    /// Yes/No question gets Yes and a cancellable one No, so that a card
    /// left with changes goes on as it would without the question.
    void answerNextQuestions(std::initializer_list<Answer> answers) { m_answers.append(answers); }
    QList<Shown> shown;
    QList<QWidget *> owners;

    /// The one box shown since the last take(); fails the test otherwise.
    Shown takeOnly();

private:
    QQueue<Answer> m_answers;
};

class ScriptedFileDialogs final : public FileDialogs
{
public:
    struct Asked
    {
        QString title;
        QString filters;
        SaveRequest save; // set for save dialogs
    };

    QString openFile(QWidget *, const QString &title, const QString &filters) override;
    QString saveFile(QWidget *, const SaveRequest &request) override;
    QString folder(QWidget *, const QString &title) override;

    /// Paths returned by the next dialogs, in order; an empty one is a cancel.
    QQueue<QString> answers;
    QList<Asked> asked;
};

class RecordingShell final : public Shell
{
public:
    bool openUrl(const QString &pathOrAddress) override
    {
        opened.append(pathOrAddress);
        return succeed;
    }

    QStringList opened;
    bool succeed = true;
};

class FixedClock final : public Clock
{
public:
    QDateTime now() const override { return current; }
    QDateTime current{QDate(2024, 2, 28), QTime(9, 30)};
};

class FixedScreen final : public Screen
{
public:
    QSize size() const override { return current; }
    QSize current{1920, 1080};
};

// Plays nothing: records what was loaded and how often the sound was played
// and stopped. A load succeeds when the file exists, unless playable is false
// (a file the media back end cannot decode).
class RecordingSound final : public Sound
{
public:
    bool load(const QString &path) override;
    bool isLoaded() const override { return m_loaded; }
    void play() override;
    void stop() override;

    bool playable = true;
    QStringList loads;
    int plays = 0;
    int stops = 0;
    /// Played and not stopped since.
    bool playing = false;

private:
    bool m_loaded = false;
};

// Keeps every report handed to the printer or the preview, laid out, so that
// tests read its pages.
class CapturingPrinting final : public Printing
{
public:
    bool print(QWidget *, const Report::PreparedReport &report) override
    {
        printed.push_back(report);
        return succeed;
    }
    void preview(QWidget *, const Report::PreparedReport &report) override { previewed.push_back(report); }

    std::vector<Report::PreparedReport> printed;
    std::vector<Report::PreparedReport> previewed;
    bool succeed = true; // false: the printer fails
};

// Runs the work at once on the test's own thread and records each run: its
// title and every step shown, the first one included. cancelAtStep plays the
// user pressing "Annulla" when the work reports that step (counted from 0 over
// the steps reported, or at the first cancellable one after it): from then on
// report() answers false. A message box shown while the work runs fails the
// test: boxes belong to the windows' thread, once the dialog has closed.
class ScriptedProgress final : public Progress
{
public:
    explicit ScriptedProgress(const RecordingMessageBoxes &messages)
        : m_messages(messages)
    {
    }

    void run(QWidget *owner, const QString &title, const Step &first, const Work &work) override;

    struct Run
    {
        QString title;
        QList<Step> steps;
        bool cancelled = false; // "Annulla" was pressed
        QStringList labels() const;
    };
    QList<Run> runs;
    std::optional<int> cancelAtStep;

private:
    const RecordingMessageBoxes &m_messages;
};

/// The texts of a prepared page, in drawing order.
QStringList pageTexts(const Report::Page &page);
/// The texts of every page of a report, in order.
QStringList reportTexts(const Report::PreparedReport &report);

// One set of doubles, ready to hand to the windows.
struct PlatformDoubles
{
    RecordingMessageBoxes messages;
    ScriptedFileDialogs fileDialogs;
    RecordingShell shell;
    FixedClock clock;
    FixedScreen screen;
    RecordingSound sound;
    CapturingPrinting printing;
    ScriptedProgress progress { messages };

    Platform platform() { return {messages, fileDialogs, shell, clock, screen, sound, printing, progress}; }
};
