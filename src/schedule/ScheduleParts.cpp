#include "schedule/ScheduleParts.h"

#include "ui/PictureButton.h"
#include "ui/Theme.h"

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
    label->setFont(Theme::font(Theme::Font::FieldCaption));
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(Theme::css(Theme::Colour::CaptionText)));
    return label;
}

QWidget *panel(const char *objectName, QColor background, QRect geometry, QWidget *parent, QColor border)
{
    auto *surface = new QWidget(parent);
    surface->setObjectName(QString::fromLatin1(objectName));
    surface->setAttribute(Qt::WA_StyledBackground);
    const QString frame = border.isValid() ? QStringLiteral(" border: 1px solid %1;").arg(border.name()) : QString();
    surface->setStyleSheet(QStringLiteral("#%1 { background: %2; border-radius: 6px;%3 }")
                               .arg(surface->objectName(), background.name(), frame));
    surface->setGeometry(geometry);
    return surface;
}

} // namespace ScheduleParts
