#include "ui/Fonts.h"

#include <QStringList>

void Fonts::installSubstitutes()
{
    const QString sans = QStringLiteral("Liberation Sans");
    const QString dejaVu = QStringLiteral("DejaVu Sans");
    const QString mono = QStringLiteral("Liberation Mono");
    QFont::insertSubstitutions(QStringLiteral("Arial"), { sans, dejaVu });
    QFont::insertSubstitutions(QStringLiteral("Courier New"), { mono, QStringLiteral("DejaVu Sans Mono") });
    QFont::insertSubstitutions(QStringLiteral("Verdana"), { dejaVu, sans });
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), { dejaVu, sans });
}

QFont Fonts::fixedPitch(const QString &family, int pointSize, bool bold)
{
    QFont font;
    font.setFamilies({ family, QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono"),
        QStringLiteral("monospace") });
    font.setPointSize(pointSize);
    font.setBold(bold);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}
