#pragma once

#include "PlatformDoubles.h"
#include "RecordBytes.h"
#include "app/Application.h"
#include "platform/AppContext.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

// A temporary program folder and a set of platform doubles: enough to create
// any window on its own.
class TestContext
{
public:
    TestContext();

    /// The program folder and the doubles, as every window takes them.
    AppContext &context() { return m_context; }
    /// Full path of a file or folder inside the temporary program folder.
    QString path(const QString &relative) const;
    QByteArray readFile(const QString &relative) const;
    void writeFile(const QString &relative, const QByteArray &bytes) const;

    PlatformDoubles doubles;

private:
    QTemporaryDir m_folder;
    AppContext m_context;
};

// The whole application on a temporary program folder: the six long-lived
// windows created in their order, with the doubles in place of the platform.
// The folder holds the settings file as delivered; unless asked to stay at the
// password window, the fixture types the initial password and enters the
// main menu as the user would.
class AppFixture : public TestContext
{
public:
    enum class Start { MainMenu, PasswordWindow };
    explicit AppFixture(Start start = Start::MainMenu);

    /// Types text into the password window's box and presses OK.
    void enterPassword(const QString &text);

    Application &app() { return *m_app; }
    /// Opens an archive window as the user does, with its main menu button
    /// ("btnCani", "btnProprietari", "btnScadenze"); fails unless it becomes active.
    void openFromMenu(const char *menuButton, QWidget *window);
    /// The name of the control that has the focus, or nothing.
    static QString focused();

private:
    std::unique_ptr<Application> m_app;
};

/// The child of window with that objectName; fails the test when missing.
template<typename T = QWidget>
T *child(QWidget *window, const char *name)
{
    T *found = window->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        QTest::qFail(qPrintable(QStringLiteral("no child named %1").arg(QLatin1StringView(name))), __FILE__, __LINE__);
    return found;
}

/// Runs handler on the next modal window that opens (a check window, the
/// attach-files window…). Call it before the click that opens the window; the
/// handler must close the window (when a failed check stops the handler, the
/// window is closed for it). Fails the test when none opens in time.
void whenModalShown(std::function<void(QWidget *)> handler);

/// Clicks a button (or picture button) as the user would.
void click(QWidget *button);

/// Clicks a help button and closes the help window it opens: its objectName
/// and the title of its page ("frmGuida Libretto sanitario del cane.").
QString helpOpenedBy(QWidget *button);

// main() for GUI tests: headless unless the caller chose a platform, a fixed
// font DPI so that layout does not depend on the machine, and the program's
// font substitutes.
#define ZAMPORA_GUI_TEST_MAIN(TestClass)                                   \
    int main(int argc, char *argv[])                                       \
    {                                                                      \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                \
            qputenv("QT_QPA_PLATFORM", "offscreen");                       \
        qputenv("QT_FONT_DPI", "96");                                      \
        QApplication app(argc, argv);                                      \
        QApplication::setApplicationName(QStringLiteral("Zampora"));        \
        Fonts::installSubstitutes();                                       \
        TestClass test;                                                    \
        return QTest::qExec(&test, argc, argv);                            \
    }
