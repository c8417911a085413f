#include "dogs/pedigree/frmAccoppiamento.h"

#include "kennel/PedigreeTexts.h"
#include "platform/AppContext.h"
#include "storage/DogRecord.h"
#include "ui/Centring.h"
#include "ui/FileActionGuard.h"

#include <QAbstractListModel>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Cards shown by their labels, each row carrying its card's position; a
// label is made when the view asks for it, so a long list costs nothing up
// front. The list is shared with the window, not copied.
class BreederList : public QAbstractListModel
{
public:
    BreederList(const QList<Pedigree::Breeder> &breeders, QObject *parent)
        : QAbstractListModel(parent)
        , m_breeders(breeders)
    {
    }

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(m_breeders.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        const Pedigree::Breeder &breeder = m_breeders[index.row()];
        if (role == Qt::DisplayRole)
            return PedigreeTexts::breederLabel(breeder);
        if (role == Qt::UserRole)
            return breeder.position;
        return {};
    }

private:
    const QList<Pedigree::Breeder> m_breeders;
};

QComboBox *breederList(const char *name, const QList<Pedigree::Breeder> &breeders, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1StringView(name));
    list->setModel(new BreederList(breeders, list));
    // Sized without measuring every label of a large archive.
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(40);
    return list;
}

} // namespace

frmAccoppiamento::frmAccoppiamento(AppContext &context, QWidget *owner, Pedigree::Breeders breeders)
    : QDialog(owner)
    , m_breeders(std::move(breeders))
    , cboMaschio(breederList("cboMaschio", m_breeders.males, this))
    , cboFemmina(breederList("cboFemmina", m_breeders.females, this))
{
    setObjectName(QStringLiteral("frmAccoppiamento"));
    setWindowTitle(QStringLiteral(" Accoppiamento di prova"));
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    auto *explanation = new QLabel(QStringLiteral("Scegliere il maschio e la femmina: il pedigree mostra la "
                                                  "cucciolata che nascerebbe dal loro accoppiamento."),
        this);
    explanation->setWordWrap(true);
    layout->addWidget(explanation);
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Maschio:"), cboMaschio);
    form->addRow(QStringLiteral("Femmina:"), cboFemmina);
    layout->addLayout(form);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *cmdConferma
        = buttons->addButton(QStringLiteral("Mostra il pedigree"), QDialogButtonBox::AcceptRole);
    cmdConferma->setObjectName(QStringLiteral("cmdConferma"));
    QPushButton *cmdAnnulla = buttons->addButton(QStringLiteral("Annulla"), QDialogButtonBox::RejectRole);
    cmdAnnulla->setObjectName(QStringLiteral("cmdAnnulla"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    adjustSize();
    move(centredIn(context.platform.screen.size(), size()));
}

std::optional<frmAccoppiamento::Pair> frmAccoppiamento::choose(AppContext &context, QWidget *owner)
{
    Pedigree::Breeders breeders;
    if (!runFileAction(context.platform.messages, owner, { MessageBoxes::Kind::Error, MessageBoxes::Buttons::OkAlone },
            [&] { breeders = Pedigree::breedersOf(context.folder.filePath(DogRecord::fileName)); }))
        return std::nullopt;
    if (breeders.males.isEmpty() || breeders.females.isEmpty()) {
        context.platform.messages.information(owner,
            QStringLiteral("Per un accoppiamento di prova l'archivio deve contenere almeno un maschio e una "
                           "femmina (campo Sesso: M oppure F)."),
            MessageBoxes::Buttons::OkAlone);
        return std::nullopt;
    }
    frmAccoppiamento window(context, owner, std::move(breeders));
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return Pair { window.m_breeders.males.at(window.cboMaschio->currentIndex()),
        window.m_breeders.females.at(window.cboFemmina->currentIndex()) };
}
