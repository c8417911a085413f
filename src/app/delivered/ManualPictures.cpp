#include "app/delivered/ManualPictures.h"

#include "app/Application.h"
#include "app/delivered/ManualFigures.h"
#include "app/delivered/SampleFolder.h"
#include "app/frmAvvio.h"
#include "app/frmPassword.h"
#include "dogs/frmCani.h"
#include "owners/frmClienti.h"
#include "platform/AppContext.h"
#include "schedule/frmScadenzario.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

namespace ManualPictures {

namespace {

// Seams that ask nothing and show nothing: every question is answered No,
// every dialog cancelled, so that the windows stay as they open.
class QuietMessages final : public MessageBoxes
{
public:
    Answer show(Style, QWidget *, const QString &) override { return Answer::No; }
};

class QuietFileDialogs final : public FileDialogs
{
public:
    QString openFile(QWidget *, const QString &, const QString &) override { return {}; }
    QString saveFile(QWidget *, const SaveRequest &) override { return {}; }
    QString folder(QWidget *, const QString &) override { return {}; }
};

class QuietShell final : public Shell
{
public:
    bool openUrl(const QString &) override { return true; }
};

class SampleClock final : public Clock
{
public:
    QDateTime now() const override { return SampleFolder::sampleNow(); }
};

// The screen the windows size themselves for: the smallest they are made for.
class SampleScreen final : public Screen
{
public:
    QSize size() const override { return { 1366, 768 }; }
};

class QuietSound final : public Sound
{
public:
    bool load(const QString &) override { return true; }
    bool isLoaded() const override { return true; }
    void play() override { }
    void stop() override { }
};

class QuietPrinting final : public Printing
{
public:
    bool print(QWidget *, const Report::PreparedReport &) override { return true; }
    void preview(QWidget *, const Report::PreparedReport &) override { }
};

// Runs the work at once: the pictures are of windows, never of progress.
class QuietProgress final : public Progress
{
public:
    void run(QWidget *, const QString &, const Step &, const Work &work) override
    {
        struct : Reporter
        {
            bool report(const Step &) override { return true; }
        } goOn;
        work(goOn);
    }
};

struct QuietPlatform
{
    QuietMessages messages;
    QuietFileDialogs fileDialogs;
    QuietShell shell;
    SampleClock clock;
    SampleScreen screen;
    QuietSound sound;
    QuietPrinting printing;
    QuietProgress progress;

    Platform platform() { return { messages, fileDialogs, shell, clock, screen, sound, printing, progress }; }
};

// Lets a window finish laying itself out and painting.
void settle()
{
    QEventLoop loop;
    QTimer::singleShot(60, &loop, &QEventLoop::quit);
    loop.exec();
}

QWidget *startWindow(Application &application, ManualStart start)
{
    switch (start) {
    case ManualStart::Password:
        return &application.password();
    case ManualStart::MainMenu:
        return &application.mainMenu();
    case ManualStart::Owners:
        return &application.owners();
    case ManualStart::Dogs:
        return &application.dogs();
    case ManualStart::Schedule:
        return &application.schedule();
    }
    return nullptr;
}

// Clicks the visible button of that name as the mouse would; false when the
// window has none.
bool click(QWidget *window, const QString &name)
{
    QWidget *button = nullptr;
    for (QWidget *candidate : window->findChildren<QWidget *>(name))
        if (candidate->isVisible())
            button = candidate;
    if (!button)
        return false;
    if (auto *pushed = qobject_cast<QAbstractButton *>(button)) {
        pushed->click();
        return true;
    }
    const QPointF centre = QRectF(button->rect()).center();
    const QPointF global = button->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(button, &press);
    QApplication::sendEvent(button, &release);
    return true;
}

void lookAt(QWidget *window, const Look &look)
{
    settle();
    look(window);
}

// The window the button opens: a modal one is looked at while it waits for
// the user, then closed; any other once shown, then closed. False when the
// button is missing or opens nothing.
bool lookAtOpenedBy(QWidget *window, const QString &button, const Look &look)
{
    bool looked = false;
    const QWidgetList before = QApplication::topLevelWidgets();
    QTimer watch;
    watch.setInterval(20);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        watch.stop();
        lookAt(modal, look);
        looked = true;
        modal->close();
    });
    watch.start();
    const bool clicked = click(window, button);
    watch.stop();
    if (clicked && !looked)
        for (QWidget *opened : QApplication::topLevelWidgets())
            if (opened->isVisible() && !before.contains(opened)) {
                lookAt(opened, look);
                looked = true;
                opened->close();
                break;
            }
    return looked;
}

} // namespace

bool open(Application &application, const ManualFigure &figure, const Look &look, QString &error)
{
    QWidget *window = startWindow(application, figure.start);
    window->show();
    settle();
    for (const QString &step : figure.steps)
        if (!click(window, step)) {
            error = QStringLiteral("no button %1").arg(step);
            return false;
        }
    if (figure.opens.isEmpty())
        lookAt(window, look);
    else if (!lookAtOpenedBy(window, figure.opens, look)) {
        error = QStringLiteral("%1 opens no window").arg(figure.opens);
        return false;
    }
    window->hide();
    return true;
}

QList<Manual::Figure> take(const QString &sampleFolder, QString &error)
{
    QuietPlatform platform;
    QList<Manual::Figure> figures;
    for (const ManualFigure &figure : manualFigures()) {
        // Each figure from a fresh start, as a user finds the windows.
        Application application({ ProgramFolder(sampleFolder), platform.platform() });
        QImage picture;
        QString fault;
        if (!open(
                application, figure, [&](QWidget *window) { picture = window->grab().toImage(); }, fault)) {
            error = QStringLiteral("figure %1: %2").arg(figures.size() + 1).arg(fault);
            return {};
        }
        figures.append({ figure.chapter, figure.caption, figure.page, picture });
    }
    return figures;
}

} // namespace ManualPictures
