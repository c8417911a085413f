#include "schedule/ScheduleCardView.h"

#include "schedule/ListSelector.h"
#include "schedule/ScheduleParts.h"
#include "ui/AllowedCharacters.h"
#include "ui/EnterKeyRing.h"
#include "ui/FocusRectangles.h"
#include "ui/PictureButton.h"
#include "ui/StatusHints.h"
#include "ui/Theme.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace ScheduleParts;
using Field = ScheduleRecord::Field;

namespace {

constexpr int left = 8;
constexpr int blockWidth = 777;
constexpr int contentLeft = 72; // right of the white icon square
constexpr int boxHeight = 26;

// The one-line description of each control, shown in the status line while
// the mouse is over it.
// The picture buttons' words are given where they are made.
constexpr StatusHints::Description statusTexts[] = {
    { "cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda." },
    { "cmdDuplica", "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti." },
    { "cmdImporta", "Importa i dati dall'archivio anagrafico dei cani." },
    { "cmdSalva", "Salva la scheda corrente in archivio." },
    { "cmdTrova", "Trova una scheda in archivio." },
    { "cmdStampa", "Stampa la scheda corrente." },
    { "cmdEsporta", "Esporta le schede in archivio in un file di Microsoft Excel." },
    { "cmdDaConfermare", "Visualizza l'elenco degli appuntamenti in attesa di conferma." },
    { "cmdDaEffettuare", "Visualizza il riepilogo dei pagamenti da effettuare, sia scaduti che non." },
    { "cmdEffettuate", "Visualizza il riepilogo storico dei pagamenti effettuati." },
    { "cmdGuida", "Visualizza la pagina della guida sensibile al contesto." },
    { "cmdEsci", "Esci da questa schermata di lavoro." },
    { "cmdPrimo", "Visualizza la prima scheda in archivio." },
    { "cmdIndietro", "Visualizza la scheda precedente in archivio." },
    { "cmdAvanti", "Visualizza la scheda successiva in archivio." },
    { "cmdUltimo", "Visualizza l'ultima scheda in archivio." },
    { "cmdCalendario", "Esporta le scadenze dell'anno in un calendario per il telefono o il computer." },
    { "btnCodFisc", "Controlla il codice fiscale." },
    { "chkDaConfermare", "Spunta questa casella per annotare che l'appuntamento è in attesa di conferma." },
    { "chkEffettuata", "Spunta questa casella per annotare che il pagamento è stata effettuato." },
};

// The column of commands, from the top: name, artwork, the words it shows.
constexpr std::array<std::array<const char *, 3>, 13> commands { {
    { "cmdNuovo", "cmd_nuovo", "Nuovo" },
    { "cmdDuplica", "cmd_duplica", "Duplica" },
    { "cmdImporta", "cmd_importa", "Importa dati" },
    { "cmdSalva", "cmd_salva", "Salva" },
    { "cmdTrova", "cmd_trova", "Trova" },
    { "cmdStampa", "cmd_stampa", "Stampa" },
    { "cmdEsporta", "cmd_esporta", "Esporta archivio" },
    { "cmdDaConfermare", "cmd_daconfermare", "Da confermare" },
    { "cmdDaEffettuare", "cmd_daeffettuare", "Da effettuare" },
    { "cmdEffettuate", "cmd_effettuate", "Effettuati" },
    { "cmdGuida", "cmd_guida", "Guida" },
    { "cmdEsci", "cmd_esci", "Esci" },
    // Under the column the program's own commands form, so that none moves.
    { "cmdCalendario", "cmd_calendario", "Calendario" },
} };

QStringList numbers(int first, int last)
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items.append(QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')));
    return items;
}

QStringList monthNames()
{
    QStringList names;
    for (const ScheduleRecord::Month &month : ScheduleRecord::months)
        names.append(month.name);
    return names;
}

QString controlName(const char *prefix, Field field)
{
    return QLatin1StringView(prefix) + ScheduleRecord::layout().field(field).name;
}

// A caption above a control, and the button beside it if it has one. The
// control stays a child of the block itself, never of a tighter container
// that would cut off its focus rectangle.
QVBoxLayout *captioned(const char *text, QWidget *control, QWidget *parent, QWidget *beside = nullptr)
{
    auto *column = new QVBoxLayout;
    column->setSpacing(1);
    column->addWidget(caption(QString::fromUtf8(text), parent));
    if (beside) {
        auto *line = new QHBoxLayout;
        line->setSpacing(4);
        line->addWidget(control);
        line->addWidget(beside);
        column->addLayout(line);
    } else {
        column->addWidget(control);
    }
    return column;
}

// A row of captioned controls with their share of the width (0: their own).
struct Cell
{
    const char *caption;
    QWidget *control;
    int stretch = 1;
    QWidget *beside = nullptr;
};

QHBoxLayout *row(std::initializer_list<Cell> cells, QWidget *parent)
{
    auto *line = new QHBoxLayout;
    line->setSpacing(14);
    for (const Cell &cell : cells)
        line->addLayout(captioned(cell.caption, cell.control, parent, cell.beside), cell.stretch);
    return line;
}

QVBoxLayout *contentColumn(QWidget *blockPanel)
{
    auto *column = new QVBoxLayout(blockPanel);
    column->setContentsMargins(contentLeft, 6, 12, 8);
    column->setSpacing(4);
    return column;
}

} // namespace

ScheduleCardView::ScheduleCardView(QWidget *view)
{
    m_backgrounds.append(view);
    buildDateBlock(view);
    buildNoticeBlock(view);
    buildOwnerBlock(view);
    buildDogBlock(view);
    buildAppointmentBlock(view);
    buildNotesBlock(view);
    buildCommands(view);
    buildStatusAndArrows(view);

    lblFile = new QLabel(view);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->hide();
    for (Field hidden : { ScheduleRecord::Data, ScheduleRecord::Ora }) {
        auto *label = new QLabel(view);
        label->setObjectName(controlName("lbl", hidden));
        label->hide();
        fields[hidden] = label;
    }
    setUpKeys(view);
    describeControls(view);
}

QWidget *ScheduleCardView::block(const char *objectName, const char *icon, int top, int height, QWidget *view)
{
    QWidget *surface = panel(objectName, Theme::colour(Theme::Colour::FieldBlock), { left, top, blockWidth, height }, view);
    QWidget *square = panel("", Qt::white, { 8, std::min(8, (height - 56) / 2), 56, 56 }, surface);
    square->setObjectName(QString::fromLatin1(objectName) + QStringLiteral("Icona"));
    square->setStyleSheet(QStringLiteral("#%1 { background: white; border-radius: 4px; }").arg(square->objectName()));
    picture("", icon, { 6, 6, 44, 44 }, square);
    m_backgrounds.append(surface);
    m_backgrounds.append(square);
    return surface;
}

QLineEdit *ScheduleCardView::box(Field field, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(controlName("txt", field));
    edit->setMaxLength(ScheduleRecord::layout().field(field).capacity);
    edit->setFont(Theme::font(Theme::Font::CompactFieldText));
    edit->setFixedHeight(boxHeight);
    fields[field] = edit;
    return edit;
}

void ScheduleCardView::buildDateBlock(QWidget *view)
{
    QWidget *surface = block("panData", "sez_data", 8, 84, view);
    const auto selector = [&](int index, Field field, const QStringList &items, int width, QWidget *parent) {
        auto *list = new ListSelector(controlName("txt", field), items,
            ScheduleRecord::layout().field(field).capacity, parent);
        list->setFont(Theme::font(Theme::Font::CompactFieldText));
        list->setFixedSize(width, boxHeight);
        selectors[index] = list;
        fields[field] = list;
        return list;
    };
    const QFont groupFont(QStringLiteral("Verdana"), 8, QFont::Bold);

    auto *date = new QGroupBox(QStringLiteral(" Data scadenza: "), surface);
    date->setObjectName(QStringLiteral("grpData"));
    date->setFont(groupFont);
    date->setGeometry(contentLeft, 4, 430, 74);
    auto *dateRow = new QHBoxLayout(date);
    dateRow->setContentsMargins(12, 14, 12, 8);
    dateRow->setSpacing(10);
    dateRow->addWidget(caption(QStringLiteral("Giorno:"), date));
    dateRow->addWidget(selector(0, ScheduleRecord::Giorno, numbers(1, 31), 66, date));
    dateRow->addWidget(caption(QStringLiteral("Mese:"), date));
    dateRow->addWidget(selector(1, ScheduleRecord::Mese, monthNames(), 150, date));
    auto *year = new QLabel(QStringLiteral("ANNO"), date);
    year->setObjectName(controlName("lbl", ScheduleRecord::Anno));
    year->setFont(Theme::font(Theme::Font::Year));
    year->setStyleSheet(QStringLiteral("color: %1;").arg(Theme::css(Theme::Colour::CaptionText)));
    year->setAlignment(Qt::AlignCenter);
    fields[ScheduleRecord::Anno] = year;
    dateRow->addWidget(year, 1);

    auto *time = new QGroupBox(QStringLiteral(" Ora appuntamento: "), surface);
    time->setObjectName(QStringLiteral("grpOra"));
    time->setFont(groupFont);
    time->setGeometry(contentLeft + 444, 4, blockWidth - contentLeft - 444 - 10, 74);
    auto *timeRow = new QHBoxLayout(time);
    timeRow->setContentsMargins(12, 14, 12, 8);
    timeRow->setSpacing(8);
    timeRow->addWidget(caption(QStringLiteral("Ore:"), time));
    timeRow->addWidget(selector(2, ScheduleRecord::OreApp, numbers(0, 23), 66, time));
    auto *colon = new QLabel(QStringLiteral(":"), time);
    colon->setFont(Theme::font(Theme::Font::Emphasis));
    timeRow->addWidget(colon);
    timeRow->addWidget(caption(QStringLiteral("Minuti:"), time));
    timeRow->addWidget(selector(3, ScheduleRecord::MinutiApp, numbers(0, 59), 66, time));
    timeRow->addStretch();
    m_backgrounds.append(date);
    m_backgrounds.append(time);
}

void ScheduleCardView::buildNoticeBlock(QWidget *view)
{
    QWidget *surface = block("panAvviso", "sez_avviso", 100, 64, view);
    auto *line = new QHBoxLayout(surface);
    line->setContentsMargins(contentLeft + 8, 0, 12, 0);
    line->setSpacing(10);
    QLabel *before = caption(QStringLiteral("Avvisa n."), surface);
    before->setFont(Theme::font(Theme::Font::Label));
    QLineEdit *notice = box(ScheduleRecord::Avviso, surface);
    notice->setAlignment(Qt::AlignCenter);
    notice->setFixedWidth(60);
    AllowedCharacters::install(notice, AllowedCharacters::digits);
    QLabel *after = caption(QStringLiteral("giorni prima della scadenza."), surface);
    after->setFont(before->font());
    line->addWidget(before);
    line->addWidget(notice);
    line->addWidget(after);
    line->addStretch();
}

void ScheduleCardView::buildOwnerBlock(QWidget *view)
{
    QWidget *surface = block("panProprietario", "sez_proprietario", 172, 72, view);
    QVBoxLayout *column = contentColumn(surface);
    txtCodFisc = box(ScheduleRecord::CodFisc, surface);
    btnCodFisc = pictureButton("btnCodFisc", "codfisc", "Controlla codice fiscale", surface);
    txtCodFisc->setFixedWidth(200);
    column->addLayout(row({ { "Proprietario:", box(ScheduleRecord::Proprietario, surface), 3 },
                              { "Codice fiscale:", txtCodFisc, 0, btnCodFisc },
                              { "Telefono preferenziale:", box(ScheduleRecord::Recapito, surface), 2 } },
        surface));
}

void ScheduleCardView::buildDogBlock(QWidget *view)
{
    QWidget *surface = block("panCane", "sez_cane", 252, 122, view);
    QVBoxLayout *column = contentColumn(surface);
    column->addLayout(row({ { "Nome cane:", box(ScheduleRecord::Nome, surface) },
                              { "Data nascita:", box(ScheduleRecord::DataNasc, surface) },
                              { "Razza:", box(ScheduleRecord::Razza, surface) } },
        surface));
    column->addLayout(row({ { "Colore mantello:", box(ScheduleRecord::Mantello, surface) },
                              { "Codice microchip:", box(ScheduleRecord::Microchip, surface) },
                              { "Segni particolari:", box(ScheduleRecord::Segni, surface) } },
        surface));
}

void ScheduleCardView::buildAppointmentBlock(QWidget *view)
{
    QWidget *surface = block("panAppuntamento", "sez_pagamento", 382, 156, view);
    QVBoxLayout *column = contentColumn(surface);
    column->addLayout(row({ { "Persona da incontrare:", box(ScheduleRecord::Persona, surface), 1 },
                              { "Causale scadenza:", box(ScheduleRecord::Dettagli, surface), 2 } },
        surface));
    txtCosto = box(ScheduleRecord::Costo, surface);
    txtCosto->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtCosto->setFixedWidth(130);
    AllowedCharacters::install(txtCosto, AllowedCharacters::amount);
    txtCosto->setText(QStringLiteral("0,00"));
    column->addLayout(row({ { "Modalità di pagamento:", box(ScheduleRecord::Officina, surface), 3 },
                              { "Importo in euro:", txtCosto, 0 },
                              { "Estremi ricevuta:", box(ScheduleRecord::Contatto, surface), 2 } },
        surface));
    chkDaConfermare = new QCheckBox(QStringLiteral("Appuntamento da confermare"), surface);
    chkDaConfermare->setObjectName(controlName("chk", ScheduleRecord::DaConfermare));
    chkDaConfermare->setFont(Theme::font(Theme::Font::Hint));
    fields[ScheduleRecord::DaConfermare] = chkDaConfermare;
    column->addWidget(chkDaConfermare);
}

void ScheduleCardView::buildNotesBlock(QWidget *view)
{
    QWidget *surface = block("panNote", "sez_note", 546, 86, view);
    auto *line = new QHBoxLayout(surface);
    line->setContentsMargins(contentLeft, 6, 12, 8);
    line->setSpacing(16);
    line->addLayout(captioned("Note:", box(ScheduleRecord::Note, surface), surface), 1);

    QWidget *strip = panel("panEffettuata", Theme::colour(Theme::Colour::DoneStrip), {}, surface);
    strip->setFixedSize(230, 40);
    auto *stripRow = new QHBoxLayout(strip);
    stripRow->setContentsMargins(12, 0, 8, 0);
    chkEffettuata = new QCheckBox(QStringLiteral("Pagamento effettuato"), strip);
    chkEffettuata->setObjectName(controlName("chk", ScheduleRecord::Effettuata));
    chkEffettuata->setFont(Theme::font(Theme::Font::Hint));
    fields[ScheduleRecord::Effettuata] = chkEffettuata;
    stripRow->addWidget(chkEffettuata);
    line->addWidget(strip, 0, Qt::AlignBottom);
    m_backgrounds.append(strip);
}

void ScheduleCardView::buildCommands(QWidget *view)
{
    QWidget *column = panel("panComandi", Qt::white, { 795, 8, 192, 622 }, view);
    m_backgrounds.append(column);
    std::array<PictureButton *, commands.size()> buttons {};
    for (size_t i = 0; i < commands.size(); ++i) {
        buttons[i] = pictureButton(commands[i][0], commands[i][1], commands[i][2], column);
        buttons[i]->move(22, 12 + int(i) * 38);
    }
    cmdNuovo = buttons[0];
    cmdDuplica = buttons[1];
    cmdImporta = buttons[2];
    cmdSalva = buttons[3];
    cmdTrova = buttons[4];
    cmdStampa = buttons[5];
    cmdEsporta = buttons[6];
    cmdDaConfermare = buttons[7];
    cmdDaEffettuare = buttons[8];
    cmdEffettuate = buttons[9];
    cmdGuida = buttons[10];
    cmdEsci = buttons[11];
    cmdCalendario = buttons[12];
    // The decorative picture keeps its proportions in the room left under the commands.
    m_backgrounds.append(picture("imgColonna", "colonna", { 41, 506, 110, 112 }, column));
}

void ScheduleCardView::buildStatusAndArrows(QWidget *view)
{
    panInfo = new QLabel(QStringLiteral("Pronto per archiviare una nuova scheda..."), view);
    panInfo->setObjectName(QStringLiteral("panInfo"));
    panInfo->setGeometry(left, 642, blockWidth, 38);
    panInfo->setFont(Theme::font(Theme::Font::CompactInformation));
    panInfo->setStyleSheet(
        Theme::informationBar(Theme::colour(Theme::Colour::InformationBar), true));

    QWidget *strip = panel("panNavigazione", Qt::white, { 795, 642, 192, 38 }, view);
    m_backgrounds.append(strip);
    cmdPrimo = pictureButton("cmdPrimo", "nav_primo", "Prima scheda", strip);
    cmdIndietro = pictureButton("cmdIndietro", "nav_indietro", "Scheda precedente", strip);
    cmdAvanti = pictureButton("cmdAvanti", "nav_avanti", "Scheda successiva", strip);
    cmdUltimo = pictureButton("cmdUltimo", "nav_ultimo", "Ultima scheda", strip);
    lblPosizione = new QLabel(strip);
    lblPosizione->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione->setAlignment(Qt::AlignCenter);
    lblPosizione->setFont(Theme::font(Theme::Font::Label));
    lblPosizione->setStyleSheet(QStringLiteral("color: %1;").arg(Theme::css(Theme::Colour::PositionText)));
    auto *line = new QHBoxLayout(strip);
    line->setContentsMargins(4, 4, 4, 4);
    line->setSpacing(3);
    line->addWidget(cmdPrimo);
    line->addWidget(cmdIndietro);
    line->addWidget(lblPosizione, 1);
    line->addWidget(cmdAvanti);
    line->addWidget(cmdUltimo);
}

void ScheduleCardView::setUpKeys(QWidget *view)
{
    // Enter walks the boxes and comes back to the day; Tab also stops at the
    // two check boxes.
    const QList<Field> enterOrder = { ScheduleRecord::Giorno, ScheduleRecord::Mese, ScheduleRecord::OreApp,
        ScheduleRecord::MinutiApp, ScheduleRecord::Avviso, ScheduleRecord::Proprietario, ScheduleRecord::CodFisc,
        ScheduleRecord::Recapito, ScheduleRecord::Nome, ScheduleRecord::DataNasc, ScheduleRecord::Razza,
        ScheduleRecord::Mantello, ScheduleRecord::Microchip, ScheduleRecord::Segni, ScheduleRecord::Persona,
        ScheduleRecord::Dettagli, ScheduleRecord::Officina, ScheduleRecord::Costo, ScheduleRecord::Contatto,
        ScheduleRecord::Note };
    auto *ring = new EnterKeyRing(view);
    auto *rectangles = new FocusRectangles(view);
    for (qsizetype i = 0; i < enterOrder.size(); ++i) {
        QWidget *control = fields[enterOrder[i]];
        ring->link(control, [next = fields[enterOrder[(i + 1) % enterOrder.size()]]] { return next; });
        rectangles->add(control);
    }

    QList<QWidget *> tabOrder;
    for (Field field : enterOrder.mid(0, enterOrder.indexOf(ScheduleRecord::Note)))
        tabOrder.append(fields[field]);
    tabOrder << chkDaConfermare << fields[ScheduleRecord::Note] << chkEffettuata;
    for (qsizetype i = 0; i + 1 < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i], tabOrder[i + 1]);
}

void ScheduleCardView::describeControls(QWidget *view)
{
    auto *hints = new StatusHints(panInfo);
    hints->describe(view, statusTexts);
    for (QWidget *surface : std::as_const(m_backgrounds))
        hints->addBackground(surface);
}
