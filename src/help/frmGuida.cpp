#include "help/frmGuida.h"

#include "help/Help.h"
#include "help/InfoWindowParts.h"
#include "platform/AppContext.h"
#include "ui/Centring.h"
#include "ui/DesktopOpen.h"
#include "ui/Theme.h"

#include <QLabel>
#include <QPlainTextEdit>

frmGuida::frmGuida(AppContext &context, QWidget *owner)
    : QDialog(owner)
    , m_context(context)
{
    setObjectName(QStringLiteral("frmGuida"));
    setWindowTitle(QStringLiteral(" Guida all'utilizzo del software"));
    InfoWindowParts::frame(this, { 670, 572 }, Qt::white, Theme::colour(Theme::Colour::HelpBackdrop));
    InfoWindowParts::logoBand(this, 84);

    m_lblTitolo = new QLabel(QStringLiteral("Argomento della guida."), this);
    m_lblTitolo->setObjectName(QStringLiteral("lblTitolo"));
    m_lblTitolo->setFont(Theme::font(Theme::Font::HelpTitle));
    QPalette crimson = m_lblTitolo->palette();
    crimson.setColor(QPalette::WindowText, Theme::colour(Theme::Colour::HelpTitleText));
    m_lblTitolo->setPalette(crimson);
    m_lblTitolo->setGeometry(22, 94, 625, 32);

    m_txtGuida = new QPlainTextEdit(this);
    m_txtGuida->setObjectName(QStringLiteral("txtGuida"));
    m_txtGuida->setFont(Theme::font(Theme::Font::HelpText));
    m_txtGuida->setReadOnly(true);
    m_txtGuida->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_txtGuida->setGeometry(22, 132, 625, 350);

    InfoWindowParts::link(this, { 22, 508 }, "imgPDF", "pdf", QStringLiteral("Visualizza guida in formato PDF"),
        [this] { openManual(); });
    InfoWindowParts::closeButton(this, { 527, 506, 120, 36 });

    move(centredIn(context.platform.screen.size(), size()));
}

void frmGuida::showPage(const HelpText &page)
{
    m_lblTitolo->setText(page.title);
    m_txtGuida->setPlainText(helpWindowText(page));
}

// The same manual for every page.
void frmGuida::openManual()
{
    openWithDesktop(
        m_context.platform.shell, m_context.platform.messages, this, m_context.folder.filePath(QStringLiteral("Guida.pdf")));
}

void openHelp(AppContext &context, QWidget *owner, HelpPage page)
{
    frmGuida window(context, owner);
    window.showPage(helpPage(page));
    window.exec();
}
