#include "schedule/ScheduleParts.h"

#include "ui/PictureButton.h"

#include <QLabel>
#include <QSvgWidget>

namespace ScheduleParts {

namespace {
    QString artworkPath(const char *artwork)
    {
        return QStringLiteral(":/schedule/%1.svg").arg(QLatin1StringView(artwork));
    }
}

PictureButton *pictureButton(const char *objectName, const char *artwork, const char *words, QWidget *parent)
{
    PictureButton *button = CardParts::pictureButton(objectName, artworkPath(artwork), parent);
    button->setAccessibleName(QString::fromUtf8(words));
    return button;
}

QWidget *picture(const char *objectName, const char *artwork, QRect geometry, QWidget *parent)
{
    auto *svg = new QSvgWidget(artworkPath(artwork), parent);
    svg->setObjectName(QString::fromLatin1(objectName));
    svg->setGeometry(geometry);
    return svg;
}

QLabel *caption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(QFont(QStringLiteral("Verdana"), 8, QFont::Bold));
    label->setStyleSheet(QStringLiteral("color: #1F4E75; background: transparent;"));
    return label;
}

QWidget *panel(const char *objectName, const char *colour, QRect geometry, QWidget *parent)
{
    auto *surface = new QWidget(parent);
    surface->setObjectName(QString::fromLatin1(objectName));
    surface->setAttribute(Qt::WA_StyledBackground);
    surface->setStyleSheet(QStringLiteral("#%1 { background: %2; border-radius: 6px; }")
                               .arg(surface->objectName(), QLatin1StringView(colour)));
    surface->setGeometry(geometry);
    return surface;
}

} // namespace ScheduleParts
