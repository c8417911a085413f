#include "dogs/pedigree/frmAccoppiamento.h"

#include "platform/AppContext.h"
#include "storage/DogRecord.h"
#include "ui/Centring.h"
#include "ui/FileActionGuard.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace {

// A long list of names, shown through a model rather than item by item.
QComboBox *nameList(const char *name, const QStringList &names, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QLatin1StringView(name));
    list->setModel(new QStringListModel(names, list));
    list->setMinimumWidth(320);
    return list;
}

} // namespace

frmAccoppiamento::frmAccoppiamento(AppContext &context, QWidget *owner, const Pedigree::Breeders &breeders)
    : QDialog(owner)
    , cboMaschio(nameList("cboMaschio", breeders.males, this))
    , cboFemmina(nameList("cboFemmina", breeders.females, this))
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

std::optional<std::pair<QString, QString>> frmAccoppiamento::choose(AppContext &context, QWidget *owner)
{
    Pedigree::Breeders breeders;
    if (!runFileAction(context.platform.messages, owner, MessageBoxes::Kind::Error,
            [&] { breeders = Pedigree::breedersOf(context.folder.filePath(DogRecord::fileName)); }))
        return std::nullopt;
    if (breeders.males.isEmpty() || breeders.females.isEmpty()) {
        context.platform.messages.information(owner,
            QStringLiteral("Per un accoppiamento di prova l'archivio deve contenere almeno un maschio e una "
                           "femmina (campo Sesso: M oppure F)."));
        return std::nullopt;
    }
    frmAccoppiamento window(context, owner, breeders);
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return std::pair { window.cboMaschio->currentText(), window.cboFemmina->currentText() };
}
