#pragma once

#include <QList>

class GradientWidget;
class PictureButton;
class ProvinceBox;
class QCheckBox;
class QLabel;
class QString;
class QWidget;

// The widgets of the owner card, built once on its window: five sections of
// captioned boxes with their pictures, the column of picture buttons, the
// status line and the navigation strip. Every control is named as the owner
// record field it shows ("txt", "chk" or "lbl" + field name); the behaviour
// lives in frmClienti.
class OwnerCardForm
{
public:
    explicit OwnerCardForm(QWidget *window);

    /// Fills the window with the background and centres the panel in it.
    void fitTo(QWidget *window);

    QCheckBox *chkRicontatta;
    ProvinceBox *txtProvNasc;
    ProvinceBox *txtProvRes;
    QLabel *lblPosizione;
    QLabel *panInfo;

    PictureButton *cmdNuovo;
    PictureButton *cmdDuplica;
    PictureButton *cmdFile;
    PictureButton *cmdSalva;
    PictureButton *cmdTrova;
    PictureButton *cmdAnteprima;
    PictureButton *cmdStampa;
    PictureButton *cmdPDF;
    PictureButton *cmdRicontatta;
    PictureButton *cmdEsporta;
    PictureButton *cmdGuida;
    PictureButton *cmdEsci;
    PictureButton *cmdPrimo;
    PictureButton *cmdIndietro;
    PictureButton *cmdAvanti;
    PictureButton *cmdUltimo;
    PictureButton *btnEmail;
    PictureButton *btnCodFisc;
    PictureButton *btnCarta;
    PictureButton *btnPartitaIva;
    PictureButton *btnIban;

private:
    /// Registers a surface on which the mouse empties the status line.
    QWidget *background(QWidget *surface);
    QWidget *section(const char *objectName, const char *artwork, int height, QWidget *parent);
    void buildSections(QWidget *parent);
    QWidget *buildButtonColumn(QWidget *parent);
    QWidget *buildNavigation(QWidget *parent);
    void describeControls(QWidget *window);

    GradientWidget *m_background;
    QWidget *m_panel;
    QList<QWidget *> m_backgrounds;
};
