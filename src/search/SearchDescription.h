#pragma once

#include "search/ArchiveSearch.h"

#include <QList>
#include <QString>

#include <functional>

class Record;
class RecordLayout;

// One criterion box of a search window: its name, the label above it, the
// record field it is matched against, and whether it takes a whole row.
struct SearchCriterionBox
{
    const char *boxName;
    const char *label; // UTF-8
    int field;
    bool fullWidth = false;
};

// Where a chosen record goes, as the window that opens the search says: take()
// receives the record read again from the file, with its 1-based position. A
// record that replaces the whole card first lets the card ask about its
// unsaved changes; one imported into a few of its fields asks nothing.
struct SearchTarget
{
    enum Effect { ReplacesCard, FillsFields };

    std::function<void(const Record &record, qint64 position)> take;
    Effect effect;
};

// What makes one of the three search windows (dogs, owners, schedule entries)
// differ from the others.
struct SearchDescription
{
    QString objectName;
    QString caption;
    const RecordLayout *layout;
    QList<SearchCriterionBox> criteria; // in tab and Enter-key order
    ArchiveSearch::LineOf lineOf;
    /// The count line before the number: "Il presente riepilogo contiene ".
    QString countPrefix;
    QString printTitle;
};
