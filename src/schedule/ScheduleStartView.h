#pragma once

class PictureButton;
class QCalendarWidget;
class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;
class QWidget;

// The controls of the schedule's start view, built once on its panel
// (`panAvvio`): the year box with "Apri", the imminent-deadline notice with its
// two pictures and "OK", under it the health booklets' due entries by line
// (shown only when there are some), the calendar with the day, month and
// health-deadline buttons, help and exit. The behaviour lives in frmScadenzario.
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
    QWidget *panSanitarie;
    QListView *lstSanitarie;
    QStringListModel *healthLines; // the lines lstSanitarie shows
};
