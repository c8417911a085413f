#include "schedule/ScheduleStartView.h"

#include "schedule/ScheduleParts.h"
#include "ui/AllowedCharacters.h"
#include "ui/EnterKeyRing.h"
#include "ui/PictureButton.h"
#include "ui/Theme.h"

#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QStringListModel>
#include <QPushButton>

using namespace ScheduleParts;

namespace {


// A grey-blue panel under a band with its white caption, and a line of
// instructions.
QWidget *captionedPanel(const char *objectName, const char *title, const char *instructions, QRect geometry,
                        QWidget *parent)
{
    QWidget *surface = panel(objectName, Theme::colour(Theme::Colour::ChoicePanel), geometry, parent);
    auto *band = new QLabel(QString::fromUtf8(title), surface);
    band->setWordWrap(true);
    band->setFont(Theme::font(Theme::Font::Hint));
    band->setStyleSheet(QStringLiteral("color: white; background: %1; border-top-left-radius: 6px;"
                                       " border-top-right-radius: 6px; padding: 0 10px;")
                            .arg(Theme::css(Theme::Colour::PanelBand)));
    band->setGeometry(0, 0, geometry.width(), 44);
    QLabel *text = caption(QString::fromUtf8(instructions), surface);
    text->setGeometry(16, 52, geometry.width() - 32, 22);
    return surface;
}

} // namespace

ScheduleStartView::ScheduleStartView(QWidget *view)
{
    picture("imgTitolo", "titolo", { 16, 10, 963, 78 }, view);
    picture("imgIstruzioni", "istruzioni", { 16, 100, 300, 86 }, view);

    QWidget *calendarPanel = panel("panCalendario", Theme::colour(Theme::Colour::ChoicePanel), { 16, 194, 300, 270 }, view);
    calAppuntamenti = new QCalendarWidget(calendarPanel);
    calAppuntamenti->setObjectName(QStringLiteral("calAppuntamenti"));
    calAppuntamenti->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    calAppuntamenti->setFirstDayOfWeek(Qt::Monday);
    calAppuntamenti->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    calAppuntamenti->setGeometry(8, 8, 284, 254);

    btnGiorno = pictureButton("btnGiorno", "btnGiorno", "Scadenze del giorno", view);
    btnGiorno->move(16, 474);
    btnMese = pictureButton("btnMese", "btnMese", "Scadenze del mese", view);
    btnMese->move(16, 524);
    btnSanitarie = pictureButton("btnSanitarie", "btnSanitarie", "Scadenze sanitarie", view);
    btnSanitarie->move(16, 574);

    picture("imgDecorazione", "decorazione", { 332, 100, 240, 460 }, view);

    QWidget *yearPanel = captionedPanel("panAnno",
        "Accedi all'archivio annuale per inserire o modificare le scadenze.",
        "Indicare l'anno solare e premere Apri.", { 590, 100, 389, 170 }, view);
    txtAnno = new QLineEdit(yearPanel);
    txtAnno->setObjectName(QStringLiteral("txtAnno"));
    txtAnno->setMaxLength(4);
    // Only digits can be typed or pasted: the year names a file.
    AllowedCharacters::install(txtAnno, AllowedCharacters::digits);
    txtAnno->setAlignment(Qt::AlignCenter);
    txtAnno->setFont(Theme::font(Theme::Font::YearChoice));
    txtAnno->setGeometry(16, 86, 140, 50);
    btnApri = captionedButton("btnApri", "Apri", yearPanel);
    btnApri->setGeometry(176, 92, 110, 38);

    QWidget *imminentPanel = captionedPanel("panImminenti", "Visualizza le scadenze imminenti.",
        "Premere OK per ottenere l'elenco delle scadenze.", { 590, 282, 389, 130 }, view);
    btnOK = captionedButton("btnOK", "OK", imminentPanel);
    btnOK->setGeometry(16, 82, 110, 36);

    QWidget *frame = panel("panNotifica", Qt::white, { 590, 424, 389, 146 }, view, Theme::colour(Theme::Colour::BoxBorder));
    imgPresenti = picture("imgPresenti", "presenti", { 3, 3, 383, 140 }, frame);
    imgAssenti = picture("imgAssenti", "assenti", { 3, 3, 383, 140 }, frame);
    imgPresenti->hide();

    // Between the decoration's foot and the help and exit buttons.
    panSanitarie = panel(
        "panSanitarie", Qt::white, { 332, 578, 598, 106 }, view, Theme::colour(Theme::Colour::BoxBorder));
    QLabel *healthCaption = caption(QStringLiteral("Scadenze del libretto sanitario:"), panSanitarie);
    healthCaption->setGeometry(10, 4, 578, 22);
    // A view over the lines: a kennel may have hundreds due at once.
    lstSanitarie = new QListView(panSanitarie);
    lstSanitarie->setObjectName(QStringLiteral("lstSanitarie"));
    healthLines = new QStringListModel(lstSanitarie);
    lstSanitarie->setModel(healthLines);
    lstSanitarie->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstSanitarie->setFrameShape(QFrame::NoFrame);
    lstSanitarie->setFocusPolicy(Qt::NoFocus);
    lstSanitarie->setSelectionMode(QAbstractItemView::NoSelection);
    lstSanitarie->setGeometry(6, 28, 586, 74);
    panSanitarie->hide();

    imgGuida = pictureButton("imgGuida", "guida", "Guida", view);
    imgGuida->move(16, 644);
    imgEsci = pictureButton("imgEsci", "esci", "Esci", view);
    imgEsci->move(947, 644);

    QWidget::setTabOrder(txtAnno, btnApri);
    QWidget::setTabOrder(btnApri, btnOK);
    QWidget::setTabOrder(btnOK, calAppuntamenti);
    // Enter in the year box goes to "Apri" without pressing it; Enter on a
    // button presses it.
    auto *ring = new EnterKeyRing(view);
    ring->chain({ txtAnno, btnApri });
    ring->pressOnEnter(btnOK);
}
