#pragma once

#include "storage/ScheduleRecord.h"

#include <QList>

#include <array>

class ListSelector;
class PictureButton;
class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

// The controls of the schedule's card view, built once on its panel
// (`panContainer`): the blocks of the entry, the column of commands, the
// arrows with the position label and the status line, with the yellow focus
// rectangles, the Enter ring and the Tab order. Every entry control is named
// after the record field it shows ("txt", "lbl" or "chk" + field name); the
// behaviour lives in frmScadenzario.
class ScheduleCardView
{
public:
    explicit ScheduleCardView(QWidget *view);

    /// The control that shows each record field, in record order.
    std::array<QWidget *, ScheduleRecord::FieldCount> fields {};
    /// Day, month, hour and minutes.
    std::array<ListSelector *, 4> selectors {};

    QLabel *lblFile; // hidden: shows the open year file's path
    QLabel *lblPosizione;
    QLabel *panInfo;
    QLineEdit *txtCodFisc;
    QLineEdit *txtCosto;
    QCheckBox *chkDaConfermare;
    QCheckBox *chkEffettuata;

    PictureButton *cmdNuovo;
    PictureButton *cmdDuplica;
    PictureButton *cmdImporta;
    PictureButton *cmdSalva;
    PictureButton *cmdTrova;
    PictureButton *cmdStampa;
    PictureButton *cmdEsporta;
    PictureButton *cmdDaConfermare;
    PictureButton *cmdDaEffettuare;
    PictureButton *cmdEffettuate;
    PictureButton *cmdGuida;
    PictureButton *cmdEsci;
    PictureButton *cmdCalendario;
    PictureButton *cmdPrimo;
    PictureButton *cmdIndietro;
    PictureButton *cmdAvanti;
    PictureButton *cmdUltimo;
    PictureButton *btnCodFisc;

private:
    QWidget *block(const char *objectName, const char *icon, int top, int height, QWidget *view);
    QLineEdit *box(ScheduleRecord::Field field, QWidget *parent);
    void buildDateBlock(QWidget *view);
    void buildNoticeBlock(QWidget *view);
    void buildOwnerBlock(QWidget *view);
    void buildDogBlock(QWidget *view);
    void buildAppointmentBlock(QWidget *view);
    void buildNotesBlock(QWidget *view);
    void buildCommands(QWidget *view);
    void buildStatusAndArrows(QWidget *view);
    void setUpKeys(QWidget *view);
    void describeControls(QWidget *view);

    QList<QWidget *> m_backgrounds;
};
