#include "platform/QtPlatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QScreen>
#include <QUrl>

MessageBoxes::Answer QtMessageBoxes::show(Kind kind, QWidget *owner, const QString &text)
{
    const QString title = QApplication::applicationName();
    using B = QMessageBox;
    switch (kind) {
    case Kind::Information:
        B::information(owner, title, text, B::Ok | B::Cancel);
        return Answer::Ok;
    case Kind::Warning:
        B::warning(owner, title, text, B::Ok | B::Cancel);
        return Answer::Ok;
    case Kind::Error:
        B::critical(owner, title, text, B::Ok | B::Cancel);
        return Answer::Ok;
    case Kind::Notice: {
        QMessageBox box(QMessageBox::NoIcon, title, text, B::Ok, owner);
        box.exec();
        return Answer::Ok;
    }
    case Kind::Question:
        return B::question(owner, title, text, B::Yes | B::No) == B::No ? Answer::No : Answer::Yes;
    }
    return Answer::Ok;
}

QString QtFileDialogs::openFile(QWidget *owner, const QString &title, const QString &filters)
{
    return QFileDialog::getOpenFileName(owner, title, QString(), filters);
}

QString QtFileDialogs::saveFile(QWidget *owner, const SaveRequest &request)
{
    QFileDialog dialog(owner, request.title, QString(), request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(request.proposedName);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtFileDialogs::folder(QWidget *owner, const QString &title)
{
    return QFileDialog::getExistingDirectory(owner, title);
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
