#pragma once

#include <QString>
#include <QStringList>

// What the backup and the restore tell the user when they stop, in Italian,
// with "\n\r\n\r" between paragraphs as every message box of the program.
namespace Backup::Messages {

QString damaged();
QString notOurs();
QString forbiddenPath(const QString &name);
QString mismatch(const QString &name);
QString cannotWrite(const QString &path);
QString cannotRead(const QString &name);
QString linkedData(const QStringList &names);
QString cannotUnpack();
QString recordFileBusy(const QString &name);
QString changeToUndo(const QString &name);
QString restoreRunning();
QString interrupted();
QString interruptedAndScattered(const QString &asideFolder);

} // namespace Backup::Messages
