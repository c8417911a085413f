#include "checks/IbanCheck.h"
#include "checks/PaymentCardCheck.h"
#include "checks/TaxCodeCheck.h"
#include "checks/VatNumberCheck.h"
#include "storage/ShortText.h"

#include <QRandomGenerator>
#include <QTest>

namespace QTest {
template<> inline char *toString(const CheckReport &report)
{
    return qstrdup(qPrintable(
        QStringLiteral("{%1, \"%2\", closes: %3}")
            .arg(int(report.message))
            .arg(report.text, report.closesWindow ? QStringLiteral("yes") : QStringLiteral("no"))));
}
} // namespace QTest

using Message = CheckReport::Message;

namespace {

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

const char *const vatWrong
    = "Attenzione: il numero di partita IVA digitato risulta ERRATO!\r\n\r\nNon è quindi "
      "possibile fornire informazioni relative all'Ufficio IVA che lo ha rilasciato.";
const char *const cardWrong = "Attenzione: il numero digitato risulta ERRATO!\r\n\r\nNon è quindi possibile "
                              "fornire informazioni relative al tipo di carta di credito.";

QString cardValid(const char *number, const char *type)
{
    return utf8("Il numero di carta di credito %1 risulta valido.\r\n\r\nLa carta di credito è del tipo %2.")
        .arg(QLatin1StringView(number), QLatin1StringView(type));
}

} // namespace

class tst_IdentifierChecks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Only a to z change case, as everywhere in the program.
    void trimmedCapitals() { QCOMPARE(::trimmedCapitals(utf8(" \trss-mrà éz\n")), utf8("RSS-MRà éZ")); }

    void taxCode_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<CheckVerdict>("verdict");
        QTest::newRow("odd sum 8, even 0: I") << utf8("AAAAAA00A00A000I") << CheckVerdict::Valid;
        QTest::newRow("check character changed") << utf8("AAAAAA00A00A000J") << CheckVerdict::Wrong;
        QTest::newRow("176 + 127 = 303: R") << utf8("ZZZZZZ99Z99Z999R") << CheckVerdict::Valid;
        QTest::newRow("lower case counts as capitals") << utf8("aaaaaa00a00a000i") << CheckVerdict::Valid;
        QTest::newRow("ordinary code") << utf8("RSSMRA85T10A562S") << CheckVerdict::Valid;
        QTest::newRow("homonym letters in digit places") << utf8("RSSMRALRTMLAQ62W") << CheckVerdict::Valid;
        QTest::newRow("first character changed") << utf8("BAAAAA00A00A000I") << CheckVerdict::Wrong;
        QTest::newRow("15 characters") << utf8("AAAAAA00A00A000") << CheckVerdict::WrongLength;
        QTest::newRow("17 characters") << utf8("AAAAAA00A00A000IA") << CheckVerdict::WrongLength;
        QTest::newRow("empty") << QString() << CheckVerdict::WrongLength;
        QTest::newRow("surrounding blank is not trimmed")
            << utf8(" AAAAAA00A00A000I") << CheckVerdict::WrongLength;
        // Characters the tables give no value are wrong, never counted as zero.
        QTest::newRow("blank inside") << utf8("AAAA A00A00A000I") << CheckVerdict::Wrong;
        QTest::newRow("hyphen") << utf8("AAAAAA00A-0A000I") << CheckVerdict::Wrong;
        QTest::newRow("accented letter") << utf8("ÀAAAAA00A00A000I") << CheckVerdict::Wrong;
        QTest::newRow("non-ASCII digit") << utf8("AAAAAA0٠A00A000I") << CheckVerdict::Wrong;
    }

    void taxCode()
    {
        QFETCH(QString, code);
        QFETCH(CheckVerdict, verdict);
        QCOMPARE(checkTaxCode(code), verdict);
    }

    void taxCodeReport_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<CheckReport>("report");
        QTest::newRow("valid") << utf8("AAAAAA00A00A000I")
                               << CheckReport { Message::Information,
                                      utf8("Il codice fiscale digitato è VALIDO.") };
        QTest::newRow("wrong") << utf8("AAAAAA00A00A000J")
                               << CheckReport { Message::Warning,
                                      utf8("Attenzione: il codice fiscale digitato è ERRATO.") };
        QTest::newRow("length")
            << utf8("AAAA")
            << CheckReport { Message::Warning,
                   utf8("Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici."),
                   false };
    }

    void taxCodeReport()
    {
        QFETCH(QString, code);
        QFETCH(CheckReport, report);
        QCOMPARE(::taxCodeReport(code), report);
    }

    void vatNumber_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<CheckVerdict>("verdict");
        QTest::newRow("S = 47: 3") << utf8("12345678903") << CheckVerdict::Valid;
        QTest::newRow("same digits ending in 4") << utf8("12345678904") << CheckVerdict::Wrong;
        QTest::newRow("S = 2: 8") << utf8("00000000018") << CheckVerdict::Valid;
        QTest::newRow("S = 16: 4") << utf8("11111110034") << CheckVerdict::Valid;
        QTest::newRow("S multiple of 10: 0") << utf8("00000000000") << CheckVerdict::Valid;
        QTest::newRow("ten digits") << utf8("1234567890") << CheckVerdict::WrongLength;
        QTest::newRow("twelve digits") << utf8("123456789031") << CheckVerdict::WrongLength;
        QTest::newRow("letter") << utf8("1234567890A") << CheckVerdict::Wrong;
        QTest::newRow("blank") << utf8("1234567890 ") << CheckVerdict::Wrong;
    }

    void vatNumber()
    {
        QFETCH(QString, number);
        QFETCH(CheckVerdict, verdict);
        QCOMPARE(checkVatNumber(number), verdict);
    }

    void vatOffices_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("office");
        for (auto [code, office] : { std::pair { "001", "Torino" }, { "003", "Novara" }, { "040", "Forlì" },
                 { "058", "Roma 1" }, { "096", "Monza (Milano 2)" }, { "099", "Chiavari (Genova 2)" },
                 { "101", "Bologna 2" }, { "120", "Bologna 2" }, { "102", "Napoli 2" }, { "121", "Napoli 2" },
                 { "890", "" }, { "000", "" }, { "103", "" }, { "119", "" }, { "122", "" } })
            QTest::newRow(code) << utf8(code) << utf8(office);
    }

    void vatOffices()
    {
        QFETCH(QString, code);
        QFETCH(QString, office);
        QCOMPARE(vatOfficeName(code), office);
    }

    // Every code of the office table, and no other three-digit code, names an office.
    void vatOfficeTableCoversExactlyItsCodes()
    {
        for (int code = 0; code < 1000; ++code) {
            const QString text = QStringLiteral("%1").arg(code, 3, 10, QLatin1Char('0'));
            const bool listed = (code >= 1 && code <= 102) || code == 120 || code == 121;
            QVERIFY2(vatOfficeName(text).isEmpty() != listed, qPrintable(text));
        }
    }

    void vatNumberReport_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<CheckReport>("report");
        QTest::newRow("Torino")
            << utf8("00000000018")
            << CheckReport { Message::Information,
                   utf8("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nE' stato rilasciato "
                        "dall'Ufficio IVA del Comune di Torino.") };
        QTest::newRow("office not in the table")
            << utf8("12345678903")
            << CheckReport { Message::Information,
                   utf8("Il numero di partita IVA digitato risulta VALIDO.\r\n\r\nL'Ufficio IVA che lo "
                        "ha rilasciato non è noto.") };
        QTest::newRow("wrong") << utf8("12345678904") << CheckReport { Message::Warning, utf8(vatWrong) };
        QTest::newRow("letters") << utf8("ABCDEFGHIJK") << CheckReport { Message::Warning, utf8(vatWrong) };
        QTest::newRow("length")
            << utf8("1234567890")
            << CheckReport { Message::Warning,
                   utf8("Attenzione: la partita IVA deve essere composta da 11 caratteri numerici."), false };
    }

    void vatNumberReport()
    {
        QFETCH(QString, number);
        QFETCH(CheckReport, report);
        QCOMPARE(::vatNumberReport(number), report);
    }

    void taxCodeRouting_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("vatNumber");
        QTest::newRow("empty") << QString() << false;
        QTest::newRow("eleven digits") << utf8("12345678903") << true;
        QTest::newRow("any length of digits") << utf8("123") << true;
        QTest::newRow("sixteen digits") << utf8("1234567890123456") << true;
        QTest::newRow("tax code") << utf8("RSSMRA85T10A562S") << false;
        QTest::newRow("digits and a letter") << utf8("1234567890A") << false;
        QTest::newRow("blank between digits") << utf8("12345 678") << false;
        QTest::newRow("non-ASCII digits") << utf8("١٢٣") << false;
    }

    void taxCodeRouting()
    {
        QFETCH(QString, code);
        QFETCH(bool, vatNumber);
        QCOMPARE(isVatNumberTaxCode(code), vatNumber);
    }

    void paymentCard_data()
    {
        QTest::addColumn<QString>("number");
        QTest::addColumn<CheckReport>("report");
        const auto valid = [](const char *number, const char *type) {
            return CheckReport { Message::Information, cardValid(number, type) };
        };
        const CheckReport wrong { Message::Warning, utf8(cardWrong) };
        QTest::newRow("Visa") << utf8("4111111111111111") << valid("4111111111111111", "Visa");
        QTest::newRow("Visa, last digit changed") << utf8("4111111111111112") << wrong;
        QTest::newRow("MasterCard") << utf8("5500000000000004") << valid("5500000000000004", "MasterCard");
        QTest::newRow("American Express")
            << utf8("340000000000009") << valid("340000000000009", "American Express");
        QTest::newRow("Diner's Club")
            << utf8("30000000000004") << valid("30000000000004", "Diner's Club / Carte Blanche");
        QTest::newRow("JCB") << utf8("3530111333300000") << valid("3530111333300000", "JCB");
        QTest::newRow("Discover") << utf8("6011000000000004") << valid("6011000000000004", "Discover");
        QTest::newRow("3 with no type: nothing shown") << utf8("3200000000000002") << CheckReport {};
        QTest::newRow("first digit 2") << utf8("2221000000000009") << wrong;
        QTest::newRow("first digit 7") << utf8("7000000000000005") << wrong;
        QTest::newRow("24 digits judged on the first 20")
            << utf8("400000000000000000021234") << valid("400000000000000000021234", "Visa");
        QTest::newRow("24 digits, first 20 wrong") << utf8("400000000000000000031234") << wrong;
        QTest::newRow("signs between the digits are dropped")
            << utf8("4111-1111-1111-1111") << valid("4111-1111-1111-1111", "Visa");
        QTest::newRow("surrounding blanks trimmed in the message")
            << utf8(" 4111111111111111 ") << valid("4111111111111111", "Visa");
        QTest::newRow("no digit at all") << utf8("ABC") << wrong;
        const CheckReport missing { Message::Warning,
            utf8("Attenzione: immettere il numero di carta di credito prima di premere il "
                 "pulsante di controllo."),
            false };
        QTest::newRow("empty") << QString() << missing;
        QTest::newRow("blanks only") << utf8("   ") << missing;
    }

    void paymentCard()
    {
        QFETCH(QString, number);
        QFETCH(CheckReport, report);
        QCOMPARE(paymentCardReport(number), report);
    }

    void iban_data()
    {
        QTest::addColumn<QString>("iban");
        QTest::addColumn<CheckVerdict>("verdict");
        QTest::newRow("valid") << utf8("IT95A1234512345123456789012") << CheckVerdict::Valid;
        QTest::newRow("check digits changed to 96")
            << utf8("IT96A1234512345123456789012") << CheckVerdict::Wrong;
        QTest::newRow("typed in groups: 33 characters")
            << utf8("IT95 A123 4512 3451 2345 6789 012") << CheckVerdict::WrongLength;
        QTest::newRow("lower case") << utf8("it95a1234512345123456789012") << CheckVerdict::Valid;
        QTest::newRow("surrounding blanks trimmed")
            << utf8(" IT95A1234512345123456789012 ") << CheckVerdict::Valid;
        QTest::newRow("hyphen") << utf8("IT95A1234512345123456789-12") << CheckVerdict::Wrong;
        QTest::newRow("accented letter") << utf8("IT95À1234512345123456789012") << CheckVerdict::Wrong;
        // Inner blanks count towards the 27 and are then removed, as is the word IBAN.
        QTest::newRow("word IBAN and inner blanks")
            << utf8("IBAN BE68  5390  0754  7034") << CheckVerdict::Valid;
        QTest::newRow("26 characters") << utf8("IT95A123451234512345678901") << CheckVerdict::WrongLength;
        QTest::newRow("blanks inside, nothing else")
            << utf8("A                         B") << CheckVerdict::Wrong;
    }

    void iban()
    {
        QFETCH(QString, iban);
        QFETCH(CheckVerdict, verdict);
        QCOMPARE(checkIban(iban), verdict);
    }

    void ibanReport_data()
    {
        QTest::addColumn<QString>("iban");
        QTest::addColumn<CheckReport>("report");
        QTest::newRow("valid") << utf8("IT95A1234512345123456789012")
                               << CheckReport { Message::Information, utf8("L'IBAN digitato è VALIDO.") };
        QTest::newRow("wrong") << utf8("IT96A1234512345123456789012")
                               << CheckReport { Message::Warning,
                                      utf8("Attenzione: l'IBAN digitato è ERRATO!") };
        QTest::newRow("length")
            << utf8("IT95")
            << CheckReport { Message::Warning,
                   utf8("Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici."), false };
    }

    void ibanReport()
    {
        QFETCH(QString, iban);
        QFETCH(CheckReport, report);
        QCOMPARE(::ibanReport(iban), report);
    }

    // Whatever an opener or the user puts in a box (any length, any
    // characters, broken surrogate pairs), every check answers with a message
    // of its own, and only a text it cannot check keeps its window open.
    void randomTextAlwaysGetsAReport()
    {
        QRandomGenerator random(20261209);
        const QString alphabet = utf8("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcxyz -àé€/");
        for (int round = 0; round < 20000; ++round) {
            QString text;
            const int length = random.bounded(40);
            for (int i = 0; i < length; ++i) {
                text += random.bounded(10) == 0 ? QChar(char16_t(random.bounded(0x10000)))
                                                 : alphabet[random.bounded(alphabet.size())];
            }
            using Check = CheckReport (*)(QStringView);
            for (Check check : { &::taxCodeReport, &::vatNumberReport, &::ibanReport }) {
                const CheckReport report = check(text);
                QVERIFY2(report.message != Message::None && !report.text.isEmpty(), qPrintable(text));
            }
            const CheckReport card = ::paymentCardReport(text);
            QVERIFY(card.closesWindow || card.message == Message::Warning);
        }
    }
};

QTEST_APPLESS_MAIN(tst_IdentifierChecks)
#include "tst_identifierchecks.moc"
