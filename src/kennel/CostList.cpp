#include "kennel/CostList.h"

#include "storage/AmountText.h"
#include "storage/CostRecord.h"
#include "storage/RecordFile.h"
#include "storage/ShortText.h"

namespace CostList {

namespace {

    // The value padded with blanks and cut to exactly the field's capacity.
    void appendColumn(QString &line, const Record &cost, CostRecord::Field field)
    {
        const int width = CostRecord::layout().field(field).capacity;
        const QString value = cost.value(field);
        line.append(QStringView(value).left(width));
        line.append(QString(width - std::min<qsizetype>(width, value.size()), u' '));
    }

    // Built in one buffer: a long cost list builds thousands of these.
    QString lineWithAmount(const Record &cost, const QString &amount)
    {
        using namespace CostRecord;
        static const QString costCaption = QString::fromUtf8("  Costo: € ");
        QString line;
        line.reserve(160 + amount.size());
        line.append(QLatin1StringView("Data: "));
        appendColumn(line, cost, Data);
        line.append(QLatin1StringView("   Da: "));
        appendColumn(line, cost, Pagatore);
        line.append(QLatin1StringView("   A: "));
        appendColumn(line, cost, Beneficiario);
        line.append(QLatin1StringView("  Causale: "));
        appendColumn(line, cost, Causale);
        line.append(costCaption);
        line.append(amount);
        return line;
    }

    constexpr int amountPlaces = 2;

    // Opens the cost file, refusing one no list could be before reading it.
    void openList(RecordFile &file, const QString &path)
    {
        file.openOrCreate(path, CostRecord::recordSize);
        file.refuseBeyond(maximumRecords);
    }

} // namespace

QString line(const Record &cost)
{
    return lineWithAmount(cost, cost.value(CostRecord::Importo));
}

QString totalText(double sum)
{
    return QString::fromUtf8("€ ") + AmountText::formatted(AmountText::shortest(sum), amountPlaces);
}

QString boxAmount(QStringView typed)
{
    return AmountText::fitted(typed, amountPlaces, CostRecord::layout().field(CostRecord::Importo).capacity);
}

Listing read(const QString &path)
{
    Listing listing;
    RecordFile file;
    openList(file, path);
    Record cost(CostRecord::layout());
    while (!file.atEnd()) {
        file.readNext(cost);
        if (!RecordView(cost).fieldsFit()) {
            ++listing.unreadable;
            continue;
        }
        const QString amount = cost.value(CostRecord::Importo);
        if (amount.isEmpty())
            continue; // a cost emptied of its amount outside the application
        listing.lines.append(lineWithAmount(cost, amount));
        listing.sum += AmountText::read(amount).value_or(0);
    }
    file.closeFile();
    return listing;
}

QString unreadableMessage(qint64 unreadable)
{
    if (unreadable == 1) {
        return QString::fromUtf8(
            "Attenzione: 1 costo non è stato mostrato né sommato al totale perché i suoi dati "
            "non sono leggibili.");
    }
    return QString::fromUtf8(
        "Attenzione: %1 costi non sono stati mostrati né sommati al totale perché i loro dati "
        "non sono leggibili.")
        .arg(unreadable);
}

std::optional<Found> findLast(const QString &path, QStringView shownLine)
{
    const QString wanted = trimmedText(shownLine);
    std::optional<Found> found;
    RecordFile file;
    openList(file, path);
    Record cost(CostRecord::layout());
    while (!file.atEnd()) {
        file.readNext(cost);
        if (RecordView(cost).fieldsFit() && trimmedText(line(cost)) == wanted)
            found = Found { cost, file.currentIndex() };
    }
    file.closeFile();
    return found;
}

} // namespace CostList
