#pragma once

// The owner card opened from the main menu on a temporary program folder, with
// helpers to build the owner archive and read its records back.

#include "AppFixture.h"

#include "owners/frmClienti.h"
#include "storage/OwnerRecord.h"
#include "storage/RecordFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

class OwnerCardFixture : public AppFixture
{
public:
    OwnerCardFixture() { openFromMenu("btnProprietari", card()); }

    frmClienti *card() { return &app().owners(); }
    QLineEdit *box(const char *name) { return child<QLineEdit>(card(), name); }
    QComboBox *province(const char *name) { return child<QComboBox>(card(), name); }
    QCheckBox *recontact() { return child<QCheckBox>(card(), "chkRicontatta"); }
    QString label(const char *name) { return child<QLabel>(card(), name)->text(); }

    /// A record with that name and the other values given.
    static QByteArray owner(const QString &name, FieldValues values = {})
    {
        values[OwnerRecord::Cliente] = name;
        return recordBytes(OwnerRecord::layout(), values);
    }
    void writeArchive(const QStringList &names)
    {
        QByteArray bytes;
        for (const QString &name : names)
            bytes += owner(name);
        writeFile(OwnerRecord::fileName, bytes);
    }
    QByteArray archive() const { return readFile(OwnerRecord::fileName); }
    QString fieldAt(int position, OwnerRecord::Field field) const
    {
        return ::fieldAt(archive(), OwnerRecord::layout(), position, field);
    }
    /// Shows the record at a position as the arrows reach it.
    void goTo(int position)
    {
        click(child(card(), "cmdPrimo"));
        for (int i = 1; i < position; ++i)
            click(child(card(), "cmdAvanti"));
    }
};

using Shown = RecordingMessageBoxes::Shown;
using Kind = MessageBoxes::Kind;
