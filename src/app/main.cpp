#include "app/AccessPassword.h"
#include "app/Application.h"
#include "app/CommandLineTasks.h"
#include "app/Fonts.h"
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    {
        // Backups, restores and calendar exports run from a terminal and
        // need no window system.
        const QCoreApplication terminal(argc, argv);
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (const std::optional<int> status = CommandLineTasks::run(QCoreApplication::arguments(),
                QCoreApplication::applicationDirPath(), SystemClock().now(), out, err))
            return *status;
    }

    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zampora"));
    // Captions are shown exactly as the windows give them; an empty display
    // name keeps the platform from appending the program's name to each.
    QApplication::setApplicationDisplayName(QString());
    Fonts::installSubstitutes();

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption folderOption(QStringLiteral("cartella"),
        QStringLiteral("Cartella del programma (archivi, foto, allegati)."), QStringLiteral("DIR"));
    parser.addOption(folderOption);
    CommandLineTasks::describe(parser);
    parser.process(qapp);
    QString folder = QCoreApplication::applicationDirPath();
    if (parser.isSet(folderOption)) {
        // A folder named on the command line is the user's choice: make it
        // ready rather than fail at the first save.
        folder = parser.value(folderOption);
        QDir().mkpath(folder);
        // The folder also needs the settings file the installation delivers
        // beside the executable, or nobody could enter it.
        const QString settings = QString::fromLatin1(AccessPassword::settingsFileName);
        QFile::copy(QDir(QCoreApplication::applicationDirPath()).filePath(settings), QDir(folder).filePath(settings));
    }

    QtPlatform platform;
    Application application({ ProgramFolder(folder), platform.platform() });
    QObject::connect(&application, &Application::quitRequested, &qapp, &QApplication::quit);
    application.start();
    return qapp.exec();
}
