#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The help pages: one per window with a help button, each a title and
// paragraphs. The manual "Guida.pdf" is made from the same pages.

/// The window whose help button asks for a page.
enum class HelpPage {
    Owners,            // frmClienti
    Dogs,              // frmCani
    Schedule,          // frmScadenzario
    MainMenu,          // frmAvvio
    OwnerExport,       // frmExpClienti
    DogExport,         // frmExpCani
    ScheduleExport,    // frmExpScadenzario
    ImminentDeadlines, // frmExpImminenti
    DailyDeadlines,    // frmExpGiornaliere
    MonthlyDeadlines,  // frmExpMensili
    Pedigree,          // frmPedigree
    WeightLog,         // frmPesoCane
};

struct HelpText
{
    QString title;
    QStringList paragraphs;
    bool operator==(const HelpText &) const = default;
};

/// The page a window's help button shows.
HelpText helpPage(HelpPage page);

/// The paragraphs as the help window shows them: an empty line between two
/// paragraphs ("\r\n\r\n"), nothing after the last.
QString helpWindowText(const HelpText &page);

/// The chapters of the manual: the overview's own paragraphs, then every
/// other page once, each window's export or list after the window.
QList<HelpText> manualChapters();

/// The whole manual as rich text for a QTextDocument: a title page, the
/// contents and one chapter per page, each starting on a new sheet.
QString manualHtml();
