#pragma once

#include "platform/Platform.h"

#include <memory>

class QtMessageBoxes final : public MessageBoxes
{
public:
    Answer show(Style style, QWidget *owner, const QString &text) override;
};

class QtFileDialogs final : public FileDialogs
{
public:
    QString openFile(QWidget *owner, const QString &title, const QString &filters) override;
    QString saveFile(QWidget *owner, const SaveRequest &request) override;
    QString folder(QWidget *owner, const QString &title) override;
};

class DesktopShell final : public Shell
{
public:
    bool openUrl(const QString &pathOrAddress) override;
};

class SystemClock final : public Clock
{
public:
    QDateTime now() const override;
};

class PrimaryScreen final : public Screen
{
public:
    QSize size() const override;
};

// Plays through Qt Multimedia. The player is made on the first load, so that
// a run that never sounds the alarm never starts the media back end.
class MediaSound final : public Sound
{
public:
    MediaSound();
    ~MediaSound() override;

    bool load(const QString &path) override;
    bool isLoaded() const override;
    void play() override;
    void stop() override;

private:
    struct Player;
    std::unique_ptr<Player> m_player;
};

class SystemPrinting final : public Printing
{
public:
    bool print(QWidget *owner, const Report::PreparedReport &report) override;
    void preview(QWidget *owner, const Report::PreparedReport &report) override;
};

// Runs the work on a thread of its own under a modal QProgressDialog. The
// dialog stays until the work has returned: "Annulla" (or closing the dialog)
// only asks the work to stop, so that nothing can be done in the windows while
// the work is still undoing itself.
class DialogProgress final : public Progress
{
public:
    void run(QWidget *owner, const QString &title, const Step &first, const Work &work) override;
};

// The real platform, as the application uses it outside tests.
class QtPlatform
{
public:
    Platform platform() { return {m_messages, m_fileDialogs, m_shell, m_clock, m_screen, m_sound, m_printing, m_progress}; }

private:
    QtMessageBoxes m_messages;
    QtFileDialogs m_fileDialogs;
    DesktopShell m_shell;
    SystemClock m_clock;
    PrimaryScreen m_screen;
    MediaSound m_sound;
    SystemPrinting m_printing;
    DialogProgress m_progress;
};
