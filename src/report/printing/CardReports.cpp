#include "report/printing/CardReports.h"

#include "storage/DogRecord.h"
#include "storage/ShortText.h"

#include <QPainter>
#include <QSvgRenderer>

using namespace Report;

namespace {

const QColor lightSteelBlue(0xFFB0C4DEu);
const QColor lavender(0xFFE6E6FAu);
const QColor gold(0xFFFFD700u);
const QColor darkOrange(0xFFFF8C00u);
const QColor teal(0xFF008080u);

ReportTemplate portraitCard()
{
    return ReportTemplate(a4Paper, Orientation::Portrait, QMarginsF(10, 10, 10, 10));
}

TextStyle arial(qreal points, Qt::Alignment alignment, QColor colour = Qt::black, QColor fill = {})
{
    return { .pointSize = points, .colour = colour, .fill = fill, .alignment = alignment };
}

// The value boxes of the printed dog card: label top, left edge and width of
// the box, caption, and the field of the dog whose text it prints.
struct DogField
{
    qreal top;
    qreal left;
    qreal width;
    const char *label;
    DogRecord::Field field;
};

constexpr qreal leftColumn = 1;
constexpr qreal rightColumn = 97;
constexpr qreal columnWidth = 92;

constexpr DogField dogFields[] = {
    { 131, 1, 39, "DATA NASCITA:", DogRecord::DataNasc },
    { 131, 42, 17, "SESSO:", DogRecord::Sesso },
    { 131, 61, 32, "STERILIZZATO:", DogRecord::Sterilizzato },
    { 131, rightColumn, columnWidth, "GRUPPO APPARTENENZA:", DogRecord::Gruppo },
    { 145, leftColumn, columnWidth, "RAZZA:", DogRecord::Razza },
    { 145, rightColumn, columnWidth, "COLORE MANTELLO:", DogRecord::Mantello },
    { 159, leftColumn, columnWidth, "SEGNI PARTICOLARI:", DogRecord::Segni },
    { 159, rightColumn, columnWidth, "LIBRETTO SANITARIO:", DogRecord::Libretto },
    { 173, leftColumn, columnWidth, "MEDICO VETERINARIO:", DogRecord::Medico },
    { 173, rightColumn, columnWidth, "CODICE MICROCHIP:", DogRecord::Microchip },
    { 187, leftColumn, columnWidth, "LOCALIZZAZIONE MICROCHIP:", DogRecord::Localizzazione },
    { 187, rightColumn, columnWidth, "TATUAGGIO:", DogRecord::Tatuaggio },
    { 201, leftColumn, columnWidth, "PROPRIETARIO ATTUALE:", DogRecord::Proprietario },
    { 201, rightColumn, 53, "TELEFONO PREFERENZIALE:", DogRecord::Recapito },
    { 201, 152.4, 36.4, "INIZIO PROPRIETA':", DogRecord::InizioProp },
    { 215, leftColumn, columnWidth, "NUMERO ROI:", DogRecord::ROI },
    { 215, rightColumn, columnWidth, "ALLEVATORE:", DogRecord::Allevatore },
    { 229, leftColumn, columnWidth, "PADRE:", DogRecord::Padre },
    { 229, rightColumn, columnWidth, "MADRE:", DogRecord::Madre },
    { 243, leftColumn, columnWidth, "VACCINAZIONI:", DogRecord::Vaccinazioni },
    { 243, rightColumn, columnWidth, "ALIMENTAZIONE:", DogRecord::Alimentazione },
};

// The text object that prints a field's value.
QString valueName(DogRecord::Field field)
{
    return QStringLiteral("txt") + QString(DogRecord::layout().field(field).name);
}

// A value sits 1 below the top of its box and a little right of its edge.
constexpr qreal boxBelowLabel = 5;
constexpr qreal boxHeight = 6;
constexpr qreal valueInset = 1.2;

ReportTemplate dogCardTemplate()
{
    ReportTemplate report = portraitCard();
    Band &card = report.addBand(QStringLiteral("Scheda"), 277);
    card.add(RectangleObject { QRectF(1, 1, 188, 10), lightSteelBlue });
    card.add(TextObject { .name = valueName(DogRecord::Nome), .rect = QRectF(3, 3.2, 184, 6),
        .style = arial(12, Qt::AlignCenter) });
    card.add(PictureObject { QStringLiteral("imgFoto"), QRectF(1, 14, 188, 112), {} });

    for (const DogField &field : dogFields) {
        card.add(TextObject { .rect = QRectF(field.left, field.top, field.width, 4),
            .text = QString::fromUtf8(field.label), .style = arial(8, Qt::AlignLeft | Qt::AlignVCenter) });
        const QRectF box(field.left, field.top + boxBelowLabel, field.width, boxHeight);
        card.add(RectangleObject { box, {} });
        card.add(TextObject { .name = valueName(field.field),
            .rect = QRectF(box.left() + valueInset, box.top() + 1, box.width() - 2 * valueInset, 4),
            .style = arial(8, Qt::AlignLeft | Qt::AlignVCenter) });
    }

    card.add(RectangleObject { QRectF(1, 257, 188, 5.8), lavender });
    card.add(TextObject { .rect = QRectF(1, 257, 188, 5.8), .text = QStringLiteral("NOTE:"),
        .style = arial(9, Qt::AlignCenter) });
    card.add(RectangleObject { QRectF(1, 263, 188, 6), {} });
    card.add(TextObject { .name = valueName(DogRecord::Note),
        .rect = QRectF(1 + valueInset, 264, 188 - 2 * valueInset, 4),
        .style = arial(8, Qt::AlignLeft | Qt::AlignVCenter) });
    card.add(RectangleObject { QRectF(1, 270, 188, 5.8), gold });
    card.add(TextObject { .name = QStringLiteral("txtCalce"), .rect = QRectF(1, 270, 188, 5.8),
        .style = arial(8, Qt::AlignCenter) });
    return report;
}

QString rowName(const char *stem, int row)
{
    return QStringLiteral("%1%2").arg(QLatin1StringView(stem)).arg(row, 2, 10, QLatin1Char('0'));
}

constexpr int infoRows = 24;

ReportTemplate infoCardTemplate()
{
    ReportTemplate report = portraitCard();
    Band &card = report.addBand(QStringLiteral("Scheda"), 277);
    card.add(PictureObject { QStringLiteral("imgLogo"), QRectF(3, 3, 17, 13),
        artworkImage(QStringLiteral(":/printing/logo.svg"), QSize(340, 260)) });
    card.add(TextObject { .name = QStringLiteral("txtTitolo"), .rect = QRectF(23, 3, 165, 9),
        .style = arial(16, Qt::AlignCenter, Qt::white, darkOrange) });
    card.add(LineObject { QPointF(23, 16), 165 });
    for (int row = 1; row <= infoRows; ++row) {
        const qreal top = 24 + 10 * (row - 1);
        card.add(TextObject { .name = rowName("titCampo", row), .rect = QRectF(3, top, 52, 6),
            .style = arial(9, Qt::AlignLeft | Qt::AlignVCenter, Qt::white, teal) });
        card.add(TextObject { .name = rowName("txtCampo", row), .rect = QRectF(60, top, 128, 6),
            .style = arial(10, Qt::AlignLeft | Qt::AlignVCenter) });
    }
    card.add(LineObject { QPointF(3, 265), 185 });
    card.add(TextObject { .name = QStringLiteral("txtCalce"), .rect = QRectF(3, 269, 185, 6),
        .style = arial(10, Qt::AlignCenter, Qt::white, darkOrange) });
    return report;
}

void setText(ReportTemplate &report, const QString &name, const QString &text)
{
    TextObject *object = report.find<TextObject>(name);
    Q_ASSERT(object);
    ReportTemplate::setText(*object, text);
}

} // namespace

QImage artworkImage(const QString &resource, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

ReportTemplate dogCardReport(const RecordTexts &dog, const QImage &photo, const QString &footer)
{
    Q_ASSERT(&dog.layout() == &DogRecord::layout());
    ReportTemplate report = dogCardTemplate();
    report.setOrientation(Orientation::Portrait);
    ReportTemplate::setPicture(*report.find<PictureObject>(QStringLiteral("imgFoto")), photo);
    QList<DogRecord::Field> printed { DogRecord::Nome, DogRecord::Note };
    for (const DogField &field : dogFields)
        printed.append(field.field);
    for (const DogRecord::Field field : std::as_const(printed))
        setText(report, valueName(field), trimmedText(dog.value(field)));
    setText(report, QStringLiteral("txtCalce"), footer);
    return report;
}

ReportTemplate infoCardReport(const QString &title, const QList<CardTexts::Row> &rows, const QString &footer)
{
    Q_ASSERT(rows.size() == infoRows);
    ReportTemplate report = infoCardTemplate();
    report.setOrientation(Orientation::Portrait);
    setText(report, QStringLiteral("txtTitolo"), title);
    for (int row = 1; row <= infoRows; ++row) {
        setText(report, rowName("titCampo", row), rows.value(row - 1).label);
        setText(report, rowName("txtCampo", row), rows.value(row - 1).value);
    }
    setText(report, QStringLiteral("txtCalce"), footer);
    return report;
}

ReportTemplate ownerCardReport(const ScreenValues &values, const QDateTime &now)
{
    return infoCardReport(QStringLiteral("SCHEDA ANAGRAFICA PROPRIETARIO"), CardTexts::ownerRows(values),
        CardTexts::footer(now));
}

ReportTemplate scheduleCardReport(const ScreenValues &values, const QDateTime &now)
{
    return infoCardReport(QStringLiteral("SCHEDA SCADENZA / APPUNTAMENTO"), CardTexts::scheduleRows(values),
        CardTexts::footer(now));
}
