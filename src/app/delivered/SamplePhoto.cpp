#include "app/delivered/SamplePhoto.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace SamplePhoto {

namespace {

constexpr QSize pictureSize(612, 706); // the card's photo box, 306 x 353, twice over
constexpr qreal horizon = 400;

const QColor coat(0xFB, 0xF7, 0xEF);
const QColor coatShade(0xE6, 0xDD, 0xCF);
const QColor patch(0xD9, 0x84, 0x34);
const QColor outline(0x9A, 0x6A, 0x3E);

void drawSky(QPainter &painter)
{
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0, QColor(0x7F, 0xB8, 0xE3));
    sky.setColorAt(1, QColor(0xF4, 0xE8, 0xCC));
    painter.fillRect(QRectF(0, 0, pictureSize.width(), horizon + 40), sky);

    QRadialGradient glow(QPointF(470, 130), 120);
    glow.setColorAt(0, QColor(0xFF, 0xF3, 0xC4));
    glow.setColorAt(0.45, QColor(0xFF, 0xEC, 0xA8, 200));
    glow.setColorAt(1, QColor(0xFF, 0xEC, 0xA8, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(QPointF(470, 130), 120, 120);

    painter.setBrush(QColor(255, 255, 255, 215));
    for (const QPointF &cloud : { QPointF(130, 110), QPointF(330, 200) })
        for (const QRectF &puff : { QRectF(-70, -18, 90, 40), QRectF(-30, -40, 80, 60), QRectF(20, -22, 90, 44) })
            painter.drawEllipse(puff.translated(cloud));
}

void drawHill(QPainter &painter, qreal left, qreal crest, qreal right, const QColor &top, const QColor &bottom)
{
    QPainterPath hill;
    const qreal width = pictureSize.width();
    hill.moveTo(0, left);
    hill.cubicTo(width * 0.3, crest, width * 0.6, crest, width, right);
    hill.lineTo(width, pictureSize.height());
    hill.lineTo(0, pictureSize.height());
    hill.closeSubpath();
    QLinearGradient shade(0, crest, 0, pictureSize.height());
    shade.setColorAt(0, top);
    shade.setColorAt(1, bottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawPath(hill);
}

void drawTree(QPainter &painter, const QPointF &foot, qreal height)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x6B, 0x4E, 0x32));
    painter.drawRect(QRectF(foot.x() - height * 0.05, foot.y() - height * 0.4, height * 0.1, height * 0.4));
    painter.setBrush(QColor(0x4E, 0x86, 0x46));
    painter.drawEllipse(QPointF(foot.x(), foot.y() - height * 0.65), height * 0.3, height * 0.38);
}

void drawLandscape(QPainter &painter)
{
    drawSky(painter);
    drawHill(painter, horizon - 10, horizon - 70, horizon + 10, QColor(0xA9, 0xCB, 0x8E), QColor(0x8F, 0xBA, 0x74));
    drawTree(painter, QPointF(268, horizon - 52), 66);
    drawTree(painter, QPointF(300, horizon - 54), 48);
    drawTree(painter, QPointF(520, horizon - 18), 62);
    drawHill(painter, horizon + 60, horizon + 10, horizon + 40, QColor(0x86, 0xBD, 0x63), QColor(0x5C, 0x95, 0x45));

    // A few flowers in the grass before the dog.
    painter.setPen(Qt::NoPen);
    const QColor petals[] = { QColor(0xFF, 0xFF, 0xFF), QColor(0xF7, 0xD3, 0x4A), QColor(0xE9, 0x8F, 0xB5) };
    int which = 0;
    for (const QPointF &flower : { QPointF(60, 640), QPointF(150, 675), QPointF(470, 655), QPointF(560, 615),
             QPointF(300, 690), QPointF(400, 600), QPointF(35, 560), QPointF(585, 690) }) {
        painter.setBrush(petals[which++ % 3]);
        painter.drawEllipse(flower, 7, 7);
        painter.setBrush(QColor(0xF2, 0xB1, 0x2E));
        painter.drawEllipse(flower, 2.5, 2.5);
    }
}

// The dog in its own units: facing left, the ground at y = 0, about 400
// long from nose to tail.
QPainterPath leg(const QPointF &top, const QPointF &knee, const QPointF &paw, qreal width)
{
    QPainterPath path;
    path.moveTo(top);
    path.quadTo(knee, paw);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    return stroker.createStroke(path);
}

QPainterPath body()
{
    QPainterPath path;
    path.moveTo(-95, -190);
    path.cubicTo(-30, -204, 60, -200, 108, -184);
    path.cubicTo(136, -172, 140, -138, 122, -116);
    path.cubicTo(92, -104, 40, -118, 0, -114);
    path.cubicTo(-50, -108, -98, -98, -120, -122);
    path.cubicTo(-136, -146, -126, -176, -95, -190);
    path.closeSubpath();
    return path;
}

QPainterPath neckAndHead()
{
    QPainterPath neck;
    neck.moveTo(-80, -190);
    neck.cubicTo(-98, -215, -118, -235, -142, -246);
    neck.lineTo(-172, -222);
    neck.cubicTo(-152, -192, -138, -158, -118, -128);
    neck.closeSubpath();

    QPainterPath head;
    head.addEllipse(QPointF(-160, -245), 34, 27);
    QPainterPath muzzle;
    muzzle.addRoundedRect(QRectF(-228, -253, 80, 36), 14, 14);
    return neck.united(head).united(muzzle);
}

QPainterPath tail()
{
    QPainterPath path;
    path.moveTo(118, -182);
    path.cubicTo(150, -186, 180, -182, 212, -172);
    path.lineTo(210, -166);
    path.cubicTo(180, -172, 150, -170, 124, -164);
    path.closeSubpath();
    return path;
}

QPainterPath ear()
{
    QPainterPath path;
    path.moveTo(-150, -265);
    path.cubicTo(-124, -263, -120, -233, -126, -205);
    path.cubicTo(-130, -189, -148, -187, -152, -205);
    path.cubicTo(-156, -227, -162, -249, -150, -265);
    path.closeSubpath();
    return path;
}

void fillPart(QPainter &painter, const QPainterPath &part, const QColor &colour)
{
    painter.setPen(QPen(outline, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    painter.drawPath(part);
}

void drawDog(QPainter &painter)
{
    // The shadow it casts on the grass.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x3E, 0x6E, 0x30, 90));
    painter.drawEllipse(QPointF(10, 0), 170, 14);

    // The far legs, in the shade of the body.
    fillPart(painter, leg({ -92, -120 }, { -96, -60 }, { -100, -4 }, 22), coatShade);
    fillPart(painter, leg({ 108, -140 }, { 140, -70 }, { 120, -4 }, 24), coatShade);

    const QPainterPath dog = body().united(neckAndHead()).united(tail())
                                 .united(leg({ -104, -128 }, { -150, -112 }, { -136, -74 }, 22)) // raised, pointing
                                 .united(leg({ 90, -150 }, { 120, -70 }, { 96, -4 }, 28))
                                 .united(leg({ -78, -120 }, { -76, -60 }, { -80, -4 }, 22));
    fillPart(painter, dog, coat);

    // Orange patches, kept within the coat.
    painter.save();
    painter.setClipPath(dog);
    painter.setPen(Qt::NoPen);
    painter.setBrush(patch);
    painter.drawEllipse(QPointF(70, -178), 52, 34);
    painter.drawEllipse(QPointF(-20, -196), 30, 18);
    painter.drawEllipse(QPointF(-158, -253), 30, 22);
    for (const QPointF &tick : { QPointF(-40, -150), QPointF(-10, -140), QPointF(20, -158), QPointF(-60, -165) })
        painter.drawEllipse(tick, 5, 4);
    painter.restore();

    fillPart(painter, ear(), patch.darker(112));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x5A, 0x34, 0x22));
    painter.drawEllipse(QPointF(-226, -242), 9, 8); // nose
    painter.setBrush(QColor(0x3A, 0x26, 0x1A));
    painter.drawEllipse(QPointF(-178, -253), 5, 5); // eye
    painter.setBrush(Qt::white);
    painter.drawEllipse(QPointF(-179.5, -254.5), 1.6, 1.6);
}

} // namespace

QImage draw()
{
    QImage picture(pictureSize, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    drawLandscape(painter);
    painter.translate(320, 580);
    painter.scale(1.08, 1.08);
    drawDog(painter);
    return picture;
}

} // namespace SamplePhoto
