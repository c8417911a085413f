#include "report/printing/ListReport.h"

#include "report/printing/ReportOutput.h"

namespace {

const QColor slateGrey(0xFF708090u);

// Each list line is 12.822 units high: the line height of the body's font.
constexpr qreal lineUnits = 12.822;
constexpr qreal bandSlackUnits = 10;

Report::ReportTemplate listTemplate()
{
    using namespace Report;
    ReportTemplate report(a4Paper, Orientation::Landscape, QMarginsF(10, 10, 10, 10));

    report.addBand(QStringLiteral("TitoloReport"), 8)
        .add(TextObject { .name = QStringLiteral("txtTitolo"),
            .rect = QRectF(2, 1, 273, 5),
            .style = { .family = QStringLiteral("Verdana"), .pointSize = 9, .bold = true,
                .colour = Qt::white, .fill = slateGrey, .alignment = Qt::AlignCenter } });

    report.addBand(QStringLiteral("MasterData"), 0, true)
        .add(TextObject { .name = QStringLiteral("txtRiepilogo"),
            .rect = QRectF(3, 0, 273, 0),
            .style = { .family = QStringLiteral("Courier New"), .pointSize = 8, .fixedPitch = true } });

    report.addBand(QStringLiteral("Chiusura"), 8)
        .add(TextObject { .name = QStringLiteral("txtPagina"),
            .rect = QRectF(3, 2, 272, 5),
            .text = QStringLiteral("Stampa eseguita in data [DATE]"),
            .style = { .family = QStringLiteral("Verdana"), .pointSize = 8, .bold = true,
                .colour = Qt::white, .fill = slateGrey, .alignment = Qt::AlignCenter },
            .expandsDate = true });
    return report;
}

} // namespace

Report::ReportTemplate listReport(const QString &title, const QStringList &lines)
{
    using Report::ReportTemplate;
    ReportTemplate report = listTemplate();
    ReportTemplate::setText(*report.find<Report::TextObject>(QStringLiteral("txtTitolo")), title);

    // A line break inside a line (a damaged or foreign record) would print as
    // two lines and push the last line of the list out of the body.
    QStringList body = lines;
    for (QString &line : body)
        line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    Report::TextObject &text = *report.find<Report::TextObject>(QStringLiteral("txtRiepilogo"));
    ReportTemplate::setText(text, body.join(QLatin1Char('\n')));
    const qreal height = body.size() * lineUnits;
    ReportTemplate::setHeight(text, height);
    ReportTemplate::setHeight(*report.findBand(QStringLiteral("MasterData")), height + bandSlackUnits);
    return report;
}

void printList(AppContext &context, QWidget *owner, const QString &title, const QStringList &lines)
{
    ReportOutput::print(context, owner, listReport(title, lines));
}
