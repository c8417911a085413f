#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

class QCommandLineParser;
class QTextStream;

// What the program does from a terminal, without opening a window: a backup
// of the program folder's data, its restore, and the schedule of a year as a
// calendar file.
//     zampora [--cartella DIR] --backup FILE.zip
//     zampora [--cartella DIR] --ripristina FILE.zip
//     zampora [--cartella DIR] --esporta-calendario ANNO FILE.ics
namespace CommandLineTasks {

/// Adds the tasks' options to the program's own parser, for its --help.
void describe(QCommandLineParser &parser);

/// Runs the task the arguments name, in the program folder (--cartella, or
/// usualFolder when none is given), telling the outcome on out or err.
/// Returns the exit status, or nothing when the arguments name no task.
std::optional<int> run(const QStringList &arguments, const QString &usualFolder, const QDateTime &now,
                       QTextStream &out, QTextStream &err);

} // namespace CommandLineTasks
