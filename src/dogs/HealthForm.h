#pragma once

#include <array>

class GradientWidget;
class PictureButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QWidget;

// The widgets of the health booklet window, built once on it: the title, the
// table of entries beside the card's own health notes (read only, for
// reference), the boxes of one entry, and the buttons. The behaviour lives
// in frmSaluteCane.
class HealthForm
{
public:
    explicit HealthForm(QWidget *window);

    GradientWidget *panContainer;
    QLabel *lblTitolo;
    QTableView *tblSalute;
    /// The card's notes, one label a field, in the order of the card's
    /// health section (Vaccinazioni to Profilassi).
    std::array<QLabel *, 7> cardNotes;

    QLineEdit *txtData;
    PictureButton *impData;
    QComboBox *txtTipo; // the kinds only
    QComboBox *txtCosa; // the usual vaccines, or any text
    QLineEdit *txtLotto;
    QLineEdit *txtVeterinario;
    QLineEdit *txtEsito;
    QLineEdit *txtNote;
    QLineEdit *txtScadenza;
    QLineEdit *txtPreavviso;
    QLabel *lblCane; // hidden: the dog's position, which every entry carries

    QPushButton *btnAggiungi;
    QPushButton *btnModifica;
    QPushButton *btnElimina;
    QPushButton *btnRichiamo;
    QPushButton *cmdStampa;
    QPushButton *cmdPdf;
    QPushButton *cmdGuida;
    QPushButton *btnChiudi;
};
