#include "help/InfoWindowParts.h"

#include "core/Version.h"
#include "ui/GradientWidget.h"
#include "ui/LinkLabel.h"
#include "ui/PictureButton.h"
#include "ui/Theme.h"

#include <QFile>
#include <QPushButton>
#include <QSvgWidget>

namespace {
constexpr QSize logoSize(380, 66);
constexpr int iconSize = 32;
} // namespace

void InfoWindowParts::frame(QDialog *window, QSize clientSize, QColor top, QColor bottom)
{
    window->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    window->setFixedSize(clientSize);
    auto *background = new GradientWidget(top, window, bottom);
    background->setObjectName(QStringLiteral("panSfondo"));
    background->setGeometry(window->rect());
}

void InfoWindowParts::logoBand(QWidget *window, int height)
{
    auto *band = new QWidget(window);
    band->setObjectName(QStringLiteral("panLogo"));
    band->setAttribute(Qt::WA_StyledBackground);
    band->setStyleSheet(QStringLiteral("#panLogo { background: white; border-bottom: 1px solid %1; }")
                            .arg(Theme::css(Theme::Colour::PanelBorder)));
    band->setGeometry(0, 0, window->width(), height);
    auto *logo = new QSvgWidget(QStringLiteral(":/help/logo.svg"), band);
    logo->setObjectName(QStringLiteral("imgLogo"));
    logo->setGeometry((window->width() - logoSize.width()) / 2, (height - logoSize.height()) / 2,
        logoSize.width(), logoSize.height());
}

LinkLabel *InfoWindowParts::link(QWidget *parent, QPoint topLeft, const char *iconName, const char *artwork,
    const QString &text, std::function<void()> open)
{
    auto *icon = new PictureButton(QString::fromLatin1(iconName),
        QStringLiteral(":/help/%1.svg").arg(QLatin1StringView(artwork)), parent);
    icon->setAccessibleName(text);
    icon->setGeometry(topLeft.x(), topLeft.y(), iconSize, iconSize);
    auto *label = new LinkLabel(QStringLiteral("lnkWeb"), text, parent);
    label->adjustSize();
    label->move(topLeft.x() + iconSize + 8, topLeft.y() + (iconSize - label->height()) / 2);
    label->addIcon(icon);
    QObject::connect(label, &LinkLabel::clicked, parent, std::move(open));
    return label;
}

QByteArray InfoWindowParts::artwork(const char *artwork)
{
    QFile file(QStringLiteral(":/help/%1.svg").arg(QLatin1StringView(artwork)));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll().replace("@VERSIONE@", programVersion().toUtf8());
}

QSvgWidget *InfoWindowParts::picture(QWidget *parent, const char *objectName, const char *artworkName, QRect geometry)
{
    auto *picture = new QSvgWidget(parent);
    picture->load(artwork(artworkName));
    picture->setObjectName(QString::fromLatin1(objectName));
    picture->setGeometry(geometry);
    return picture;
}

QPushButton *InfoWindowParts::closeButton(QDialog *window, QRect geometry)
{
    auto *button = new QPushButton(QStringLiteral("Chiudi"), window);
    button->setObjectName(QStringLiteral("btnChiudi"));
    button->setGeometry(geometry);
    QObject::connect(button, &QPushButton::clicked, window, &QDialog::reject);
    return button;
}
