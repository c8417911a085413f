#include "app/CommandLineTasks.h"

#include "backup/Backup.h"
#include "calendar/CalendarExport.h"
#include "storage/ProgramFolder.h"
#include "storage/RecordFile.h"

#include <QCommandLineParser>
#include <QDir>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>

namespace CommandLineTasks {

namespace {

    struct Options
    {
        QCommandLineOption folder { QStringLiteral("cartella"),
            QStringLiteral("Cartella del programma (archivi, foto, allegati)."), QStringLiteral("DIR") };
        QCommandLineOption backup { QStringLiteral("backup"),
            QStringLiteral("Salva i dati della cartella del programma in una copia di sicurezza ZIP."),
            QStringLiteral("FILE.zip") };
        QCommandLineOption restore { QStringLiteral("ripristina"),
            QStringLiteral("Ripristina i dati da una copia di sicurezza ZIP, dopo averla verificata."),
            QStringLiteral("FILE.zip") };
        QCommandLineOption calendar { QStringLiteral("esporta-calendario"),
            QStringLiteral("Esporta le scadenze dell'anno ANNO nel calendario FILE.ics (iCalendar)."),
            QStringLiteral("ANNO") };
    };

    // Messages are written for a box, with "\n\r\n\r" between paragraphs.
    QString forTerminal(QString message)
    {
        return message.replace(QStringLiteral("\n\r\n\r"), QStringLiteral("\n"));
    }

    int exportCalendar(const ProgramFolder &folder, const QString &year, const QStringList &positional,
                       const QDateTime &now, QTextStream &out, QTextStream &err)
    {
        // Four digits, as the schedule takes a year; there is no year 0000,
        // and no date in it could be written.
        static const QRegularExpression fourDigits(QStringLiteral("^[0-9]{4}$"));
        if (!fourDigits.match(year).hasMatch() || year.toInt() == 0) {
            err << "Attenzione: indicare l'anno solare utilizzando quattro cifre.\n";
            return 2;
        }
        if (positional.size() != 1) {
            err << "Attenzione: indicare il file del calendario da scrivere.\n";
            return 2;
        }
        try {
            const CalendarExport::Summary summary = CalendarExport::exportYear(folder, year.toInt(), positional[0], now);
            out << forTerminal(CalendarExport::closingMessage(summary)) << '\n';
            return 0;
        } catch (const RecordFileError &) {
            err << forTerminal(accessMessage()) << '\n';
        } catch (const CalendarExport::WriteError &error) {
            err << forTerminal(error.message()) << '\n';
        }
        return 1;
    }

} // namespace

void describe(QCommandLineParser &parser)
{
    const Options options;
    parser.addOptions({ options.backup, options.restore, options.calendar });
}

std::optional<int> run(const QStringList &arguments, const QString &usualFolder, const QDateTime &now,
                       QTextStream &out, QTextStream &err)
{
    const Options options;
    QCommandLineParser parser;
    parser.addOptions({ options.folder, options.backup, options.restore, options.calendar });
    const bool parsed = parser.parse(arguments);
    const QStringList taskNames = { options.backup.names().constFirst(), options.restore.names().constFirst(),
        options.calendar.names().constFirst() };
    // A task whose value is missing still counts as asked for.
    const auto asked = [&](const QString &name) {
        return std::any_of(arguments.cbegin() + 1, arguments.cend(), [&](const QString &argument) {
            return argument == QStringLiteral("--") + name || argument.startsWith(QStringLiteral("--") + name + u'=');
        });
    };
    const auto tasks = std::count_if(taskNames.cbegin(), taskNames.cend(), asked);
    // Everything else (the windows, --help, the toolkit's own options) is
    // the program's ordinary start.
    if (tasks == 0)
        return std::nullopt;
    if (!parsed) {
        err << "Attenzione: la riga di comando non è valida; zampora --help elenca le opzioni.\n";
        return 2;
    }
    if (tasks > 1) {
        err << "Attenzione: indicare una sola operazione per volta.\n";
        return 2;
    }
    const ProgramFolder folder(parser.isSet(options.folder) ? parser.value(options.folder) : usualFolder);
    if (parser.isSet(options.calendar))
        return exportCalendar(folder, parser.value(options.calendar), parser.positionalArguments(), now, out, err);
    if (!parser.positionalArguments().isEmpty()) {
        err << "Attenzione: argomento non previsto: " << parser.positionalArguments().constFirst() << '\n';
        return 2;
    }
    try {
        if (parser.isSet(options.backup)) {
            out << forTerminal(Backup::createdMessage(Backup::create(folder, parser.value(options.backup)))) << '\n';
        } else {
            QDir().mkpath(folder.path());
            out << forTerminal(Backup::restoredMessage(Backup::restore(folder, parser.value(options.restore), now)))
                << '\n';
        }
        return 0;
    } catch (const Backup::Error &error) {
        err << forTerminal(error.message()) << '\n';
        return 1;
    }
}

} // namespace CommandLineTasks
