#include "dogs/HealthReport.h"

#include "kennel/HealthTable.h"

namespace {

constexpr qreal margin = 12;

struct ColumnPlace
{
    qreal left;
    qreal width;
};
// Data, Tipo, Cosa, Lotto, Veterinario, Esito, Scadenza, Stato.
constexpr ColumnPlace columns[HealthTable::ColumnCount] = {
    { 0, 19 }, { 20, 25 }, { 46, 31 }, { 78, 18 }, { 97, 28 }, { 126, 21 }, { 148, 19 }, { 168, 18 },
};

Qt::Alignment alignmentOf(int column)
{
    return column == HealthTable::Data || column == HealthTable::Scadenza ? Qt::AlignHCenter : Qt::AlignLeft;
}

} // namespace

Report::ReportTemplate healthReport(const QString &title, const QStringList &identity, const HealthTable &table)
{
    using namespace Report;
    ReportTemplate report(a4Paper, Orientation::Portrait, QMarginsF(margin, margin, margin, margin));
    const qreal width = a4Paper.width() - 2 * margin;

    TextStyle titleStyle;
    titleStyle.family = QStringLiteral("Verdana");
    titleStyle.pointSize = 13;
    titleStyle.bold = true;
    titleStyle.alignment = Qt::AlignCenter;
    report.addBand(QStringLiteral("Titolo"), 11).add(TextObject { QStringLiteral("txtTitolo"), QRectF(0, 0, width, 8),
        title, titleStyle });

    TextStyle identityStyle;
    identityStyle.pointSize = 10;
    const qreal identityHeight = identity.size() * identityStyle.lineHeight();
    report.addBand(QStringLiteral("Identita"), identityHeight + 4)
        .add(TextObject { QStringLiteral("txtIdentita"), QRectF(1, 0, width, identityHeight), identity.join(u'\n'),
            identityStyle });

    TextStyle headStyle;
    headStyle.pointSize = 8;
    headStyle.bold = true;
    TextStyle cellStyle;
    cellStyle.pointSize = 8;
    Band &head = report.addBand(QStringLiteral("Intestazione"), 7);
    head.add(RectangleObject { QRectF(0, 0, width, 6), QColor(0xFFDCE6F0) });
    for (int column = 0; column < HealthTable::ColumnCount; ++column) {
        TextStyle style = headStyle;
        style.alignment = alignmentOf(column) | Qt::AlignVCenter;
        head.add(TextObject { QStringLiteral("cap%1").arg(column),
            QRectF(columns[column].left + 1, 0, columns[column].width, 6), HealthTable::caption(column), style });
    }

    const int rows = table.rowCount();
    const qreal lineHeight = cellStyle.lineHeight();
    Band &body = report.addBand(QStringLiteral("Voci"), std::max(1, rows) * lineHeight + 2, true);
    if (rows == 0) {
        body.add(TextObject { QStringLiteral("txtVuoto"), QRectF(1, 0, width, lineHeight),
            QStringLiteral("Nessuna voce registrata nel libretto."), cellStyle });
    }
    for (int column = 0; rows > 0 && column < HealthTable::ColumnCount; ++column) {
        QStringList lines = table.columnTexts(column);
        for (QString &line : lines)
            line.replace(u'\n', u' ').replace(u'\r', u' ');
        TextStyle style = cellStyle;
        style.alignment = alignmentOf(column) | Qt::AlignTop;
        body.add(TextObject { QStringLiteral("col%1").arg(column),
            QRectF(columns[column].left + 1, 0, columns[column].width, rows * lineHeight), lines.join(u'\n'),
            style });
    }

    TextStyle footStyle;
    footStyle.pointSize = 8;
    footStyle.alignment = Qt::AlignCenter;
    report.addBand(QStringLiteral("Chiusura"), 8)
        .add(TextObject { QStringLiteral("txtData"), QRectF(0, 2, width, 5),
            QStringLiteral("Stampa eseguita in data [DATE]"), footStyle, true });
    return report;
}
