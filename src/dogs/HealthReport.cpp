#include "dogs/HealthReport.h"

#include "dogs/DogLogReport.h"
#include "kennel/HealthTable.h"

namespace {

using Column = DogLogReport::Column;
// Data, Tipo, Cosa, Lotto, Veterinario, Esito, Scadenza, Stato.
constexpr Column columns[HealthTable::ColumnCount] = {
    { 0, 19, Qt::AlignHCenter },
    { 20, 25, Qt::AlignLeft },
    { 46, 31, Qt::AlignLeft },
    { 78, 18, Qt::AlignLeft },
    { 97, 28, Qt::AlignLeft },
    { 126, 21, Qt::AlignLeft },
    { 148, 19, Qt::AlignHCenter },
    { 168, 18, Qt::AlignLeft },
};

} // namespace

Report::ReportTemplate healthReport(
    const QString &title, const QStringList &identity, const HealthTable &table)
{
    using namespace Report;
    ReportTemplate report = DogLogReport::page(title);
    const qreal width = DogLogReport::width();

    TextStyle identityStyle;
    identityStyle.pointSize = 10;
    const qreal identityHeight = identity.size() * identityStyle.lineHeight();
    report.addBand(QStringLiteral("Identita"), identityHeight + 4)
        .add(TextObject { QStringLiteral("txtIdentita"), QRectF(1, 0, width, identityHeight),
            identity.join(u'\n'), identityStyle });

    DogLogReport::addTable(report, table, columns, 8, QStringLiteral("Voci"),
        QStringLiteral("Nessuna voce registrata nel libretto."));
    DogLogReport::addPrintDate(report);
    return report;
}
