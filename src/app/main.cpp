#include "app/Application.h"
#include "app/CommandLineTasks.h"
#include "app/QtPlatform.h"
#include "app/ToolkitTexts.h"
#include "backup/Backup.h"
#include "core/Version.h"
#include "storage/ProgramFolder.h"
#include "storage/RecordFile.h"
#include "ui/Fonts.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QProcessEnvironment>
#include <QTextStream>

namespace {

/// The command line: --help, --version, the program folder and the tasks run
/// from a terminal.
struct CommandLine
{
    QCommandLineParser parser;
    const QCommandLineOption folder { QStringLiteral("cartella"),
        QStringLiteral("Cartella del programma (archivi, foto, allegati)."), QStringLiteral("DIR") };

    CommandLine()
    {
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(folder);
        CommandLineTasks::describe(parser);
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QStringLiteral("Zampora"));
    QCoreApplication::setApplicationVersion(programVersion());
    {
        // --version, --help, backups, restores and calendar exports answer
        // before the window system is reached, so that they work on a
        // terminal without a display. The toolkit's own options (-platform,
        // -style, ...) are unknown here: they are left, with every other
        // mistake, to the full reading below.
        const QCoreApplication terminal(argc, argv);
        CommandLine early;
        early.parser.parse(QCoreApplication::arguments());
        if (early.parser.isSet(QStringLiteral("version")))
            early.parser.showVersion();
        if (early.parser.isSet(QStringLiteral("help")))
            early.parser.showHelp();
        const QString usualFolder = chooseProgramFolder(QString(), ZAMPORA_FOLDER_HOME,
            QCoreApplication::applicationDirPath(), QProcessEnvironment::systemEnvironment());
        QTextStream out(stdout);
        QTextStream err(stderr);
        if (const std::optional<int> status = CommandLineTasks::run(
                QCoreApplication::arguments(), usualFolder, SystemClock().now(), out, err))
            return *status;
    }

    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication qapp(argc, argv);
    // Captions are shown exactly as the windows give them; an empty display
    // name keeps the platform from appending the program's name to each.
    QApplication::setApplicationDisplayName(QString());
    QGuiApplication::setDesktopFileName(QStringLiteral("zampora"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/icona.svg")));
    Fonts::installSubstitutes();
    ToolkitTexts::installItalian();
    CommandLine commandLine;
    commandLine.parser.process(qapp);

    const QString programDir = QCoreApplication::applicationDirPath();
    const QString folder = chooseProgramFolder(commandLine.parser.value(commandLine.folder),
        ZAMPORA_FOLDER_HOME, programDir, QProcessEnvironment::systemEnvironment());
    // A new folder gets at once what the program ships (alarm, manual, the
    // settings file with the initial password), found among the installed
    // templates or, for a copied program, beside it; nothing already there is
    // replaced. Any other failure to fill is reported by the first file
    // action that needs the file.
    const bool newFolder = isNewProgramFolder(folder);
    fillFromTemplates({ QDir(programDir).filePath(QStringLiteral(ZAMPORA_TEMPLATES_FROM_PROGRAM)), programDir },
        QStringLiteral(ZAMPORA_SHIPPED_NAMES).split(u','), folder);
    Backup::removeUnfinishedRestore(folder);
    // Every opening of a record file undoes a change a crash interrupted; at
    // the start that is done for all of them, so that no journal lingers
    // beside a file no window opens and a restore is never refused for one.
    recoverInterruptedChanges(folder);

    QtPlatform platform;
    if (newFolder && !QFileInfo::exists(QDir(folder).filePath(QLatin1String(settingsFileName)))) {
        platform.platform().messages.error(nullptr,
            QStringLiteral("Attenzione: non è stato possibile preparare la cartella del programma %1: il file "
                           "delle impostazioni %2 fornito con il programma non è stato trovato.\n\r\n\r"
                           "Reinstallare il programma o indicare un'altra cartella.")
                .arg(QDir::toNativeSeparators(folder), QLatin1String(settingsFileName)));
        return 1;
    }
    Application application({ ProgramFolder(folder), platform.platform() });
    QObject::connect(&application, &Application::quitRequested, &qapp, &QApplication::quit);
    application.start();
    return qapp.exec();
}
