#include "PdfTools.h"

#include <QProcess>
#include <QTest>

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        QTest::qFail(qPrintable(QStringLiteral("%1 failed: %2").arg(program, QString::fromLocal8Bit(process.readAllStandardError()))),
                     __FILE__, __LINE__);
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

QString pdfText(const QString &path)
{
    return run(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-") });
}

QString pdfInfo(const QString &path, const QString &entry)
{
    const QString info = run(QStringLiteral("pdfinfo"), { path });
    for (const QString &line : info.split(QLatin1Char('\n')))
        if (line.startsWith(entry + QLatin1Char(':')))
            return line.mid(entry.size() + 1).trimmed();
    return {};
}
