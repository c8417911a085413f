#pragma once

#include "help/Manual.h"

#include <QList>
#include <QString>
#include <QStringList>

// The pictures of the manual: each window a chapter explains, shown as the
// program shows it. A figure says where the window is reached from and
// which buttons lead to it, by their object names, so that the build can
// open it exactly as a user would.

/// The window a figure starts from.
enum class ManualStart { Password, MainMenu, Owners, Dogs, Schedule };

struct ManualFigure
{
    HelpPage chapter;
    QString caption;
    ManualStart start;
    /// Buttons clicked in the start window first, in order.
    QStringList steps;
    /// The button that opens the window shown; empty when the figure shows
    /// the start window itself.
    QString opens;
    Manual::FigurePage page = Manual::FigurePage::InText;
};

/// Every figure of the manual, in the order of its chapters.
QList<ManualFigure> manualFigures();
