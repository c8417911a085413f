#include "report/printing/CardPrinting.h"

#include "platform/AppContext.h"
#include "report/printing/CardReports.h"
#include "report/printing/ReportOutput.h"

namespace CardPrinting {

namespace {

QDateTime now(AppContext &context)
{
    return context.platform.clock.now();
}

} // namespace

QString ownerPdfName()
{
    return QStringLiteral("Proprietario.pdf");
}

void printOwnerCard(AppContext &context, QWidget *owner, const ScreenValues &values)
{
    ReportOutput::print(context, owner, ownerCardReport(values, now(context)));
}

void previewOwnerCard(AppContext &context, QWidget *owner, const ScreenValues &values)
{
    ReportOutput::preview(context, owner, ownerCardReport(values, now(context)));
}

void exportOwnerCardPdf(AppContext &context, QWidget *owner, const ScreenValues &values)
{
    ReportOutput::exportPdfAndOfferToOpen(context, owner, ownerCardReport(values, now(context)), ownerPdfName(),
        QStringLiteral("Scheda informativa"),
        QStringLiteral("L'esportazione della scheda in PDF è terminata con successo.\r\n\r\n"
                       "Si vuole aprire il file?"));
}

void printScheduleCard(AppContext &context, QWidget *owner, const ScreenValues &values)
{
    ReportOutput::print(context, owner, scheduleCardReport(values, now(context)));
}

} // namespace CardPrinting
