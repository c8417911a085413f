#include "tst_frmcani_fixture.h"

#include "dogs/frmStampaCane.h"

#include <QPushButton>

namespace {

std::vector<QImage> picturesOf(const Report::PreparedReport &report)
{
    std::vector<QImage> pictures;
    for (const Report::Page &page : report.pages)
        for (const Report::Element &element : page.elements)
            if (const auto *picture = std::get_if<Report::PictureElement>(&element))
                pictures.push_back(picture->image);
    return pictures;
}

} // namespace

class TestFrmCaniPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { m_fixture = std::make_unique<DogCardFixture>(); }
    void stampa_printsTheCardAsShown_unsavedValuesPhotoAndFooter();
    void stampa_cardWithoutPhoto_printsThePlaceholderShown();
    void annulla_printsNothing();

private:
    /// Clicks the card's Stampa, then the print window's button of that name.
    void printThrough(const char *windowButton);
    CapturingPrinting &printing() { return m_fixture->doubles.printing; }

    std::unique_ptr<DogCardFixture> m_fixture;
};

void TestFrmCaniPrinting::printThrough(const char *windowButton)
{
    QString caption;
    QSize size;
    whenModalShown([&](QWidget *window) {
        QCOMPARE(window->objectName(), QStringLiteral("frmStampaCane"));
        caption = window->windowTitle();
        size = window->size();
        click(child<QPushButton>(window, windowButton));
    });
    click(child(m_fixture->card(), "cmdStampa"));
    QCOMPARE(caption, QStringLiteral(" Stampa scheda"));
    QCOMPARE(size, QSize(364, 287));
}

void TestFrmCaniPrinting::stampa_printsTheCardAsShown_unsavedValuesPhotoAndFooter()
{
    m_fixture->typeHead(QStringLiteral("FIDO"));
    QTest::keyClicks(m_fixture->box("txtMantello"), QStringLiteral("  FULVO  "));
    m_fixture->box("txtPadre")->setText(QStringLiteral("LUPO [1]")); // a section not shown
    m_fixture->box("txtNote")->setText(QStringLiteral("MORDE & ABBAIA"));
    // Beyond the code page of the archive, which never sees it.
    m_fixture->box("txtAllevatore")->setText(QStringLiteral("ALLEVAMENTO ŁÓDŹ"));
    m_fixture->box("txtPelo")->setText(QStringLiteral("RASO")); // not on the printed card
    QImage photo(40, 30, QImage::Format_RGB32);
    photo.fill(Qt::red);
    m_fixture->card()->photoBox()->setPicture(photo);

    printThrough("btnStampa");

    QCOMPARE(printing().printed.size(), std::size_t(1));
    const Report::PreparedReport &report = printing().printed.front();
    QCOMPARE(report.pages.size(), std::size_t(1));
    QCOMPARE(report.pageSize, QSizeF(210, 297));
    const QStringList texts = reportTexts(report);
    for (const QString &expected :
        { QStringLiteral("FIDO"), QStringLiteral("Pastore"), QStringLiteral("FULVO"),
            QStringLiteral("LUPO [1]"), QStringLiteral("MORDE & ABBAIA"), QStringLiteral("ALLEVAMENTO ŁÓDŹ"),
            QStringLiteral("DATA NASCITA:"), QStringLiteral("01/02/2020"), QStringLiteral("NOTE:") })
        QVERIFY2(texts.contains(expected), qPrintable(expected));
    QVERIFY(!texts.contains(QStringLiteral("RASO")));
    QCOMPARE(texts.last(), QStringLiteral("Stampa eseguita in data 28/02/2024 alle ore 09:30:00"));
    QCOMPARE(picturesOf(report), std::vector<QImage> { photo });
    QCOMPARE(m_fixture->label("lblPosizione"), QString()); // printing saved nothing
    QVERIFY(m_fixture->archive().isEmpty());
}

void TestFrmCaniPrinting::stampa_cardWithoutPhoto_printsThePlaceholderShown()
{
    printThrough("btnStampa");

    QCOMPARE(printing().printed.size(), std::size_t(1));
    QCOMPARE(picturesOf(printing().printed.front()), std::vector<QImage> { PhotoBox::placeholder() });
}

void TestFrmCaniPrinting::annulla_printsNothing()
{
    printThrough("btnAnnulla");

    QVERIFY(printing().printed.empty());
    QVERIFY(m_fixture->doubles.messages.shown.isEmpty());
}

ZAMPORA_GUI_TEST_MAIN(TestFrmCaniPrinting)
#include "tst_frmcani_printing.moc"
