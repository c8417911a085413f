#include "dogs/WeightForm.h"

#include "dogs/DogLogParts.h"
#include "dogs/WeightChart.h"
#include "storage/WeightRecord.h"
#include "ui/BoxStyle.h"
#include "ui/CardParts.h"
#include "ui/GradientWidget.h"
#include "ui/PictureButton.h"

#include <QBoxLayout>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using namespace DogLogParts;

namespace {

constexpr QSize windowSize(1120, 660);

} // namespace

WeightForm::WeightForm(QWidget *window)
{
    window->setFixedSize(windowSize);
    panContainer = background("panContainer", QRect(QPoint(0, 0), windowSize), window);

    lblTitolo = title("lblTitolo", "", { 16, 10, 1088, 40 }, Theme::Font::LogTitle, panContainer);

    QWidget *tablePanel = whitePanel("panPesate", { 16, 58, 580, 420 }, panContainer);
    tblPesate = new QTableView(tablePanel);
    tblPesate->setObjectName(QStringLiteral("tblPesate"));
    tblPesate->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblPesate->setSelectionMode(QAbstractItemView::SingleSelection);
    tblPesate->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPesate->setAlternatingRowColors(true);
    tblPesate->verticalHeader()->hide();
    tblPesate->verticalHeader()->setDefaultSectionSize(24);
    tblPesate->horizontalHeader()->setStretchLastSection(true);
    tblPesate->horizontalHeader()->setHighlightSections(false);
    tblPesate->setFont(Theme::font(Theme::Font::TableText));
    auto *tableColumn = new QVBoxLayout(tablePanel);
    tableColumn->setContentsMargins(6, 6, 6, 6);
    tableColumn->addWidget(tblPesate);

    QWidget *chartPanel = whitePanel("panGrafico", { 608, 58, 496, 420 }, panContainer);
    grafPeso = new QChartView(WeightChart::make(), chartPanel);
    grafPeso->setObjectName(QStringLiteral("grafPeso"));
    grafPeso->setRenderHint(QPainter::Antialiasing);
    // Repainting only the regions the scene reports leaves bits of the old
    // markers behind when the line is replaced; a chart this size repaints
    // whole at no cost.
    grafPeso->setViewportUpdateMode(QGraphicsView::FullViewportUpdate);
    auto *chartColumn = new QVBoxLayout(chartPanel);
    chartColumn->setContentsMargins(4, 4, 4, 4);
    chartColumn->addWidget(grafPeso);
    lblGraficoVuoto = label("lblGraficoVuoto",
        "Nessuna pesata registrata.\nIl grafico del peso apparirà dopo la prima pesata.", chartPanel);
    lblGraficoVuoto->setGeometry(40, 150, 416, 80);
    lblGraficoVuoto->setAlignment(Qt::AlignCenter);
    lblGraficoVuoto->setFont(Theme::font(Theme::Font::CompactFieldText));
    lblGraficoVuoto->setStyleSheet(QStringLiteral("color: %1; background: rgba(255, 255, 255, 210);").arg(Theme::css(Theme::Colour::CaptionText)));

    QWidget *entry = whitePanel("panPesata", { 16, 488, 1088, 92 }, panContainer);
    const DateBox date = dateBox(WeightRecord::layout(), WeightRecord::Data, entry);
    txtData = date.box;
    impData = date.today;
    txtPeso = CardParts::textBox(WeightRecord::layout(), WeightRecord::Peso, entry);
    txtPeso->setFixedWidth(110);
    txtPeso->setAlignment(Qt::AlignRight);
    txtNote = CardParts::textBox(WeightRecord::layout(), WeightRecord::Note, entry);

    auto *captions = new QHBoxLayout;
    auto *boxes = new QHBoxLayout;
    const auto add = [&](const char *text, QWidget *box, int width, QWidget *side = nullptr) {
        QLabel *above = caption(text, entry);
        if (width > 0)
            above->setFixedWidth(width);
        captions->addWidget(above, width > 0 ? 0 : 1);
        boxes->addWidget(box, width > 0 ? 0 : 1);
        if (side)
            boxes->addWidget(side);
    };
    add("Data:", txtData, 130 + 6 + 28, impData);
    add("Peso (kg):", txtPeso, 110);
    add("Note:", txtNote, 0);
    captions->setSpacing(16);
    boxes->setSpacing(6);
    auto *entryColumn = new QVBoxLayout(entry);
    entryColumn->setContentsMargins(16, 10, 16, 14);
    entryColumn->addLayout(captions);
    entryColumn->addLayout(boxes);

    buttonRow({ 16, 596, 1088, 44 }, 10,
        { { &btnAggiungi, "btnAggiungi", "Aggiungi pesata" }, { &btnModifica, "btnModifica", "Modifica pesata" },
            { &btnElimina, "btnElimina", "Elimina pesata" }, { &cmdStampa, "cmdStampa", "Stampa" },
            { &cmdPdf, "cmdPdf", "PDF" }, { &cmdGuida, "cmdGuida", "Guida" }, { &btnChiudi, "btnChiudi", "Chiudi" } },
        panContainer);
    BoxStyle::applyFocusColours(window);
}
