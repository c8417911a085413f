#include "AppFixture.h"

#include "dogs/PhotoBox.h"
#include "dogs/frmZoom.h"


class tst_frmZoom : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestContext>();
    }

    void cleanup()
    {
        m_test.reset();
    }

    void opensMaximisedWithItsCaption()
    {
        frmZoom zoom(m_test->context(), nullptr, QImage(10, 10, QImage::Format_RGB32));
        zoom.show();
        QCOMPARE(zoom.windowTitle(), QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
        QVERIFY(zoom.windowState() & Qt::WindowMaximized);
    }

    void photoFillsTheScreenLessTheFrame_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QSize>("photo");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("small photo enlarged") << QSize(1920, 1080) << QSize(200, 100) << QSize(1860, 930);
        QTest::newRow("tall photo") << QSize(1920, 1080) << QSize(300, 600) << QSize(495, 990);
        QTest::newRow("large photo reduced") << QSize(1920, 1080) << QSize(4000, 1000) << QSize(1860, 465);
        QTest::newRow("small screen") << QSize(1024, 768) << QSize(306, 353) << QSize(587, 678);
    }

    void photoFillsTheScreenLessTheFrame()
    {
        QFETCH(QSize, screen);
        QFETCH(QSize, photo);
        QFETCH(QSize, shown);
        m_test->doubles.screen.current = screen;
        QImage picture(photo, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        frmZoom zoom(m_test->context(), nullptr, picture);
        zoom.show();
        const QSize area = screen - QSize(60, 90);
        QCOMPARE(child(&zoom, "panFoto")->size(), area);
        auto *imgFoto = child<PhotoBox>(&zoom, "imgFoto");
        QCOMPARE(imgFoto->size(), area);
        QCOMPARE(imgFoto->picture().size(), photo);
        QCOMPARE(imgFoto->pixmap().deviceIndependentSize().toSize(), shown);
    }

    void panelIsCentred()
    {
        frmZoom zoom(m_test->context(), nullptr, QImage(10, 10, QImage::Format_RGB32));
        zoom.show();
        const QSize area(1860, 990);
        const QPoint centred((zoom.width() - area.width()) / 2, (zoom.height() - area.height()) / 2);
        QCOMPARE(child(&zoom, "panFoto")->geometry(), QRect(centred, area));
    }

    void clickCloses_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("photo") << QStringLiteral("imgFoto");
        QTest::newRow("panel") << QStringLiteral("panFoto");
    }

    void clickCloses()
    {
        QFETCH(QString, target);
        bool closed = false;
        whenModalShown([&](QWidget *window) {
            click(child(window, target.toLatin1().constData()));
            closed = !window->isVisible();
            if (!closed)
                window->close();
        });
        frmZoom(m_test->context(), nullptr, QImage(10, 10, QImage::Format_RGB32)).exec();
        QVERIFY(closed);
    }

private:
    std::unique_ptr<TestContext> m_test;
};

ZAMPORA_GUI_TEST_MAIN(tst_frmZoom)
#include "tst_frmzoom.moc"
