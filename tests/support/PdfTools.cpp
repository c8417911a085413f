#include "PdfTools.h"

#include <QProcess>
#include <QRegularExpression>
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

QSizeF pdfPageSize(const QString &path, int page)
{
    const QString number = QString::number(page);
    const QString info
        = run(QStringLiteral("pdfinfo"), { QStringLiteral("-f"), number, QStringLiteral("-l"), number, path });
    static const QRegularExpression size(QStringLiteral(R"(Page +(\d+) size: +([\d.]+) x ([\d.]+) pts)"));
    for (QRegularExpressionMatchIterator found = size.globalMatch(info); found.hasNext();) {
        const QRegularExpressionMatch match = found.next();
        if (match.captured(1) == number)
            return { match.captured(2).toDouble(), match.captured(3).toDouble() };
    }
    return {};
}

QList<PdfWord> pdfWords(const QString &path)
{
    const QString html = run(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), path, QStringLiteral("-") });
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<PdfWord> words;
    int page = -1;
    for (const QString &line : html.split(QLatin1Char('\n'))) {
        if (line.trimmed().startsWith(QLatin1String("<page ")))
            ++page;
        const QRegularExpressionMatch match = word.match(line);
        if (match.hasMatch())
            words.append({ page, match.captured(5),
                QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                    QPointF(match.captured(3).toDouble(), match.captured(4).toDouble())) });
    }
    return words;
}
