// The schedule's spreadsheet export: the year open in the card view.

#include "tst_frmscadenzario_fixture.h"

#include <QTableView>

using namespace Qt::Literals::StringLiterals;

class tst_FrmScadenzarioExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportsTheOpenYear()
    {
        ScheduleFixture f([](ScheduleFixture &f) {
            f.writeYear(2025,
                { ScheduleFixture::deadline(u"05/03/2025"_s, u"3"_s, u"Fido"_s),
                    ScheduleFixture::deadline(u"10/04/2025"_s, u"0"_s, u"Lilli"_s) });
            f.writeYear(2024, { ScheduleFixture::deadline(u"01/01/2024"_s, u"0"_s) });
        });
        f.openYear(u"2025"_s);
        QStringList rows;
        whenModalShown([&](QWidget *window) {
            QCOMPARE(window->objectName(), u"frmExpScadenzario"_s);
            QCOMPARE(window->parentWidget(), f.window());
            const QAbstractItemModel *grid = child<QTableView>(window, "grdArchivio")->model();
            for (int row = 0; row < grid->rowCount(); ++row)
                rows << grid->index(row, 1).data().toString() + u' ' + grid->index(row, 6).data().toString();
            click(child(window, "cmdEsci"));
        });
        click(child(f.window(), "cmdEsporta"));
        QCOMPARE(rows, (QStringList { u"05/03/2025 Fido"_s, u"10/04/2025 Lilli"_s }));
    }
};

ZAMPORA_GUI_TEST_MAIN(tst_FrmScadenzarioExport)
#include "tst_frmscadenzario_export.moc"
