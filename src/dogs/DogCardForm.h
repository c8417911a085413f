#pragma once

#include <QList>

#include <array>
#include <initializer_list>

class GradientWidget;
class PhotoBox;
class PictureButton;
class QLabel;
class QLineEdit;
class QPushButton;
class QString;
class QWidget;

/// The path of the dog card's artwork of that name.
QString dogArtwork(const char *name);
/// Boxes of dates and other short values.
inline constexpr int dateWidth = 130;

// The widgets of the dog card, built once on its window: the tool strip with
// the position label and the hidden attachment labels, the card head, the
// four sections and the status strip. Every control is named as the archive's
// field it shows ("txt" + field name, "lbl" + field name for the attachments);
// the behaviour lives in frmCani.
class DogCardForm
{
public:
    // One of the four sections: the button that shows it, its panel, its text
    // boxes in record order and the element that gets the focus when shown.
    struct Section
    {
        QPushButton *button = nullptr;
        QWidget *panel = nullptr;
        QList<QLineEdit *> boxes;
        QWidget *first = nullptr;
    };
    enum SectionIndex { Psicosomatica, Albero, Sanitaria, Documenti };

    explicit DogCardForm(QWidget *window);

    /// Fills the window with the background and centres the card in it.
    void fitTo(QWidget *window);

    QLabel *lblPosizione;
    QLabel *panInfo;
    PhotoBox *imgFoto;
    QList<QLineEdit *> headBoxes;
    std::array<Section, 4> sections;

    PictureButton *cmdNuovo;
    PictureButton *cmdDuplica;
    PictureButton *cmdSalva;
    PictureButton *cmdTrova;
    PictureButton *cmdPrimo;
    PictureButton *cmdIndietro;
    PictureButton *cmdAvanti;
    PictureButton *cmdUltimo;
    PictureButton *cmdEsci;
    PictureButton *cmdFile;
    PictureButton *cmdGuida;
    PictureButton *cmdAnteprima;
    PictureButton *cmdEsporta;
    PictureButton *cmdStampa;
    PictureButton *btnCodFisc;
    PictureButton *btnCarta; // imports the owner's data
    PictureButton *btnPeso;
    PictureButton *btnCaricaFoto;
    PictureButton *btnSalvaFoto;
    PictureButton *btnCancFoto;
    PictureButton *btnZoomFoto;
    QPushButton *btnCartella;
    QPushButton *btnCosti;
    QPushButton *btnSalute;
    QPushButton *btnPedigree;

private:
    /// Registers a surface on which the mouse empties the status strip.
    QWidget *background(QWidget *surface);
    QWidget *toolGroup(QWidget *parent, std::initializer_list<QWidget *> members);
    QWidget *buildToolStrip(QWidget *parent);
    QWidget *buildHead(QWidget *parent);
    QWidget *buildSectionButtons(QWidget *parent);
    // DogCardSections.cpp
    void buildSections(QWidget *cardArea);
    QWidget *buildPsicosomatica(QWidget *parent);
    QWidget *buildAlbero(QWidget *parent);
    QWidget *buildSanitaria(QWidget *parent);
    QWidget *buildDocumenti(QWidget *parent);
    void describeControls(QWidget *window);

    GradientWidget *m_background;
    QWidget *m_container;
    QList<QWidget *> m_backgrounds;
};
