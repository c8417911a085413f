#include "kennel/WeightLog.h"
#include "storage/CostRecord.h"
#include "storage/DogRecord.h"
#include "storage/OwnerRecord.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ScheduleRecord.h"
#include "storage/ShortText.h"
#include "storage/WeightRecord.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

// Garbage fields, texts and files, as a damaged disk or a foreign tool could
// leave them. A fixed seed keeps every run, and every failure, reproducible.
class TestStorageFuzz : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_random.seed(20261209); }
    void garbageFields_readWithinCapacityAndSurviveRewriting();
    void arbitraryTexts_storeWithinCapacity();
    void garbageFiles_scanWholeRecordsOnly();

private:
    QByteArray randomBytes(qsizetype size);
    QString randomText(qsizetype size);

    QRandomGenerator m_random;
};

QByteArray TestStorageFuzz::randomBytes(qsizetype size)
{
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &byte : bytes)
        byte = char(m_random.bounded(256));
    return bytes;
}

QString TestStorageFuzz::randomText(qsizetype size)
{
    // Mostly blanks, controls, ASCII and Latin-1, with the code page's upper
    // range, other planes and stray surrogates mixed in.
    static constexpr char16_t samples[] = { u' ', u'\t', u'\0', u'a', u'Z', 0x7F, 0x80, 0x8D, 0xA0, 0xEC,
        0xFF, 0x20AC, 0x2019, 0x4E2D, 0xD83D, 0xDC15, 0xFFFF };
    QString text(size, Qt::Uninitialized);
    for (QChar &c : text)
        c = m_random.bounded(2) ? QChar(char16_t(m_random.bounded(0x10000)))
                                : QChar(samples[m_random.bounded(int(std::size(samples)))]);
    return text;
}

void TestStorageFuzz::garbageFields_readWithinCapacityAndSurviveRewriting()
{
    for (int round = 0; round < 20000; ++round) {
        const int capacity = 1 + m_random.bounded(255);
        const QByteArray field = randomBytes(capacity + 1);
        const QString text = fromShortText(field.constData(), capacity);
        QVERIFY(text.size() <= capacity);
        QCOMPARE(trimmedText(text), text);

        // Every byte decodes to a character of the page, so what was read is
        // stored back as the same text.
        QByteArray rewritten(capacity + 1, Qt::Uninitialized);
        toShortText(text, capacity, rewritten.data());
        QCOMPARE(fromShortText(rewritten.constData(), capacity), text);
    }
}

void TestStorageFuzz::arbitraryTexts_storeWithinCapacity()
{
    for (int round = 0; round < 20000; ++round) {
        const int capacity = 1 + m_random.bounded(255);
        const QString text = randomText(m_random.bounded(400));
        QByteArray field = randomBytes(capacity + 1);
        toShortText(text, capacity, field.data());
        const int length = quint8(field.at(0));
        QVERIFY(length <= capacity);
        QCOMPARE(field.sliced(1 + length), QByteArray(capacity - length, '\0'));
        QVERIFY(fromShortText(field.constData(), capacity).size() <= length);
    }
}

void TestStorageFuzz::garbageFiles_scanWholeRecordsOnly()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("garbage.pro"));
    const RecordLayout *layouts[]
        = { &DogRecord::layout(), &OwnerRecord::layout(), &ScheduleRecord::layout(), &CostRecord::layout(),
              &WeightRecord::layout() };
    for (const RecordLayout *layout : layouts) {
        for (int round = 0; round < 25; ++round) {
            const int size = m_random.bounded(5 * layout->recordSize());
            {
                QFile file(path);
                QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
                file.write(randomBytes(size));
            }
            RecordFile recordFile;
            recordFile.openOrCreate(path, layout->recordSize());
            QCOMPARE(recordFile.recordCount(), size / layout->recordSize());
            Record record(*layout);
            qint64 read = 0;
            while (!recordFile.atEnd()) {
                recordFile.readNext(record);
                ++read;
                for (int field = 0; field < layout->fieldCount(); ++field)
                    QVERIFY(record.value(field).size() <= layout->field(field).capacity);
            }
            QCOMPARE(read, size / layout->recordSize());
            QVERIFY_THROWS_EXCEPTION(RecordFileError, recordFile.readNext(record));
            recordFile.closeFile();
            if (layout == &WeightRecord::layout()) {
                // Every record of a weight log is a weighing, an empty slot or unreadable.
                const WeightLog::Log log = WeightLog::read(path);
                QCOMPARE(log.weighings.size() + log.emptySlots.size() + log.unreadable, read);
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestStorageFuzz)
#include "tst_storagefuzz.moc"
