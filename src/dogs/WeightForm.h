#pragma once

class GradientWidget;
class PictureButton;
class QChartView;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QWidget;

// The widgets of the weight log window, built once on it: the title, the
// table of weighings beside the weight chart (with the hint an empty log
// shows over it), the boxes of one weighing, and the buttons. The behaviour
// lives in frmPesoCane.
class WeightForm
{
public:
    explicit WeightForm(QWidget *window);

    GradientWidget *panContainer;
    QLabel *lblTitolo;
    QTableView *tblPesate;
    QChartView *grafPeso;
    QLabel *lblGraficoVuoto;

    QLineEdit *txtData;
    PictureButton *impData;
    QLineEdit *txtPeso;
    QLineEdit *txtNote;

    QPushButton *btnAggiungi;
    QPushButton *btnModifica;
    QPushButton *btnElimina;
    QPushButton *cmdStampa;
    QPushButton *cmdPdf;
    QPushButton *cmdGuida;
    QPushButton *btnChiudi;
};
