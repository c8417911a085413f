#pragma once

#include <QString>

class QWidget;

// File-open, file-save and folder dialogs. Filters use the "Name (*.a *.b)"
// form, several separated by ";;". An empty result means the user cancelled.
class FileDialogs
{
public:
    struct SaveRequest
    {
        QString title;
        QString filter;
        QString proposedName;      // shown in the name box, in the starting folder
        QString defaultSuffix;     // added when the user types a name without one
        bool confirmOverwrite = true;
        QString folder {};         // the starting folder; empty: the toolkit's choice
    };

    virtual ~FileDialogs() = default;

    virtual QString openFile(QWidget *owner, const QString &title, const QString &filters) = 0;
    virtual QString saveFile(QWidget *owner, const SaveRequest &request) = 0;
    virtual QString folder(QWidget *owner, const QString &title) = 0;
};
