#include "kennel/PedigreeTexts.h"

#include "core/DateText.h"

#include <algorithm>

namespace PedigreeTexts {

QString percent(double fraction)
{
    return QString::number(fraction * 100, 'f', 2).replace(u'.', u',') + QStringLiteral("\u00A0%");
}

QString inbreedingLine(double coefficient)
{
    return QStringLiteral("Coefficiente di consanguineit\u00E0 (Wright, 5 generazioni): ")
        + percent(coefficient);
}

QString distinctAncestorsLine(double distinct)
{
    return QStringLiteral("Antenati diversi (AVK): ") + percent(distinct);
}

QString completenessLine(int knownAncestors)
{
    const QString known = knownAncestors == 1 ? QStringLiteral("1 antenato noto")
                                              : QStringLiteral("%1 antenati noti").arg(knownAncestors);
    return QStringLiteral("Completezza del pedigree: %1 su %2 (%3)")
        .arg(known)
        .arg(Pedigree::ancestorPlaces)
        .arg(percent(double(knownAncestors) / Pedigree::ancestorPlaces));
}

Sex sexOf(const Pedigree::Box &box, int number)
{
    if (number > 1)
        return number % 2 == 0 ? Sex::Male : Sex::Female;
    const QString sex = box.card ? box.card->sex.trimmed().toUpper() : QString();
    if (sex == u"M")
        return Sex::Male;
    if (sex == u"F")
        return Sex::Female;
    return Sex::Unknown;
}

QString sexSymbol(Sex sex)
{
    switch (sex) {
    case Sex::Male:
        return QStringLiteral("\u2642");
    case Sex::Female:
        return QStringLiteral("\u2640");
    case Sex::Unknown:
        break;
    }
    return {};
}

QStringList boxLines(const Pedigree::Box &box, int number)
{
    using Link = Pedigree::Box::Link;
    const QString symbol = sexSymbol(sexOf(box, number));
    const QString name = box.name.isEmpty() ? QStringLiteral("sconosciuto") : box.name;
    QStringList lines { symbol.isEmpty() ? name : symbol + u' ' + name };
    switch (box.link) {
    case Link::Linked: {
        const Pedigree::Card &card = *box.card;
        const std::pair<QString, QString> details[] = {
            { {}, card.breed },
            { {}, card.studBook },
            { QStringLiteral("Microchip "), card.microchip },
            { QStringLiteral("Nato il "), card.born },
            { {}, card.firstTitle },
        };
        for (const auto &[label, value] : details)
            if (!value.trimmed().isEmpty())
                lines.append(label + value.trimmed());
        break;
    }
    case Link::Ambiguous:
        lines.append(QStringLiteral("(pi\u00F9 schede con questo nome: non collegato)"));
        break;
    case Link::Loop:
        lines.append(QStringLiteral("(antenato di se stesso)"));
        break;
    case Link::Named:
    case Link::Unknown:
        break;
    }
    return lines;
}

namespace {

// The line cut short, with "…", to what fits one line.
QString cutToOneLine(const QString &line, const LineBreaker &breakLine)
{
    const auto fits
        = [&](qsizetype length) { return breakLine(line.left(length).trimmed() + u'\u2026').size() <= 1; };
    qsizetype fitting = 0;
    qsizetype tooLong = line.size() + 1;
    while (tooLong - fitting > 1) {
        const qsizetype middle = (fitting + tooLong) / 2;
        if (fits(middle))
            fitting = middle;
        else
            tooLong = middle;
    }
    return line.left(fitting).trimmed() + u'\u2026';
}

// The line in at most count lines, the last cut short when it needs more.
QStringList brokenInto(const QString &line, int count, const LineBreaker &breakLine)
{
    const QStringList broken = breakLine(line);
    if (broken.size() <= count)
        return broken;
    QStringList kept = broken.first(count - 1);
    qsizetype restFrom = 0;
    for (const QString &keptLine : std::as_const(kept))
        restFrom = line.indexOf(keptLine, restFrom) + keptLine.size();
    kept.append(cutToOneLine(line.mid(restFrom).trimmed(), breakLine));
    return kept;
}

} // namespace

FittedLines fittedLines(
    const QStringList &lines, int room, const LineBreaker &breakName, const LineBreaker &breakDetail)
{
    if (lines.isEmpty() || room < 1)
        return {};
    FittedLines fitted { brokenInto(lines.first(), std::min(room, 2), breakName), {} };
    for (qsizetype i = 1; i < lines.size() && fitted.name.size() + fitted.details.size() < room; ++i)
        fitted.details += brokenInto(lines[i], 1, breakDetail);
    return fitted;
}

QString disagreementHint(const Pedigree::Box &box)
{
    if (box.disagreeingField.isEmpty())
        return {};
    return QStringLiteral("Il campo \"%1\" della scheda indica un altro nome: vale la scheda collegata.")
        .arg(box.disagreeingField);
}

QString generationsText(const QList<int> &generations)
{
    QStringList numbers;
    for (const int generation : generations)
        numbers.append(QString::number(generation));
    return numbers.join(QStringLiteral(", "));
}

QString breederLabel(const Pedigree::Breeder &breeder)
{
    QStringList details;
    if (!breeder.breed.isEmpty())
        details.append(breeder.breed);
    if (const QDate born = DateText::parse(breeder.born); born.isValid())
        details.append(QString::number(born.year()));
    return details.isEmpty()
        ? breeder.name
        : QStringLiteral("%1 (%2)").arg(breeder.name, details.join(QStringLiteral(", ")));
}

} // namespace PedigreeTexts
