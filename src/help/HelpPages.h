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
    HealthBooklet,     // frmSaluteCane
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

/// The pages the manual's chapters are made of, in order: the overview, then
/// every other page once, each window's export or list after the window.
QList<HelpPage> manualChapterPages();
/// The chapters of the manual, one per page of manualChapterPages(): the
/// overview with its own paragraphs only, every other page whole.
QList<HelpText> manualChapters();
