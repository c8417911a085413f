#pragma once

class PictureButton;
class QCalendarWidget;
class QLineEdit;
class QPushButton;
class QWidget;

// The controls of the schedule's start view, built once on its panel
// (`panAvvio`): the year box with "Apri", the imminent-deadline notice with its
// two pictures and "OK", the calendar with the day and month buttons, the
// health booklets' due dates, help and exit. The behaviour lives in frmScadenzario.
class ScheduleStartView
{
public:
    explicit ScheduleStartView(QWidget *panel);

    QLineEdit *txtAnno;
    QPushButton *btnApri;
    QPushButton *btnOK;
    QCalendarWidget *calAppuntamenti;
    PictureButton *btnGiorno;
    PictureButton *btnMese;
    PictureButton *btnSanitarie;
    PictureButton *imgGuida;
    PictureButton *imgEsci;
    QWidget *imgPresenti;
    QWidget *imgAssenti;
};
