#include "app/QtPlatform.h"

#include "app/ToolkitTexts.h"
#include "report/ReportPainter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>
#include <QScreen>
#include <QUrl>

MessageBoxes::Answer QtMessageBoxes::show(Style style, QWidget *owner, const QString &text)
{
    const QString title = QApplication::applicationName();
    using B = QMessageBox;
    const B::StandardButtons acknowledge = style.buttons == Buttons::OkAlone ? B::Ok : B::Ok | B::Cancel;
    switch (style.kind) {
    case Kind::Information:
        B::information(owner, title, text, acknowledge);
        return Answer::Ok;
    case Kind::Warning:
        B::warning(owner, title, text, acknowledge);
        return Answer::Ok;
    case Kind::Error:
        B::critical(owner, title, text, acknowledge);
        return Answer::Ok;
    case Kind::Notice: {
        QMessageBox box(QMessageBox::NoIcon, title, text, B::Ok, owner);
        box.exec();
        return Answer::Ok;
    }
    case Kind::Question:
        return B::question(owner, title, text, B::Yes | B::No) == B::No ? Answer::No : Answer::Yes;
    case Kind::CancellableQuestion: {
        QMessageBox box(QMessageBox::Question, title, text, B::Yes | B::No | B::Cancel, owner);
        box.button(B::Yes)->setText(QString::fromUtf8("Sì"));
        box.button(B::No)->setText(QStringLiteral("No"));
        box.button(B::Cancel)->setText(QStringLiteral("Annulla"));
        box.setDefaultButton(B::Yes);
        box.setEscapeButton(B::Cancel);
        switch (box.exec()) {
        case B::Yes:
            return Answer::Yes;
        case B::No:
            return Answer::No;
        default:
            return Answer::Cancel;
        }
    }
    }
    return Answer::Ok;
}

namespace {

// The path chosen in the dialog, or nothing when it was cancelled.
QString chosenIn(QFileDialog &dialog)
{
    ToolkitTexts::useItalianFormats(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString QtFileDialogs::openFile(QWidget *owner, const QString &title, const QString &filters)
{
    QFileDialog dialog(owner, title, QString(), filters);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return chosenIn(dialog);
}

QString QtFileDialogs::saveFile(QWidget *owner, const SaveRequest &request)
{
    QFileDialog dialog(owner, request.title, request.folder, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.proposedName);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    return chosenIn(dialog);
}

QString QtFileDialogs::folder(QWidget *owner, const QString &title)
{
    QFileDialog dialog(owner, title);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return chosenIn(dialog);
}

bool DesktopShell::openUrl(const QString &pathOrAddress)
{
    // Web and mail addresses go as they are; anything else is a local path.
    const QUrl asUrl(pathOrAddress);
    const bool isAddress = asUrl.scheme().size() > 1; // "C:" style drive letters are paths
    return QDesktopServices::openUrl(isAddress ? asUrl : QUrl::fromLocalFile(pathOrAddress));
}

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

QSize PrimaryScreen::size() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

namespace {

// A printer set to the report's sheet, drawing from the sheet's corner.
void prepareFor(QPrinter &printer, const Report::PreparedReport &report)
{
    printer.setFullPage(true);
    printer.setPageLayout(Report::pageLayout(report));
    printer.setCreator(QApplication::applicationName());
}

int lastPage(const Report::PreparedReport &report)
{
    return int(report.pages.size()) - 1;
}

} // namespace

bool SystemPrinting::print(QWidget *owner, const Report::PreparedReport &report)
{
    QPrinter printer(QPrinter::HighResolution);
    prepareFor(printer, report);
    QPrintDialog dialog(&printer, owner);
    dialog.setMinMax(1, lastPage(report) + 1);
    if (dialog.exec() != QDialog::Accepted)
        return true;
    const int first = printer.fromPage() > 0 ? printer.fromPage() - 1 : 0;
    const int last = printer.toPage() > 0 ? std::min(printer.toPage() - 1, lastPage(report)) : lastPage(report);
    return Report::paintPages(printer, report, first, last);
}

void SystemPrinting::preview(QWidget *owner, const Report::PreparedReport &report)
{
    QPrinter printer(QPrinter::HighResolution);
    prepareFor(printer, report);
    QPrintPreviewDialog dialog(&printer, owner);
    dialog.setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    dialog.setWindowState(Qt::WindowMaximized);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
        [&report](QPrinter *target) { Report::paintPages(*target, report, 0, lastPage(report)); });

    // The report is laid out for its own sheet: the preview offers printing,
    // zoom, full screen and closing, nothing that changes the page.
    if (auto *tools = dialog.findChild<QToolBar *>()) {
        for (QAction *action : tools->actions()) {
            const QString text = action->text();
            if (text == QLatin1String("Portrait") || text == QLatin1String("Landscape")
                || text == QLatin1String("Page setup"))
                action->setVisible(false);
        }
        QAction *fullScreen = tools->addAction(QStringLiteral("Schermo intero"));
        fullScreen->setCheckable(true);
        QObject::connect(fullScreen, &QAction::toggled, &dialog, [&dialog](bool on) {
            on ? dialog.showFullScreen() : dialog.showNormal();
        });
        QObject::connect(tools->addAction(QStringLiteral("Chiudi")), &QAction::triggered, &dialog,
            &QDialog::reject);
    }
    dialog.exec();
}
