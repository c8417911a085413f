// What the owner card hands to the export windows.

#include "tst_frmclienti_fixture.h"

#include <QTableView>

using namespace Qt::Literals::StringLiterals;

class tst_FrmClientiExports : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The spreadsheet export lists the whole archive, whatever card is shown.
    void exportsTheArchive()
    {
        OwnerCardFixture f;
        f.writeArchive({ u"ROSSI MARIO"_s, u"BIANCHI ANNA"_s });
        QStringList names;
        whenModalShown([&](QWidget *window) {
            QCOMPARE(window->objectName(), u"frmExpClienti"_s);
            QCOMPARE(window->parentWidget(), f.card());
            const QAbstractItemModel *grid = child<QTableView>(window, "grdArchivio")->model();
            for (int row = 0; row < grid->rowCount(); ++row)
                names << grid->index(row, 1).data().toString();
            click(child(window, "cmdEsci"));
        });
        click(child(f.card(), "cmdEsporta"));
        QCOMPARE(names, (QStringList { u"ROSSI MARIO"_s, u"BIANCHI ANNA"_s }));
    }
};

ZAMPORA_GUI_TEST_MAIN(tst_FrmClientiExports)
#include "tst_frmclienti_exports.moc"
