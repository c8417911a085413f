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
    DogCardFixture()
    {
        click(child(&app().mainMenu(), "btnCani"));
        if (!QTest::qWaitForWindowActive(card()))
            QTest::qFail("the dog card did not become active", __FILE__, __LINE__);
    }

    frmCani *card() { return &app().dogs(); }
    QLineEdit *box(const char *name) { return child<QLineEdit>(card(), name); }
    QString label(const char *name) { return child<QLabel>(card(), name)->text(); }
    QString focused() const
    {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    static QByteArray dogRecord(const DogValues &values)
    {
        Record record(DogRecord::layout());
        for (const auto &[field, text] : values)
            record.setValue(field, text);
        return record.bytes();
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
    /// The bytes of the record at a 1-based position.
    QByteArray recordAt(int position) const
    {
        return archive().mid(qsizetype(position - 1) * DogRecord::recordSize, DogRecord::recordSize);
    }
    /// One field of the record at a position, read back through the layout.
    QString fieldAt(int position, DogRecord::Field field) const
    {
        Record record(DogRecord::layout());
        const QByteArray bytes = recordAt(position);
        std::copy(bytes.begin(), bytes.end(), record.data());
        return record.value(field);
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

/// The short text field as stored: its length byte, then the text.
inline QByteArray shortText(const QByteArray &latin1)
{
    return char(latin1.size()) + latin1;
}
