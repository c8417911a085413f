#include "dogs/frmCani.h"

#include "checks/OpenCheck.h"
#include "core/ProcessFormats.h"
#include "dogs/AssociatedFolder.h"
#include "dogs/HealthBadge.h"
#include "dogs/PhotoActions.h"
#include "dogs/PhotoBox.h"
#include "dogs/frmAllegaCartella.h"
#include "dogs/frmCostiCane.h"
#include "dogs/frmPesoCane.h"
#include "dogs/frmSaluteCane.h"
#include "dogs/frmStampaCane.h"
#include "dogs/pedigree/frmPedigree.h"
#include "export/frmCreaRTF.h"
#include "export/frmExpArchivio.h"
#include "help/Help.h"
#include "platform/AppContext.h"
#include "search/SearchWindow.h"
#include "search/Searches.h"
#include "storage/DogRecord.h"
#include "storage/OwnerRecord.h"
#include "storage/Record.h"
#include "storage/ShortText.h"
#include "ui/CapitalsBox.h"
#include "ui/EnterKeyRing.h"
#include "ui/PictureButton.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

// The head boxes Save requires, in the order they are checked.
constexpr std::pair<DogRecord::Field, const char *> requiredFields[] = {
    { DogRecord::Nome, "Attenzione: per salvare la scheda è necessario indicare il nome del cane." },
    { DogRecord::Sesso, "Attenzione: per salvare la scheda è necessario indicare il sesso del cane." },
    { DogRecord::DataNasc,
        "Attenzione: per salvare la scheda è necessario indicare la data di nascita del cane "
        "nel formato gg/mm/aaaa." },
    { DogRecord::Gruppo,
        "Attenzione: per salvare la scheda è necessario indicare il gruppo di appartenenza del cane." },
    { DogRecord::Razza, "Attenzione: per salvare la scheda è necessario indicare la razza del cane." },
};

// Keeps a box trimmed and in capitals after every change.
void keepTidy(QLineEdit *box)
{
    QObject::connect(box, &QLineEdit::textChanged, box, [box] { CapitalsBox::tidy(box); });
}

// Enter in each box moves to the next one; from the last, to what end() names.
void linkInOrder(EnterKeyRing *ring, const QList<QLineEdit *> &boxes, EnterKeyRing::Target end)
{
    if (boxes.isEmpty()) // the documents section has buttons only
        return;
    for (qsizetype i = 0; i + 1 < boxes.size(); ++i)
        ring->link(boxes[i], [next = boxes[i + 1]] { return next; });
    ring->link(boxes.last(), std::move(end));
}

} // namespace

frmCani::frmCani(AppContext &context, QWidget *mainMenu)
    : ArchiveWindow(QStringLiteral("frmCani"), QStringLiteral(" Zampora - Anagrafica Cani"), mainMenu)
    , m_context(context)
    , m_form(this)
    , m_fields(this, DogRecord::layout())
    , m_healthBadge(new HealthBadge(m_form.btnSalute))
{
    holdCard(context.platform.messages, *this,
        { DogRecord::layout(), [&context] { return context.folder.filePath(DogRecord::fileName); },
            m_form.lblPosizione,
            { m_form.cmdNuovo, m_form.cmdSalva, m_form.cmdDuplica, m_form.cmdPrimo, m_form.cmdIndietro,
                m_form.cmdAvanti, m_form.cmdUltimo, m_form.cmdEsci } });
    applyProcessFormats();
    for (DogRecord::Field field : { DogRecord::Sesso, DogRecord::DataNasc, DogRecord::CodFisc })
        keepTidy(static_cast<QLineEdit *>(m_fields.control(field)));
    connectControls();
}

void frmCani::connectControls()
{
    connect(m_form.cmdGuida, &PictureButton::clicked, this, [this] { openHelp(m_context, this, HelpPage::Dogs); });
    connect(m_form.btnCodFisc, &PictureButton::clicked, this, &frmCani::btnCodFiscClick);
    connect(m_form.cmdTrova, &PictureButton::clicked, this, [this] {
        SearchWindow::open(m_context, this, Searches::dogs(), m_context.folder.filePath(DogRecord::fileName),
            { [this](const Record &dog, qint64 position) { showRecord(dog, position); }, SearchTarget::ReplacesCard });
    });
    connect(m_form.btnCarta, &PictureButton::clicked, this, [this] {
        SearchWindow::open(m_context, this, Searches::owners(), m_context.folder.filePath(OwnerRecord::fileName),
            { [this](const Record &owner, qint64) { importOwner(owner); }, SearchTarget::FillsFields });
    });
    connect(m_form.btnCaricaFoto, &PictureButton::clicked, this, [this] { photo().loadFromFile(); });
    connect(m_form.btnSalvaFoto, &PictureButton::clicked, this, [this] { photo().saveToFile(); });
    connect(m_form.btnCancFoto, &PictureButton::clicked, this, [this] { photo().clear(); });
    connect(m_form.btnZoomFoto, &PictureButton::clicked, this, [this] { photo().zoom(); });
    connect(m_form.btnCartella, &QPushButton::clicked, this,
            [this] { openAssociatedFolder(m_context, this, position()); });
    connect(m_form.btnCosti, &QPushButton::clicked, this, &frmCani::btnCostiClick);
    connect(m_form.btnPeso, &PictureButton::clicked, this, &frmCani::btnPesoClick);
    connect(m_form.btnSalute, &QPushButton::clicked, this, &frmCani::btnSaluteClick);
    connect(m_form.btnPedigree, &QPushButton::clicked, this, &frmCani::btnPedigreeClick);
    connect(m_form.cmdFile, &PictureButton::clicked, this, [this] {
        frmAllegaCartella::editCardAttachments(
            m_context, this, QStringLiteral("cani"), CardAttachments(m_fields, DogRecord::File01));
    });
    // The RTF document and the printed card are of the card as shown, saved or not.
    connect(m_form.cmdAnteprima, &PictureButton::clicked, this,
        [this] { frmCreaRTF::openForDogCard(m_context, this, m_fields.texts()); });
    connect(m_form.cmdEsporta, &PictureButton::clicked, this,
        [this] { frmExpArchivio::openForDogs(m_context, this); });
    connect(m_form.cmdStampa, &PictureButton::clicked, this, [this] {
        frmStampaCane::printDogCard(m_context, this, m_fields.texts(), m_form.imgFoto->picture());
    });
    for (int i = 0; i < int(m_form.sections.size()); ++i)
        connect(m_form.sections[i].button, &QPushButton::clicked, this, [this, i] { showSection(i); });

    // Enter walks the head, then the visible section in record order, and
    // returns to the name at the end of each section.
    auto *ring = new EnterKeyRing(this);
    linkInOrder(ring, m_form.headBoxes, [this]() -> QWidget * {
        for (const DogCardForm::Section &section : m_form.sections)
            if (section.panel->isVisibleTo(this))
                return section.first;
        return nullptr;
    });
    for (const DogCardForm::Section &section : m_form.sections)
        linkInOrder(ring, section.boxes, [name = m_form.headBoxes.first()] { return name; });
}

void frmCani::resizeEvent(QResizeEvent *)
{
    m_form.fitTo(this);
}

void frmCani::blankValues()
{
    m_fields.clear(0, DogRecord::FieldCount - 1);
    startNewCard();
    showHealthBadge();
}

void frmCani::startNewCard()
{
    m_form.imgFoto->showPlaceholder();
    showSection(DogCardForm::Psicosomatica);
    m_form.headBoxes.first()->setFocus();
}

void frmCani::showSection(int shown)
{
    for (int i = 0; i < int(m_form.sections.size()); ++i) {
        m_form.sections[i].panel->setVisible(i == shown);
        m_form.sections[i].button->setEnabled(i != shown);
    }
    m_form.sections[shown].first->setFocus();
}

void frmCani::showRecord(const Record &record, qint64 position)
{
    controller().show(record, position);
}

void frmCani::showValues(const Record &record)
{
    m_fields.show(record);
    CaricaFotoAlbum();
    showHealthBadge();
}

void frmCani::importOwner(const Record &owner)
{
    constexpr std::pair<DogRecord::Field, OwnerRecord::Field> ownerFields[] = {
        { DogRecord::Proprietario, OwnerRecord::Cliente },
        { DogRecord::Recapito, OwnerRecord::Recapito },
        { DogRecord::CodFisc, OwnerRecord::CodFisc },
        { DogRecord::ComuneRes, OwnerRecord::ComuneRes },
    };
    for (const auto &[dogField, ownerField] : ownerFields)
        m_fields.setValue(dogField, owner.value(ownerField));
}

bool frmCani::requiredFieldsFilled()
{
    for (const auto &[field, warning] : requiredFields) {
        QLineEdit *box = m_form.headBoxes[field];
        if (trimmedText(box->text()).isEmpty()) {
            m_context.platform.messages.warning(this, QString::fromUtf8(warning));
            box->setFocus();
            return false;
        }
    }
    return true;
}

std::optional<Record> frmCani::checkedRecord()
{
    if (!requiredFieldsFilled())
        return std::nullopt;
    return m_fields.record();
}

void frmCani::afterSave()
{
    SalvaFotoAlbum();
    showHealthBadge();
}

bool frmCani::startCopy()
{
    // The copy keeps the 54 values but none of the attachments, which
    // belong to the stored card, nor the photo.
    m_fields.clear(DogRecord::File01, DogRecord::Desc03);
    startNewCard();
    showHealthBadge(); // the copy has no booklet of its own
    return true;
}

void frmCani::btnCodFiscClick()
{
    openTaxCodeCheck(m_context, this, m_fields.value(DogRecord::CodFisc));
}

void frmCani::btnPedigreeClick()
{
    // The pedigree of the card as shown, saved or not: its place in the
    // archive only tells its own card apart from a namesake's.
    const Record shown = m_fields.record();
    std::optional<qint64> stored;
    if (const std::optional<qint64> position = controller().position())
        stored = *position - 1; // the tree counts records from 0
    frmPedigree::open(m_context, this, Pedigree::Root::of(RecordView(DogRecord::layout(), shown.data()), stored));
}

bool frmCani::opensDogLog(const char *what)
{
    // The costs, the weight log and the health booklet belong to a stored
    // position and are shown under the dog's name and breed, so all three
    // must be there.
    if (position().isEmpty()) {
        m_context.platform.messages.warning(this,
            QString::fromUtf8("Attenzione: la gestione %1 può avvenire soltanto dopo che la scheda del "
                              "cane è stata salvata in archivio.")
                .arg(QString::fromUtf8(what)));
        return false;
    }
    const std::pair<DogRecord::Field, const char *> namedBy[] = {
        { DogRecord::Nome, "Attenzione: per accedere alla gestione %1 è necessario indicare il nome del cane." },
        { DogRecord::Razza, "Attenzione: per accedere alla gestione %1 è necessario indicare la razza del cane." },
    };
    for (const auto &[field, warning] : namedBy) {
        QLineEdit *box = m_form.headBoxes[field];
        if (trimmedText(box->text()).isEmpty()) {
            m_context.platform.messages.warning(this, QString::fromUtf8(warning).arg(QString::fromUtf8(what)));
            box->setFocus();
            return false;
        }
    }
    return true;
}

void frmCani::btnCostiClick()
{
    if (!opensDogLog("dei costi"))
        return;
    frmCostiCane costs(m_context, this,
        { m_form.headBoxes[DogRecord::Nome]->text(), m_form.headBoxes[DogRecord::Razza]->text(), position() });
    costs.exec();
}

void frmCani::btnPesoClick()
{
    if (!opensDogLog("delle pesate"))
        return;
    frmPesoCane weights(m_context, this,
        { m_form.headBoxes[DogRecord::Nome]->text(), m_form.headBoxes[DogRecord::Razza]->text(), position(),
            m_form.headBoxes[DogRecord::DataNasc]->text() },
        [this](const QString &weight) { m_fields.setValue(DogRecord::Peso, weight); });
    weights.exec();
}

void frmCani::btnSaluteClick()
{
    if (!opensDogLog("del libretto sanitario"))
        return;
    // The booklet shows the card's values as they are now, saved or not.
    frmSaluteCane booklet(m_context, this, m_fields.texts(), position().toLongLong());
    booklet.exec();
    showHealthBadge();
}

void frmCani::showHealthBadge()
{
    m_healthBadge->showFor(m_context, position());
}

PhotoActions frmCani::photo()
{
    return PhotoActions(m_context, this, m_form.imgFoto);
}

QStringList frmCani::cardValues() const
{
    // A picture keeps its key until it is replaced, so the key tells a
    // loaded or removed photo from the one shown with the record.
    return m_fields.values() << QString::number(m_form.imgFoto->picture().cacheKey());
}

void frmCani::CaricaFotoAlbum()
{
    photo().showAlbumPhoto(position());
}

void frmCani::SalvaFotoAlbum()
{
    photo().storeAlbumPhoto(position());
}
