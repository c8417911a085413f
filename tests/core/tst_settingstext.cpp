#include "core/SettingsText.h"

#include <QRandomGenerator>
#include <QTest>

// The settings file's reader and writer: the value found where a settings
// reader finds it, and every other byte kept when it is rewritten.
class tst_SettingsText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("plain") << QByteArray("[Accesso]\r\nValore=0A1B\r\n") << QByteArray("0A1B");
        QTest::newRow("line feeds, no final one") << QByteArray("[Accesso]\nValore=0A1B") << QByteArray("0A1B");
        QTest::newRow("case and blanks") << QByteArray(" [ accesso ] \r\n  VALORE =  0A1B  \r\n") << QByteArray("0A1B");
        QTest::newRow("quoted") << QByteArray("[Accesso]\nValore=\"0A1B\"\n") << QByteArray("0A1B");
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF[Accesso]\nValore=0A1B\n") << QByteArray("0A1B");
        QTest::newRow("among others")
            << QByteArray("[Altro]\nValore=FF\n[Accesso]\nChiave=1\n;Valore=EE\nValore=0A1B\nValore=CC\n[Dopo]\n")
            << QByteArray("0A1B");
        QTest::newRow("key in another section") << QByteArray("[Accesso]\n[Altro]\nValore=FF\n") << QByteArray();
        QTest::newRow("key before any section") << QByteArray("Valore=FF\n[Accesso]\n") << QByteArray();
        QTest::newRow("no section") << QByteArray("[Accesso\nValore=FF\n") << QByteArray();
        QTest::newRow("empty value") << QByteArray("[Accesso]\nValore=\n") << QByteArray();
        QTest::newRow("empty text") << QByteArray() << QByteArray();
    }

    void reading()
    {
        QFETCH(QByteArray, text);
        QFETCH(QByteArray, value);
        QCOMPARE(SettingsText::value(text, "Accesso", "Valore"), value);
    }

    void writing_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("replaced in place")
            << QByteArray("; note\r\n[Accesso]\r\nAltro=1\r\n  Valore = 00 \r\n[Fine]\r\nx=\xE9\r\n")
            << QByteArray("; note\r\n[Accesso]\r\nAltro=1\r\n  Valore =9F\r\n[Fine]\r\nx=\xE9\r\n");
        QTest::newRow("key added at the end of its section")
            << QByteArray("[Accesso]\nAltro=1\n\n[Fine]\n")
            << QByteArray("[Accesso]\nAltro=1\nValore=9F\n\n[Fine]\n");
        QTest::newRow("key added after an unterminated header")
            << QByteArray("[Accesso]") << QByteArray("[Accesso]\r\nValore=9F");
        QTest::newRow("section added, line feeds kept")
            << QByteArray("[Altro]\nx=1") << QByteArray("[Altro]\nx=1\n[Accesso]\nValore=9F\n");
        QTest::newRow("new file") << QByteArray() << QByteArray("[Accesso]\r\nValore=9F\r\n");
    }

    void writing()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        QCOMPARE(SettingsText::withValue(before, "Accesso", "Valore", "9F"), after);
    }

    // Random texts, mostly made of pieces of settings files: reading never
    // fails, and writing makes the value readable while the other lines stay,
    // in their order, the only change being the key's line.
    void randomTexts()
    {
        QRandomGenerator random(20261210);
        const QByteArray pieces[] = { "[Accesso]", "[ACCESSO", "[Altro]", "Valore=", "valore = 12", ";Valore=3",
            "=", "[", "]", "\r\n", "\n", "\r", " ", "\t", "\"", "AB", "\xEF\xBB\xBF", QByteArray(1, '\0'), "\xFF" };
        for (int round = 0; round < 20000; ++round) {
            QByteArray text;
            const int length = random.bounded(24);
            for (int i = 0; i < length; ++i) {
                if (random.bounded(4) == 0)
                    text.append(char(random.bounded(256)));
                else
                    text.append(pieces[random.bounded(int(std::size(pieces)))]);
            }
            SettingsText::value(text, "Accesso", "Valore");
            const QByteArray written = SettingsText::withValue(text, "Accesso", "Valore", "0A1B");
            QCOMPARE(SettingsText::value(written, "Accesso", "Valore"), QByteArray("0A1B"));
            QVERIFY2(keepsOtherLines(text, written), text.toPercentEncoding().constData());
            QCOMPARE(SettingsText::withValue(written, "Accesso", "Valore", "0A1B"), written);
        }
    }

private:
    // Every line of before is in after, in order; after has at most two more
    // lines (a section and a key) and one line of before may be rewritten.
    static bool keepsOtherLines(const QByteArray &before, const QByteArray &after)
    {
        const QList<QByteArray> old = before.split('\n');
        const QList<QByteArray> now = after.split('\n');
        qsizetype j = 0;
        int unmatched = 0;
        for (const QByteArray &line : old) {
            qsizetype k = j;
            while (k < now.size() && now[k] != line && !(now[k] + '\r' == line || now[k] == line + '\r'))
                ++k;
            if (k == now.size()) {
                ++unmatched; // the rewritten key line
                continue;
            }
            j = k + 1;
        }
        return unmatched <= 1 && now.size() <= old.size() + 3;
    }
};

QTEST_APPLESS_MAIN(tst_SettingsText)
#include "tst_settingstext.moc"
