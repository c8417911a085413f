#include "core/AccessPassword.h"
#include "storage/ProgramFolder.h"

#include "SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace AccessPassword;
using Verification = Store::Verification;
using Change = Store::Change;

Q_DECLARE_METATYPE(Verification)
Q_DECLARE_METATYPE(Change)

// The scrambled password and the rules that check and change it, over a
// settings file in a temporary folder.
class tst_AccessPassword : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        m_path = m_folder->filePath(QString::fromLatin1(settingsFileName));
    }

    void scrambleRoundTrip_data()
    {
        QTest::addColumn<QString>("clear");
        QTest::newRow("empty") << QString();
        QTest::newRow("one letter") << QStringLiteral("A");
        QTest::newRow("repeated letters") << QStringLiteral("AAAAAAAA");
        QTest::newRow("Latin-1") << QStringLiteral("CAFFÈ ÀÉÎÕÜ ÿ ß ¤?");
        QString everyCode;
        for (char16_t c = 0; c <= 0xFF; ++c)
            everyCode.append(QChar(c));
        QTest::newRow("every code, 256 characters") << everyCode;
        QTest::newRow("255 characters") << QString(255, u'Z');
    }

    // Two capital hexadecimal digits per character, and the clear text back.
    void scrambleRoundTrip()
    {
        QFETCH(QString, clear);
        const QString stored = scramble(clear);
        QCOMPARE(stored.size(), 2 * clear.size());
        QVERIFY(QRegularExpression(QStringLiteral("^[0-9A-F]*$")).match(stored).hasMatch());
        QCOMPARE(unscramble(stored), std::optional(clear));
        QCOMPARE(unscramble(stored.toLower()), std::optional(clear));
    }

    // The key runs on: the same character scrambles differently at each place,
    // and the fixed constants give the same form in every run.
    void scrambleIsFixedAndRunning()
    {
        const QString stored = scramble(QStringLiteral("AAAA"));
        QCOMPARE(stored, scramble(QStringLiteral("AAAA")));
        QCOMPARE(QSet<QString>({ stored.mid(0, 2), stored.mid(2, 2), stored.mid(4, 2), stored.mid(6, 2) }).size(), 4);
        QCOMPARE(scramble(QStringLiteral("AB")).left(2), scramble(QStringLiteral("AC")).left(2));
    }

    void unscrambleDamagedForms()
    {
        const QString stored = scramble(QStringLiteral("ZAMPORA"));
        QCOMPARE(unscramble(stored + u'7'), std::optional(QStringLiteral("ZAMPORA")));
        QCOMPARE(unscramble(QStringLiteral("0G")), std::nullopt);
        QCOMPARE(unscramble(stored.left(6) + QStringLiteral(" 1")), std::nullopt);
        QCOMPARE(unscramble(QStringLiteral("é1")), std::nullopt);
        QCOMPARE(unscramble(QString()), std::optional(QString()));
    }

    void normalisedAndStorable_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("normalisedForm");
        QTest::addColumn<int>("storableAs");
        QTest::newRow("a to z in capitals, trimmed") << QStringLiteral("  zampora\t") << QStringLiteral("ZAMPORA")
                                                     << int(Storable::Yes);
        QTest::newRow("accents keep their case") << QStringLiteral("città È") << QStringLiteral("CITTà È")
                                                 << int(Storable::Yes);
        QTest::newRow("255 after trimming") << QString(255, u'x') + u' ' << QString(255, u'X') << int(Storable::Yes);
        QTest::newRow("256") << QString(256, u'x') << QString(256, u'X') << int(Storable::TooLong);
        QTest::newRow("euro sign") << QStringLiteral("5€") << QStringLiteral("5€") << int(Storable::OutsideLatin1);
        QTest::newRow("beyond the basic plane") << QStringLiteral("cane🐕") << QStringLiteral("CANE🐕")
                                                << int(Storable::OutsideLatin1);
    }

    void normalisedAndStorable()
    {
        QFETCH(QString, typed);
        QFETCH(QString, normalisedForm);
        QFETCH(int, storableAs);
        QCOMPARE(normalised(typed), normalisedForm);
        QCOMPARE(int(storable(normalised(typed))), storableAs);
    }

    void verification_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no settings file at all
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Verification>("result");
        const QByteArray delivered = initialSettings();
        QTest::newRow("as delivered") << delivered << QStringLiteral("ZAMPORA") << Verification::Accepted;
        QTest::newRow("small letters and blanks") << delivered << QStringLiteral("  zamPora ") << Verification::Accepted;
        QTest::newRow("wrong") << delivered << QStringLiteral("ZAMPORA2") << Verification::Refused;
        QTest::newRow("no file") << QByteArray() << QStringLiteral("ZAMPORA") << Verification::SettingsMissing;
        QTest::newRow("blanks stored around")
            << QByteArray("[Accesso]\r\nValore=" + scramble(QStringLiteral("  ZAMPORA ")).toLatin1() + "\r\n")
            << QStringLiteral("zampora") << Verification::Accepted;
    }

    void verification()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, typed);
        QFETCH(Verification, result);
        if (!file.isEmpty())
            write(file);
        QCOMPARE(Store(m_path).verify(typed), result);
    }

    void damagedFileFailsToRead_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QByteArray stored = scramble(initialPassword()).toLatin1();
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("garbage bytes") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\xFF[\xE8]=", 21);
        QTest::newRow("section without Valore") << QByteArray("[Accesso]\r\nValor=" + stored + "\r\n");
        QTest::newRow("Valore under another section")
            << QByteArray("[Altro]\r\nValore=" + stored + "\r\n[Accesso]\r\nAltro=1\r\n");
        QTest::newRow("empty value") << QByteArray("[Accesso]\r\nValore=\r\n");
        QTest::newRow("blanks stored")
            << QByteArray("[Accesso]\r\nValore=" + scramble(u"  ").toLatin1() + "\r\n");
        QTest::newRow("not hexadecimal") << QByteArray("[Accesso]\r\nValore=0A1G\r\n");
    }

    // A settings file that exists but holds no password, or no readable one,
    // is damaged: even the delivered password meets a reading failure, never a
    // refusal, and a change fails without touching the file.
    void damagedFileFailsToRead()
    {
        QFETCH(QByteArray, file);
        write(file);
        const Store store(m_path);
        QCOMPARE(store.verify(initialPassword()), Verification::ReadFailed);
        QCOMPARE(
            store.change(initialPassword(), QStringLiteral("FIDO"), QStringLiteral("FIDO")), Change::Failed);
        QCOMPARE(read(), file);
    }

    // A folder where the settings file should be is a file that cannot be used.
    void unusableFileFailsToRead()
    {
        QVERIFY(QDir().mkdir(m_path));
        QCOMPARE(Store(m_path).verify(QStringLiteral("ZAMPORA")), Verification::ReadFailed);
        QCOMPARE(Store(m_path).change(QStringLiteral("ZAMPORA"), QStringLiteral("A"), QStringLiteral("A")),
            Change::Failed);
    }

    // Nothing is cached: a file replaced between two attempts counts at once.
    void fileIsReadAtEveryAttempt()
    {
        const Store store(m_path);
        QCOMPARE(store.verify(QStringLiteral("ZAMPORA")), Verification::SettingsMissing);
        write(initialSettings());
        QCOMPARE(store.verify(QStringLiteral("ZAMPORA")), Verification::Accepted);
    }

    void change_data()
    {
        QTest::addColumn<QString>("oldTyped");
        QTest::addColumn<QString>("newTyped");
        QTest::addColumn<QString>("confirmation");
        QTest::addColumn<Change>("result");
        QTest::newRow("changed") << QStringLiteral(" zampora") << QStringLiteral(" Fido ") << QStringLiteral("Fido")
                                 << Change::Changed;
        QTest::newRow("wrong old") << QStringLiteral("FIDO") << QStringLiteral("A") << QStringLiteral("A")
                                   << Change::OldRefused;
        QTest::newRow("confirmation differs in case") << QStringLiteral("ZAMPORA") << QStringLiteral("Fido")
                                                      << QStringLiteral("FIDO") << Change::NotConfirmed;
        QTest::newRow("too long") << QStringLiteral("ZAMPORA") << QString(256, u'a') << QString(256, u'a')
                                  << Change::TooLong;
        QTest::newRow("euro sign") << QStringLiteral("ZAMPORA") << QStringLiteral("100€") << QStringLiteral("100€")
                                   << Change::OutsideLatin1;
    }

    // Other content of the file stays byte for byte; only a completed change
    // touches it, and the new password is then in force.
    void change()
    {
        QFETCH(QString, oldTyped);
        QFETCH(QString, newTyped);
        QFETCH(QString, confirmation);
        QFETCH(Change, result);
        const QByteArray before = "; impostazioni\r\n[Setup]\r\nLingua=it\r\n\r\n[Accesso]\r\nValore="
            + scramble(QStringLiteral("ZAMPORA")).toLatin1() + "\r\nAltro=\xE8\r\n";
        write(before);
        const Store store(m_path);
        QCOMPARE(store.change(oldTyped, newTyped, confirmation), result);
        if (result != Change::Changed) {
            QCOMPARE(read(), before);
            return;
        }
        QByteArray expected = before;
        expected.replace(scramble(QStringLiteral("ZAMPORA")).toLatin1(), scramble(QStringLiteral("FIDO")).toLatin1());
        QCOMPARE(read(), expected);
        QCOMPARE(store.verify(QStringLiteral("fido")), Verification::Accepted);
        QCOMPARE(store.verify(QStringLiteral("ZAMPORA")), Verification::Refused);
    }

    // On a full disk the change fails and the old password stays in force:
    // a settings file cut empty would let nobody in.
    void changeOnAFullDisk_keepsTheOldPassword()
    {
        const SmallDisk disk;
        if (!disk.isMounted())
            QSKIP("mounting a small file system needs root");
        m_path = disk.filePath(QString::fromLatin1(settingsFileName));
        write(initialSettings());
        disk.fill();
        const Store store(m_path);
        QCOMPARE(store.change(QStringLiteral("ZAMPORA"), QStringLiteral("Fido"), QStringLiteral("Fido")),
            Change::Failed);
        QCOMPARE(read(), initialSettings());
        QCOMPARE(store.verify(QStringLiteral("ZAMPORA")), Verification::Accepted);
        QCOMPARE(disk.entries(), QStringList { QString::fromLatin1(settingsFileName) });
    }

    void changeWithoutFileOrWithDamagedValue()
    {
        const Store store(m_path);
        QCOMPARE(store.change(QStringLiteral("ZAMPORA"), QStringLiteral("A"), QStringLiteral("A")),
            Change::SettingsMissing);
        QVERIFY(!QFile::exists(m_path));
        write("[Accesso]\r\nValore=XYZ\r\n");
        QCOMPARE(store.change(QStringLiteral("ZAMPORA"), QStringLiteral("A"), QStringLiteral("A")), Change::Failed);
        QCOMPARE(read(), QByteArray("[Accesso]\r\nValore=XYZ\r\n"));
    }

    // The new content goes to a new file renamed over the old one, never into
    // the old file itself: a second name of the old file still holds the old
    // password, so an interrupted write cannot leave a half-written one.
    void changeReplacesTheFileWhole()
    {
        write(initialSettings());
        const QString secondName = m_folder->filePath(QStringLiteral("copia.dll"));
        QCOMPARE(::link(QFile::encodeName(m_path).constData(), QFile::encodeName(secondName).constData()), 0);
        QCOMPARE(Store(m_path).change(QStringLiteral("ZAMPORA"), QStringLiteral("FIDO"), QStringLiteral("FIDO")),
            Change::Changed);
        QFile old(secondName);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), initialSettings());
    }

private:
    void write(const QByteArray &bytes)
    {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    QByteArray read()
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_path;
};

QTEST_APPLESS_MAIN(tst_AccessPassword)
#include "tst_accesspassword.moc"
