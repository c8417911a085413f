#include "dogs/frmCani.h"

#include "app/AppContext.h"
#include "app/ProcessFormats.h"
#include "checks/OpenCheck.h"
#include "dogs/AssociatedFolder.h"
#include "dogs/PhotoActions.h"
#include "dogs/frmAllegaCartella.h"
#include "dogs/PhotoBox.h"
#include "storage/DogRecord.h"
#include "storage/Record.h"
#include "storage/RecordFile.h"
#include "storage/ShortText.h"
#include "ui/CapitalsBox.h"
#include "ui/EnterKeyRing.h"
#include "ui/FileActionGuard.h"
#include "ui/PictureButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

const char emptyArchive[] = "L'archivio non contiene nessuna scheda.";

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
{
    applyProcessFormats();
    for (const FieldSpec &field : DogRecord::layout().fields()) {
        const QString prefix = findChild<QLineEdit *>(QStringLiteral("txt") + QString(field.name))
            ? QStringLiteral("txt")
            : QStringLiteral("lbl");
        m_fieldControls.append(findChild<QWidget *>(prefix + QString(field.name)));
        Q_ASSERT(m_fieldControls.last());
    }
    for (DogRecord::Field field : { DogRecord::Sesso, DogRecord::DataNasc, DogRecord::CodFisc })
        keepTidy(static_cast<QLineEdit *>(m_fieldControls[field]));
    connectControls();
}

void frmCani::connectControls()
{
    connect(m_form.cmdNuovo, &PictureButton::clicked, this, &frmCani::cmdNuovoClick);
    connect(m_form.cmdSalva, &PictureButton::clicked, this, &frmCani::cmdSalvaClick);
    connect(m_form.cmdDuplica, &PictureButton::clicked, this, &frmCani::cmdDuplicaClick);
    connect(m_form.cmdPrimo, &PictureButton::clicked, this, &frmCani::cmdPrimoClick);
    connect(m_form.cmdIndietro, &PictureButton::clicked, this, &frmCani::cmdIndietroClick);
    connect(m_form.cmdAvanti, &PictureButton::clicked, this, &frmCani::cmdAvantiClick);
    connect(m_form.cmdUltimo, &PictureButton::clicked, this, &frmCani::cmdUltimoClick);
    connect(m_form.cmdEsci, &PictureButton::clicked, this, &QWidget::close);
    connect(m_form.btnCodFisc, &PictureButton::clicked, this, &frmCani::btnCodFiscClick);
    connect(m_form.btnCaricaFoto, &PictureButton::clicked, this, [this] { photo().loadFromFile(); });
    connect(m_form.btnSalvaFoto, &PictureButton::clicked, this, [this] { photo().saveToFile(); });
    connect(m_form.btnCancFoto, &PictureButton::clicked, this, [this] { photo().clear(); });
    connect(m_form.btnZoomFoto, &PictureButton::clicked, this, [this] { photo().zoom(); });
    connect(m_form.btnCartella, &QPushButton::clicked, this,
            [this] { openAssociatedFolder(m_context, this, position()); });
    connect(m_form.cmdFile, &PictureButton::clicked, this,
            [this] { frmAllegaCartella::editCardAttachments(m_context, this, QStringLiteral("cani")); });
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

void frmCani::showEvent(QShowEvent *event)
{
    ArchiveWindow::showEvent(event);
    // Restoring the window from the task bar is not opening it: the card stays.
    if (!event->spontaneous())
        PulisciScheda();
}

void frmCani::resizeEvent(QResizeEvent *)
{
    m_form.fitTo(this);
}

QString frmCani::position() const
{
    return trimmedText(m_form.lblPosizione->text());
}

qint64 frmCani::shownPosition() const
{
    return position().toLongLong(); // 0 for a blank label
}

QString frmCani::archivePath() const
{
    return m_context.folder.filePath(DogRecord::fileName);
}

void frmCani::PulisciScheda()
{
    for (QWidget *control : std::as_const(m_fieldControls))
        control->setProperty("text", QString());
    startNewCard();
}

void frmCani::startNewCard()
{
    m_form.lblPosizione->clear();
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
    for (int field = 0; field < m_fieldControls.size(); ++field) {
        m_fieldControls[field]->setProperty("text", record.value(field));
        if (auto *box = qobject_cast<QLineEdit *>(m_fieldControls[field]))
            box->home(false); // long values show their beginning
    }
    m_form.lblPosizione->setText(QString::number(position));
    CaricaFotoAlbum();
}

template<typename Choose> frmCani::Move frmCani::navigate(Choose choose)
{
    Record record(DogRecord::layout());
    Move move { Move::Stay };
    qint64 position = 0;
    const bool done = runFileAction(m_context.platform.messages, this, MessageBoxes::Kind::Error, [&] {
        RecordFile file;
        file.openOrCreate(archivePath(), DogRecord::recordSize);
        const qint64 count = file.recordCount();
        move = count == 0 ? Move { Move::Empty } : choose(shownPosition(), count);
        if (move.kind == Move::Show) {
            file.seekRecord(move.index);
            file.readNext(record);
            position = file.currentIndex();
        }
        file.closeFile();
    });
    if (!done)
        return { Move::Stay };
    if (move.kind == Move::Show)
        showRecord(record, position);
    return move;
}

void frmCani::cmdPrimoClick()
{
    if (navigate([](qint64, qint64) { return Move { Move::Show, 0 }; }).kind == Move::Empty)
        m_context.platform.messages.information(this, QString::fromUtf8(emptyArchive));
}

void frmCani::cmdUltimoClick()
{
    if (navigate([](qint64, qint64 count) { return Move { Move::Show, count - 1 }; }).kind == Move::Empty)
        m_context.platform.messages.information(this, QString::fromUtf8(emptyArchive));
}

void frmCani::cmdAvantiClick()
{
    // A new card (blank label, 0) stands before the first record.
    const Move move = navigate([](qint64 shown, qint64 count) {
        return shown < count ? Move { Move::Show, shown } : Move { Move::Stay };
    });
    if (move.kind == Move::Empty) {
        m_form.lblPosizione->clear();
        m_context.platform.messages.information(this, QString::fromUtf8(emptyArchive));
    }
}

void frmCani::cmdIndietroClick()
{
    // The first card stays whatever the archive holds; a new card goes to the
    // first record. A position beyond the end (the archive was replaced behind
    // the card's back) goes to the last record rather than reading past the end.
    const bool onFirst = position() == QLatin1String("1");
    const Move move = navigate([onFirst](qint64 shown, qint64 count) {
        if (onFirst)
            return Move { Move::Stay };
        return Move { Move::Show, std::clamp<qint64>(shown - 2, 0, count - 1) };
    });
    if (move.kind == Move::Empty && !onFirst)
        m_context.platform.messages.information(this, QString::fromUtf8(emptyArchive));
}

void frmCani::cmdNuovoClick()
{
    PulisciScheda();
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

void frmCani::cmdSalvaClick()
{
    if (!requiredFieldsFilled())
        return;
    Record record(DogRecord::layout());
    for (int field = 0; field < m_fieldControls.size(); ++field)
        record.setValue(field, m_fieldControls[field]->property("text").toString());

    const qint64 shown = shownPosition();
    bool replaced = false;
    qint64 saved = 0;
    const bool done = runFileAction(m_context.platform.messages, this, MessageBoxes::Kind::Error, [&] {
        RecordFile file;
        file.openOrCreate(archivePath(), DogRecord::recordSize);
        const qint64 count = file.recordCount();
        // A position beyond the end means the archive was replaced or cut
        // behind the card's back: writing there would leave a gap of records
        // that never existed, so the card is appended as a new record instead.
        replaced = shown > 0 && shown <= count;
        file.seekRecord(replaced ? shown - 1 : count);
        file.writeNext(record);
        saved = file.currentIndex();
        file.closeFile();
    });
    if (!done)
        return;
    m_form.lblPosizione->setText(QString::number(saved));
    SalvaFotoAlbum();
    m_context.platform.messages.information(this,
        replaced
            ? QString::fromUtf8("Le modifiche apportate alla scheda corrente sono state salvate in archivio.")
            : QString::fromUtf8("La scheda corrente è stata inserita in archivio."));
}

void frmCani::cmdDuplicaClick()
{
    if (position().isEmpty()) {
        m_context.platform.messages.warning(this,
            QString::fromUtf8("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che "
                              "questa è stata inserita in archivio."));
        return;
    }
    // The copy keeps the 54 values but none of the attachments, which
    // belong to the stored card.
    for (int field = DogRecord::File01; field <= DogRecord::Desc03; ++field)
        m_fieldControls[field]->setProperty("text", QString());
    startNewCard();
    m_context.platform.messages.information(this,
        QString::fromUtf8("E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
                          "Al termine premere Salva per inserire la scheda in archivio."));
}

void frmCani::btnCodFiscClick()
{
    openTaxCodeCheck(m_context, this, m_fieldControls[DogRecord::CodFisc]->property("text").toString());
}

PhotoActions frmCani::photo()
{
    return PhotoActions(m_context, this, m_form.imgFoto);
}

void frmCani::CaricaFotoAlbum()
{
    photo().showAlbumPhoto(position());
}

void frmCani::SalvaFotoAlbum()
{
    photo().storeAlbumPhoto(position());
}
