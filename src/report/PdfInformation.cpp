#include "report/PdfInformation.h"

#include <QRegularExpression>

namespace Report {

namespace {

    // A PDF text string as UTF-16 with its byte-order mark, in hexadecimal:
    // any text, no escaping.
    QByteArray textString(const QString &text)
    {
        QByteArray utf16 = "\xFE\xFF";
        for (const QChar c : text) {
            utf16 += char(c.unicode() >> 8);
            utf16 += char(c.unicode() & 0xFF);
        }
        return '<' + utf16.toHex().toUpper() + '>';
    }

    std::optional<qint64> number(const QRegularExpressionMatch &match, int group)
    {
        bool ok = false;
        const qint64 value = match.captured(group).toLongLong(&ok);
        return ok ? std::optional(value) : std::nullopt;
    }

} // namespace

std::optional<QByteArray> withDocumentInformation(const QByteArray &pdf, const DocumentInformation &information)
{
    const qsizetype trailerAt = pdf.lastIndexOf("\ntrailer");
    if (trailerAt < 0)
        return std::nullopt;
    const QString trailer = QString::fromLatin1(pdf.sliced(trailerAt));
    static const QRegularExpression size(QStringLiteral("/Size\\s+(\\d+)"));
    static const QRegularExpression info(QStringLiteral("/Info\\s+(\\d+)\\s+0\\s+R"));
    static const QRegularExpression root(QStringLiteral("/Root\\s+(\\d+\\s+0\\s+R)"));
    static const QRegularExpression startxref(QStringLiteral("startxref\\s+(\\d+)\\s+%%EOF\\s*$"));
    const QRegularExpressionMatch sizeMatch = size.match(trailer);
    const QRegularExpressionMatch infoMatch = info.match(trailer);
    const QRegularExpressionMatch rootMatch = root.match(trailer);
    const QRegularExpressionMatch xrefMatch = startxref.match(trailer);
    const std::optional<qint64> objects = number(sizeMatch, 1);
    const std::optional<qint64> previousXref = number(xrefMatch, 1);
    if (!sizeMatch.hasMatch() || !infoMatch.hasMatch() || !rootMatch.hasMatch() || !objects || !previousXref)
        return std::nullopt;

    // The information object as it stands, its dictionary kept whole and the
    // new entries added at its end.
    const QByteArray infoNumber = infoMatch.captured(1).toLatin1();
    const qsizetype objectAt = pdf.lastIndexOf('\n' + infoNumber + " 0 obj", trailerAt);
    const qsizetype open = objectAt < 0 ? -1 : pdf.indexOf("<<", objectAt);
    const qsizetype close = open < 0 ? -1 : pdf.indexOf(">>", open);
    if (close < 0 || close > trailerAt)
        return std::nullopt;
    QByteArray dictionary = pdf.sliced(open, close - open);
    if (!information.subject.isEmpty())
        dictionary += "/Subject " + textString(information.subject) + '\n';
    if (!information.author.isEmpty())
        dictionary += "/Author " + textString(information.author) + '\n';
    dictionary += ">>";

    QByteArray updated = pdf;
    if (!updated.endsWith('\n'))
        updated += '\n';
    const qsizetype newObjectAt = updated.size();
    updated += infoNumber + " 0 obj\n" + dictionary + "\nendobj\n";
    const qsizetype xrefAt = updated.size();
    updated += "xref\n" + infoNumber + " 1\n" + QByteArray::number(newObjectAt).rightJustified(10, '0') + " 00000 n \n";
    updated += "trailer\n<<\n/Size " + QByteArray::number(*objects) + "\n/Info " + infoNumber + " 0 R\n/Root "
        + rootMatch.captured(1).toLatin1() + "\n/Prev " + QByteArray::number(*previousXref) + "\n>>\nstartxref\n"
        + QByteArray::number(xrefAt) + "\n%%EOF\n";
    return updated;
}

} // namespace Report
