#pragma once

class GradientWidget;
class LineList;
class PictureButton;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The widgets of the costs window, built once on it: the list view
// (`panContainer`: title, find band, cost list, total and its buttons) and the
// entry view (`panCosti`: the five boxes of a cost, Save and Close), both the
// window's full size at the same place; the window takes its size from them.
// The behaviour lives in frmCostiCane.
class CostsForm
{
public:
    explicit CostsForm(QWidget *window);

    // List view
    GradientWidget *panContainer;
    QLabel *lblTitolo;
    QLineEdit *txtTrova;
    QPushButton *btnTrova;
    LineList *lstRecords;
    QLabel *lblTotale;
    QPushButton *btnChiudi;
    QPushButton *btnAggiungi;
    QPushButton *btnModifica;
    QPushButton *btnStampa;

    // Entry view
    GradientWidget *panCosti;
    QLineEdit *txtData;
    PictureButton *impData;
    QLineEdit *txtCausale;
    QLineEdit *txtPagatore;
    QLineEdit *txtBeneficiario;
    QLineEdit *txtImporto;
    QPushButton *btnSalva;
    QPushButton *cmdClose;
    // Hidden, for show only: the full path of the dog's cost file, and the
    // position there of the cost the entry stands for, blank for a new one.
    QLabel *lblFile;
    QLabel *lblPosizione;

private:
    void buildListView(QWidget *window);
    void buildEntryView(QWidget *window);
};
