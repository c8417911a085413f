#include "storage/DogRecord.h"
#include "storage/Record.h"
#include "storage/ShortText.h"
#include "storage/Windows1252.h"

#include <QTest>

class TestShortText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_mapsEveryByteOfTheCodePage_data();
    void decode_mapsEveryByteOfTheCodePage();
    void everyByte_survivesDecodeAndEncode();
    void encode_substitutesCharactersOutsideThePage_data();
    void encode_substitutesCharactersOutsideThePage();
    void trimmedText_removesBlanksAndControlsAtBothEnds_data();
    void trimmedText_removesBlanksAndControlsAtBothEnds();
    void toShortText_writesLengthTextAndZeros_data();
    void toShortText_writesLengthTextAndZeros();
    void fromShortText_readsTrimmedTextWithinCapacity_data();
    void fromShortText_readsTrimmedTextWithinCapacity();
    void record_newBufferIsZeroAndFieldsLandAtTheirOffsets();
};

void TestShortText::decode_mapsEveryByteOfTheCodePage_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("codePoint");
    QTest::newRow("ascii") << 0x41 << 0x41;
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("undefined 81") << 0x81 << 0x81;
    QTest::newRow("low quote") << 0x82 << 0x201A;
    QTest::newRow("undefined 8D") << 0x8D << 0x8D;
    QTest::newRow("Z caron") << 0x8E << 0x17D;
    QTest::newRow("undefined 8F") << 0x8F << 0x8F;
    QTest::newRow("undefined 90") << 0x90 << 0x90;
    QTest::newRow("em dash") << 0x97 << 0x2014;
    QTest::newRow("undefined 9D") << 0x9D << 0x9D;
    QTest::newRow("Y diaeresis") << 0x9F << 0x178;
    QTest::newRow("nbsp") << 0xA0 << 0xA0;
    QTest::newRow("i grave") << 0xEC << 0xEC;
    QTest::newRow("y diaeresis") << 0xFF << 0xFF;
}

void TestShortText::decode_mapsEveryByteOfTheCodePage()
{
    QFETCH(int, byte);
    QFETCH(int, codePoint);
    const char bytes[] = { char(byte) };
    QCOMPARE(Windows1252::decode(QByteArrayView(bytes, 1)), QString(QChar(codePoint)));
}

void TestShortText::everyByte_survivesDecodeAndEncode()
{
    QByteArray all(256, Qt::Uninitialized);
    for (int i = 0; i < 256; ++i)
        all[i] = char(i);
    QCOMPARE(Windows1252::encode(Windows1252::decode(all)), all);
}

void TestShortText::encode_substitutesCharactersOutsideThePage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("accents") << QStringLiteral("Perché è così") << QByteArray("Perch\xE9 \xE8 cos\xEC");
    QTest::newRow("euro sign") << QStringLiteral("5 \u20AC") << QByteArray("5 \x80");
    QTest::newRow("Latin-1 control where the page has the euro") << QString(QChar(0x80)) << QByteArray("?");
    QTest::newRow("Greek") << QStringLiteral("a\u03B1b") << QByteArray("a?b");
    QTest::newRow("one character beyond the basic plane is one substitute")
        << QStringLiteral("x\U0001F415y") << QByteArray("x?y");
    QTest::newRow("lone surrogate") << (QStringLiteral("x") + QChar(0xD83D)) << QByteArray("x?");
}

void TestShortText::encode_substitutesCharactersOutsideThePage()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(Windows1252::encode(text), bytes);
}

void TestShortText::trimmedText_removesBlanksAndControlsAtBothEnds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("blanks only") << QStringLiteral("   ") << QString();
    QTest::newRow("controls and blanks")
        << QString::fromUtf16(u"\t\r\n \x01Rex\x1F \0", 11) << QStringLiteral("Rex");
    QTest::newRow("inner blanks kept") << QStringLiteral("  a  b  ") << QStringLiteral("a  b");
    QTest::newRow("non-breaking space is text") << QStringLiteral("\u00A0x") << QStringLiteral("\u00A0x");
}

void TestShortText::trimmedText_removesBlanksAndControlsAtBothEnds()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(trimmedText(text), trimmed);
}

void TestShortText::toShortText_writesLengthTextAndZeros_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QByteArray>("field");
    QTest::newRow("shorter than capacity") << QStringLiteral("Rex") << 5 << QByteArray("\x03Rex\0\0", 6);
    QTest::newRow("exactly the capacity") << QStringLiteral("Rexy") << 4 << QByteArray("\x04Rexy");
    QTest::newRow("one more than the capacity is cut")
        << QStringLiteral("Rexyz") << 4 << QByteArray("\x04Rexy");
    QTest::newRow("blanks at both ends never stored")
        << QStringLiteral("  Rex \t") << 5 << QByteArray("\x03Rex\0\0", 6);
    QTest::newRow("trimmed before cutting") << QStringLiteral("   abcdef") << 3
                                            << QByteArray("\x03"
                                                          "abc");
    QTest::newRow("blanks only") << QStringLiteral("    ") << 2 << QByteArray("\0\0\0", 3);
    QTest::newRow("empty") << QString() << 1 << QByteArray("\0\0", 2);
    QTest::newRow("flag yes") << QStringLiteral("S\u00EC") << 2 << QByteArray("\x02S\xEC");
    QTest::newRow("outside the page") << QStringLiteral("\u4E2D") << 2 << QByteArray("\x01?\0", 3);
    QTest::newRow("capacity 255") << QString(300, u'x') << 255
                                  << (QByteArray(1, char(255)) + QByteArray(255, 'x'));
}

void TestShortText::toShortText_writesLengthTextAndZeros()
{
    QFETCH(QString, text);
    QFETCH(int, capacity);
    QFETCH(QByteArray, field);
    // The buffer held another value before: none of it may survive.
    QByteArray buffer(capacity + 1, '\xAA');
    toShortText(text, capacity, buffer.data());
    QCOMPARE(buffer.toHex(' '), field.toHex(' '));
}

void TestShortText::fromShortText_readsTrimmedTextWithinCapacity_data()
{
    QTest::addColumn<QByteArray>("field");
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QString>("text");
    QTest::newRow("text") << QByteArray("\x03RexZZ") << 5 << QStringLiteral("Rex");
    QTest::newRow("bytes after the text ignored") << QByteArray("\x01Rex") << 3 << QStringLiteral("R");
    QTest::newRow("length zero") << QByteArray("\0abc", 4) << 3 << QString();
    QTest::newRow("blanks from another tool trimmed")
        << QByteArray("\x05 Rex ") << 5 << QStringLiteral("Rex");
    QTest::newRow("length byte beyond the capacity read as the capacity") << QByteArray("\xFF"
                                                                                        "abc")
                                                                          << 3 << QStringLiteral("abc");
    QTest::newRow("flag yes") << QByteArray("\x02S\xEC") << 2 << QStringLiteral("S\u00EC");
}

void TestShortText::fromShortText_readsTrimmedTextWithinCapacity()
{
    QFETCH(QByteArray, field);
    QFETCH(int, capacity);
    QFETCH(QString, text);
    QCOMPARE(fromShortText(field.constData(), capacity), text);
}

void TestShortText::record_newBufferIsZeroAndFieldsLandAtTheirOffsets()
{
    Record record(DogRecord::layout());
    QCOMPARE(record.bytes(), QByteArray(DogRecord::recordSize, '\0'));

    record.setValue(DogRecord::Sesso, u" M ");
    record.setValue(DogRecord::Desc03, QString(251, u'd'));
    QCOMPARE(record.bytes().mid(51, 2), QByteArray("\x01M"));
    QCOMPARE(quint8(record.bytes().at(10606)), quint8(250));
    QCOMPARE(record.value(DogRecord::Sesso), QStringLiteral("M"));
    QCOMPARE(record.value(DogRecord::Desc03), QString(250, u'd'));
    QCOMPARE(record.value(DogRecord::Nome), QString());
}

QTEST_GUILESS_MAIN(TestShortText)
#include "tst_shorttext.moc"
