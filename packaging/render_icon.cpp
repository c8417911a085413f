// Renders the program's icon for the desktop's icon theme:
//   zampora_icon SVG OUTDIR SIZE...
// writes OUTDIR/<SIZE>x<SIZE>/apps/zampora.png for each size, the picture
// centred on a square transparent canvas with its proportions kept.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fputs("usage: zampora_icon SVG OUTDIR SIZE...\n", stderr);
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "zampora_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    const QSizeF picture = renderer.defaultSize();
    for (int i = 3; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        if (size <= 0)
            return 2;
        QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
        icon.fill(Qt::transparent);
        {
            QPainter painter(&icon);
            painter.setRenderHint(QPainter::Antialiasing);
            const QSizeF fitted = picture.scaled(size, size, Qt::KeepAspectRatio);
            renderer.render(
                &painter, QRectF(QPointF((size - fitted.width()) / 2, (size - fitted.height()) / 2), fitted));
        }
        const QString folder = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (!QDir().mkpath(folder) || !icon.save(folder + QStringLiteral("/zampora.png"))) {
            std::fprintf(stderr, "zampora_icon: cannot write %s\n", qPrintable(folder));
            return 1;
        }
    }
    return 0;
}
