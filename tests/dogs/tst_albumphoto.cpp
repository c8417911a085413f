#include "AppFixture.h"

#include "dogs/AlbumPhoto.h"
#include "dogs/PhotoActions.h"
#include "dogs/PhotoBox.h"

#include <QBuffer>
#include <QDir>


namespace {

// A picture with some detail, so that a codec that failed would not pass unnoticed.
QImage samplePicture(QSize size = { 400, 300 })
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(QColor(200, 120, 40));
    for (int x = 0; x < size.width(); x += 20)
        for (int y = 0; y < size.height(); ++y)
            picture.setPixel(x, y, qRgb(20, 40, 160));
    return picture;
}

QByteArray encoded(const QImage &picture, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, format);
    return bytes;
}

} // namespace

class tst_AlbumPhoto : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestContext>();
        m_box = std::make_unique<PhotoBox>(QStringLiteral("imgFoto"));
        m_box->resize(306, 353);
        m_box->setPicture(samplePicture());
    }

    void cleanup()
    {
        m_box.reset();
        m_test.reset();
    }

    void placeholderIsTheBuiltInArtwork()
    {
        for (const char *artwork : { "placeholder", "title", "delete" })
            QVERIFY2(QFile::exists(QStringLiteral(":/dogs/photo/%1.svg").arg(QLatin1StringView(artwork))),
                artwork);
        const QImage placeholder = PhotoBox::placeholder();
        QCOMPARE(placeholder.size(), QSize(306, 353));
        QVERIFY(placeholder.pixel(160, 222) != placeholder.pixel(20, 20)); // the artwork was drawn
    }

    // The picture is shown fitted to the box while the full picture is kept.
    void boxShowsTheWholePictureFitted()
    {
        QVERIFY(!m_box->showsPlaceholder());
        QCOMPARE(m_box->picture().size(), QSize(400, 300));
        QCOMPARE(m_box->pixmap().size(), QSize(306, 229));
    }

    void albumPhotoRoundTrip()
    {
        actions().storeAlbumPhoto(QStringLiteral("3"));
        QVERIFY(m_test->readFile(QStringLiteral("Album/Cane_3.jpg")).startsWith("\xFF\xD8"));

        PhotoBox other(QStringLiteral("imgFoto"));
        PhotoActions(m_test->context(), nullptr, &other).showAlbumPhoto(QStringLiteral(" 3 "));
        QVERIFY(!other.showsPlaceholder());
        QCOMPARE(other.picture().size(), QSize(400, 300));
        QVERIFY(m_test->doubles.messages.shown.isEmpty());
    }

    void placeholderIsStoredLikeAnyPhoto()
    {
        actions().clear();
        actions().storeAlbumPhoto(QStringLiteral("5"));
        QCOMPARE(AlbumPhoto::load(m_test->context().folder, QStringLiteral("5")).size(), QSize(306, 353));
    }

    void unusableAlbumPhoto_showsPlaceholder_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("present");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("garbage") << QByteArray("\xFF\xD8 not really a picture", 24) << true;
        QTest::newRow("truncated") << encoded(samplePicture(), "JPG").left(40) << true;
    }

    void unusableAlbumPhoto_showsPlaceholder()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, present);
        if (present)
            m_test->writeFile(QStringLiteral("Album/Cane_3.jpg"), bytes);
        actions().showAlbumPhoto(QStringLiteral("3"));
        QVERIFY(m_box->showsPlaceholder());
        QVERIFY(m_test->doubles.messages.shown.isEmpty());
    }

    // A file named "Album" where the folder should be: the save cannot happen.
    void albumSaveFailure_showsPlaceholderSilently()
    {
        m_test->writeFile(QStringLiteral("Album"), "not a folder");
        actions().storeAlbumPhoto(QStringLiteral("3"));
        QVERIFY(m_box->showsPlaceholder());
        QVERIFY(m_test->doubles.messages.shown.isEmpty());
        QCOMPARE(m_test->readFile(QStringLiteral("Album")), QByteArray("not a folder"));
    }

    void loadFromFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QSize>("shownSize");
        QTest::addColumn<bool>("placeholder");
        QTest::newRow("bitmap") << encoded(samplePicture({ 640, 480 }), "BMP") << QSize(640, 480) << false;
        QTest::newRow("jpeg") << encoded(samplePicture({ 50, 80 }), "JPG") << QSize(50, 80) << false;
        QTest::newRow("unreadable") << QByteArray("BM garbage") << QSize(306, 353) << true;
    }

    void loadFromFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QSize, shownSize);
        QFETCH(bool, placeholder);
        m_test->writeFile(QStringLiteral("fuori/scelta.img"), bytes);
        m_test->doubles.fileDialogs.answers.enqueue(m_test->path(QStringLiteral("fuori/scelta.img")));
        actions().loadFromFile();
        const auto asked = m_test->doubles.fileDialogs.asked;
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].title, QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
        QCOMPARE(asked[0].filters, QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
        QCOMPARE(m_box->picture().size(), shownSize);
        QCOMPARE(m_box->showsPlaceholder(), placeholder);
    }

    void loadFromFileCancelled_keepsThePicture()
    {
        actions().loadFromFile();
        QVERIFY(!m_box->showsPlaceholder());
        QCOMPARE(m_box->picture().size(), QSize(400, 300));
    }

    void saveToFile()
    {
        m_test->doubles.fileDialogs.answers.enqueue(m_test->path(QStringLiteral("Foto.jpg")));
        actions().saveToFile();
        const FileDialogs::SaveRequest request = m_test->doubles.fileDialogs.asked.value(0).save;
        QCOMPARE(request.title,
            QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
        QCOMPARE(request.filter, QStringLiteral("File Jpeg (*.jpg)"));
        QCOMPARE(request.proposedName, QStringLiteral("Foto.jpg"));
        QCOMPARE(request.defaultSuffix, QStringLiteral("jpg"));
        QVERIFY(request.confirmOverwrite);
        QCOMPARE(AlbumPhoto::readPicture(m_test->path(QStringLiteral("Foto.jpg"))).size(), QSize(400, 300));
        QVERIFY(!m_box->showsPlaceholder());
    }

    void saveToFileFailure_showsPlaceholder()
    {
        m_test->doubles.fileDialogs.answers.enqueue(m_test->path(QStringLiteral("manca/Foto.jpg")));
        actions().saveToFile();
        QVERIFY(m_box->showsPlaceholder());
        QVERIFY(m_test->doubles.messages.shown.isEmpty());
    }

    // Removing the photo only changes the box; the album photo stays until the next save.
    void clear_keepsTheAlbumPhoto()
    {
        actions().storeAlbumPhoto(QStringLiteral("3"));
        const QByteArray stored = m_test->readFile(QStringLiteral("Album/Cane_3.jpg"));
        actions().clear();
        QVERIFY(m_box->showsPlaceholder());
        QCOMPARE(m_test->readFile(QStringLiteral("Album/Cane_3.jpg")), stored);
    }

    void zoomShowsThePictureModally()
    {
        QSize zoomed;
        QString name;
        whenModalShown([&](QWidget *window) {
            name = window->objectName();
            zoomed = window->findChild<PhotoBox *>(QStringLiteral("imgFoto"))->picture().size();
            window->close();
        });
        actions().zoom();
        QCOMPARE(name, QStringLiteral("frmZoom"));
        QCOMPARE(zoomed, QSize(400, 300));
    }

private:
    PhotoActions actions() { return PhotoActions(m_test->context(), nullptr, m_box.get()); }

    std::unique_ptr<TestContext> m_test;
    std::unique_ptr<PhotoBox> m_box;
};

ZAMPORA_GUI_TEST_MAIN(tst_AlbumPhoto)
#include "tst_albumphoto.moc"
