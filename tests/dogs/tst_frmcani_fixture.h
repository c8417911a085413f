#pragma once

// The dog card opened from the main menu on a temporary program folder, with
// helpers to build the dog archive and read its records back.

#include "AppFixture.h"

#include "app/frmAvvio.h"
#include "dogs/PhotoBox.h"
#include "dogs/frmCani.h"
#include "storage/DogRecord.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"

#include <QLabel>
#include <QLineEdit>

#include <map>

using DogValues = std::map<DogRecord::Field, QString>;

class DogCardFixture : public AppFixture
{
public:
    DogCardFixture() { openFromMenu("btnCani", card()); }

    frmCani *card() { return &app().dogs(); }
    QLineEdit *box(const char *name) { return child<QLineEdit>(card(), name); }
    QString label(const char *name) { return child<QLabel>(card(), name)->text(); }

    static QByteArray dogRecord(const DogValues &values)
    {
        return recordBytes(DogRecord::layout(), FieldValues(values.begin(), values.end()));
    }
    /// A complete head, the minimum Save accepts, with the given name.
    static DogValues head(const QString &name)
    {
        return { { DogRecord::Nome, name }, { DogRecord::Sesso, QStringLiteral("F") },
            { DogRecord::DataNasc, QStringLiteral("01/02/2020") },
            { DogRecord::Gruppo, QStringLiteral("Gruppo 1") },
            { DogRecord::Razza, QStringLiteral("Pastore") } };
    }
    void writeArchive(const QStringList &names)
    {
        QByteArray bytes;
        for (const QString &name : names)
            bytes += dogRecord(head(name));
        writeFile(DogRecord::fileName, bytes);
    }
    QByteArray archive() const { return readFile(DogRecord::fileName); }
    /// One field of the record at a position, read back through the layout.
    QString fieldAt(int position, DogRecord::Field field) const
    {
        return ::fieldAt(archive(), DogRecord::layout(), position, field);
    }
    void typeHead(const QString &name)
    {
        for (const auto &[field, text] : head(name)) {
            QLineEdit *edit = card()->findChild<QLineEdit *>(
                QStringLiteral("txt") + QString(DogRecord::layout().field(field).name));
            edit->clear();
            QTest::keyClicks(edit, text);
        }
    }
};
