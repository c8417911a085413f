#pragma once

// The archives the benchmarks read: files of many records made one by one,
// written once per run into a temporary folder that lasts the run.

#include "storage/Record.h"
#include "storage/RecordLayout.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

namespace SampleArchives {

inline QTemporaryDir &folder()
{
    static QTemporaryDir dir;
    return dir;
}

/// A record of layout with every field half full, as real cards mostly are,
/// each field its own letter.
inline Record halfFull(const RecordLayout &layout)
{
    Record record(layout);
    for (int field = 0; field < layout.fieldCount(); ++field)
        record.setValue(field, QString((layout.field(field).capacity + 1) / 2, QChar(u'a' + field % 26)));
    return record;
}

/// The file name in the run's folder, holding count records: record i
/// (from 0) is recordAt(i). Written the first time it is asked for, in
/// blocks of a megabyte.
template<typename RecordAt> QString written(const QString &name, qint64 count, RecordAt &&recordAt)
{
    const QString path = folder().filePath(name);
    if (QFile::exists(path))
        return path;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    QByteArray block;
    for (qint64 i = 0; i < count; ++i) {
        block += recordAt(i).bytes();
        if (block.size() >= (1 << 20) || i + 1 == count) {
            if (file.write(block) != block.size())
                qFatal("cannot write %s", qPrintable(path));
            block.clear();
        }
    }
    return path;
}

} // namespace SampleArchives
