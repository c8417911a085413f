#include "kennel/CostList.h"

#include "storage/AmountText.h"
#include "storage/CostRecord.h"
#include "storage/ShortText.h"

namespace CostList {

const DogLogFile::Format format { CostRecord::layout, CostRecord::fileNameForDog, maximumRecords };

namespace {

    constexpr int amountPlaces = 2;

    // The value padded with blanks and cut to exactly the field's capacity.
    void appendColumn(QString &line, const Record &cost, CostRecord::Field field)
    {
        const int width = CostRecord::layout().field(field).capacity;
        const QString value = cost.value(field);
        line.append(QStringView(value).left(width));
        line.append(QString(width - std::min<qsizetype>(width, value.size()), u' '));
    }

} // namespace

// Built in one buffer: a long cost list builds thousands of these.
QString line(const Record &cost)
{
    using namespace CostRecord;
    const QString amount = cost.value(Importo);
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
    DogLogFile::scan(path, format, [&listing](const RecordView &record, qint64 position) {
        if (!record.fieldsFit()) {
            ++listing.unreadable;
            return;
        }
        const QString amount = record.value(CostRecord::Importo);
        if (amount.isEmpty())
            return; // a cost emptied of its amount outside the application
        Cost cost { Record(CostRecord::layout()), position };
        std::copy_n(record.data(), CostRecord::recordSize, cost.record.data());
        listing.costs.append(std::move(cost));
        listing.sum += AmountText::read(amount).value_or(0);
    });
    return listing;
}

} // namespace CostList
