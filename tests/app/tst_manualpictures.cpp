// The windows the manual shows, opened on its sample folder as the build
// opens them for the pictures: each shows what its chapter explains, never
// an empty list or the photo's placeholder.
#include "AppFixture.h"

#include "app/delivered/ManualFigures.h"
#include "app/delivered/ManualPictures.h"
#include "app/delivered/SampleFolder.h"
#include "dogs/PhotoBox.h"

#include <QAbstractItemView>
#include <QTableView>
#include <QTest>

class tst_ManualPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_sample = std::make_unique<TestContext>();
        m_sample->doubles.clock.current = SampleFolder::sampleNow();
        m_sample->doubles.screen.current = QSize(1366, 768);
        QVERIFY(SampleFolder::fill(m_sample->path(QString())));
    }

    // Every list the pictures show has lines in it.
    void noFigureShowsAnEmptyList_data()
    {
        QTest::addColumn<int>("figure");
        const QList<ManualFigure> figures = manualFigures();
        for (int i = 0; i < figures.size(); ++i)
            QTest::newRow(qPrintable(figures[i].caption)) << i;
    }
    void noFigureShowsAnEmptyList()
    {
        QFETCH(int, figure);
        QStringList empty;
        look(manualFigures()[figure], [&](QWidget *window) {
            for (const QAbstractItemView *view : window->findChildren<QAbstractItemView *>())
                if (view->isVisible() && view->model()->rowCount() == 0)
                    empty << view->objectName();
        });
        QVERIFY2(empty.isEmpty(), qPrintable(empty.join(u',')));
    }

    // The zoom is handed the card's picture, whichever it is: only the
    // picture tells the photo from the placeholder.
    void zoomShowsThePhoto()
    {
        QImage shown;
        look(figureCaptioned("La foto del cane ingrandita."),
            [&](QWidget *window) { shown = child<PhotoBox>(window, "imgFoto")->picture(); });
        QVERIFY(!shown.isNull());
        QVERIFY(shown != PhotoBox::placeholder());
    }

    // The log shown is a puppy's, weighed often: every weighing after the
    // first tells the growth a day.
    void weightLogShowsTheGrowth()
    {
        int weighings = 0;
        QStringList growth;
        look(figureCaptioned("Il registro delle pesate con il grafico del peso."), [&](QWidget *window) {
            const QAbstractItemModel *table = child<QTableView>(window, "tblPesate")->model();
            weighings = table->rowCount();
            for (int column = 0; column < table->columnCount(); ++column)
                if (table->headerData(column, Qt::Horizontal).toString() == QStringLiteral("Crescita (g/giorno)"))
                    for (int row = 0; row < weighings; ++row)
                        if (const QString text = table->index(row, column).data().toString(); !text.isEmpty())
                            growth << text;
        });
        QVERIFY(weighings > 4);
        QCOMPARE(growth.size(), weighings - 1);
    }

    // The booklet shown is the puppy's: its three vaccinations, of which
    // only the last is still due, and a worming overdue.
    void healthBookletShowsTheSeries()
    {
        QStringList states;
        look(figureCaptioned("Il libretto sanitario di una cucciola, con le vaccinazioni della serie."),
            [&](QWidget *window) {
                const QAbstractItemModel *table = child<QTableView>(window, "tblSalute")->model();
                for (int row = 0; row < table->rowCount(); ++row)
                    states << table->index(row, 1).data().toString() + u' ' + table->index(row, 7).data().toString();
            });
        QCOMPARE(states,
            (QStringList { QStringLiteral("Vaccinazione "), QStringLiteral("Vaccinazione "),
                QStringLiteral("Sverminazione scaduto"), QStringLiteral("Vaccinazione in scadenza") }));
    }

private:
    static ManualFigure figureCaptioned(const char *caption)
    {
        for (const ManualFigure &figure : manualFigures())
            if (figure.caption == QLatin1StringView(caption))
                return figure;
        qFatal("no figure captioned %s", caption);
    }

    void look(const ManualFigure &figure, const ManualPictures::Look &look)
    {
        Application application(m_sample->context());
        QString error;
        QVERIFY2(ManualPictures::open(application, figure, look, error), qPrintable(error));
    }

    std::unique_ptr<TestContext> m_sample;
};

ZAMPORA_GUI_TEST_MAIN(tst_ManualPictures)
#include "tst_manualpictures.moc"
