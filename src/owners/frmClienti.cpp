#include "owners/frmClienti.h"
#include "owners/frmRicontatta.h"
#include "search/SearchWindow.h"
#include "search/Searches.h"

#include "checks/OpenCheck.h"
#include "checks/frmCarta.h"
#include "checks/frmIban.h"
#include "checks/frmPartitaIva.h"
#include "dogs/frmAllegaCartella.h"
#include "export/frmExpArchivio.h"
#include "help/Help.h"
#include "owners/ProvinceBox.h"
#include "platform/AppContext.h"
#include "report/printing/CardPrinting.h"
#include "report/printing/ScreenValues.h"
#include "storage/Record.h"
#include "storage/ShortText.h"
#include "ui/AllowedCharacters.h"
#include "ui/CapitalsBox.h"
#include "ui/EnterKeyRing.h"
#include "ui/FocusLeave.h"
#include "ui/FocusRectangles.h"
#include "ui/PictureButton.h"

#include <QCheckBox>
#include <QEvent>
#include <QLineEdit>
#include <QUrl>

using namespace OwnerRecord;

namespace {

// The address alone follows "mailto:": characters that would start a header
// of the link ("?", "&", "#") or escape ("%") are written as escapes, so a
// stored address never adds a subject, a copy or an attachment to the message.
QString mailtoLink(const QString &address)
{
    return QStringLiteral("mailto:")
        + QString::fromLatin1(QUrl::toPercentEncoding(address, QByteArrayLiteral("@!$'()*+,;=:")));
}

} // namespace

frmClienti::frmClienti(AppContext &context, QWidget *mainMenu)
    : ArchiveWindow(
        QStringLiteral("frmClienti"), QStringLiteral(" Zampora - Anagrafica Proprietari"), mainMenu)
    , m_context(context)
    , m_form(this)
    , m_fields(this, OwnerRecord::layout())
{
    holdCard(context.platform.messages, *this,
        { OwnerRecord::layout(), [&context] { return context.folder.filePath(fileName); }, m_form.lblPosizione,
            { m_form.cmdNuovo, m_form.cmdSalva, m_form.cmdDuplica, m_form.cmdPrimo, m_form.cmdIndietro,
                m_form.cmdAvanti, m_form.cmdUltimo, m_form.cmdEsci } });
    connectControls();
    setTypingRules();
    setFocusOrder();
}

QLineEdit *frmClienti::box(Field field) const
{
    return static_cast<QLineEdit *>(m_fields.control(field));
}

void frmClienti::connectControls()
{
    connect(m_form.cmdFile, &PictureButton::clicked, this, &frmClienti::cmdFileClick);
    connect(m_form.cmdEsporta, &PictureButton::clicked, this,
        [this] { frmExpArchivio::openForOwners(m_context, this); });
    connect(m_form.cmdGuida, &PictureButton::clicked, this, [this] { openHelp(m_context, this, HelpPage::Owners); });
    connect(m_form.btnEmail, &PictureButton::clicked, this, &frmClienti::btnEmailClick);
    connect(m_form.btnCodFisc, &PictureButton::clicked, this, &frmClienti::btnCodFiscClick);
    connect(m_form.btnCarta, &PictureButton::clicked, this, &frmClienti::btnCartaClick);
    connect(m_form.btnPartitaIva, &PictureButton::clicked, this, &frmClienti::btnPartitaIvaClick);
    connect(m_form.btnIban, &PictureButton::clicked, this, &frmClienti::btnIbanClick);
    connect(m_form.cmdTrova, &PictureButton::clicked, this, [this] {
        SearchWindow::open(m_context, this, Searches::owners(), m_context.folder.filePath(OwnerRecord::fileName),
            { [this](const Record &owner, qint64 position) { showRecord(owner, position); }, SearchTarget::ReplacesCard });
    });
    connect(m_form.cmdRicontatta, &PictureButton::clicked, this, [this] {
        frmRicontatta::open(m_context, this, [this](const Record &owner, qint64 position) { showRecord(owner, position); });
    });
    const auto onClick = [this](PictureButton *button, void (*action)(AppContext &, QWidget *, const ScreenValues &)) {
        connect(button, &PictureButton::clicked, this, [this, action] { action(m_context, this, valuesOnScreen(this)); });
    };
    onClick(m_form.cmdStampa, CardPrinting::printOwnerCard);
    onClick(m_form.cmdAnteprima, CardPrinting::previewOwnerCard);
    onClick(m_form.cmdPDF, CardPrinting::exportOwnerCardPdf);
}

void frmClienti::setTypingRules()
{
    // Province boxes keep their own rules (ProvinceBox).
    connect(box(Sesso), &QLineEdit::textEdited, this, [this] { CapitalsBox::capitalise(box(Sesso)); });
    connect(box(Email), &QLineEdit::textEdited, this, [this] { CapitalsBox::trim(box(Email)); });
    for (Field field : { CodFisc, Iban })
        connect(box(field), &QLineEdit::textEdited, this, [this, field] { CapitalsBox::tidy(box(field)); });
    for (Field field : { Carta, PartitaIva })
        AllowedCharacters::install(box(field), AllowedCharacters::digits);
    box(CapRes)->installEventFilter(this);
    whenFocusLeaves(box(Email), [this] { CapitalsBox::trim(box(Email)); });
}

bool frmClienti::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == box(CapRes) && event->type() == QEvent::KeyRelease)
        CapitalsBox::capitalise(box(CapRes));
    return ArchiveWindow::eventFilter(watched, event);
}

void frmClienti::setFocusOrder()
{
    // Enter walks the boxes in record order, from the notes back to the name,
    // skipping the check box; Tab takes the same path with the check box
    // between the pending questions and the notes.
    QList<QWidget *> boxes;
    for (int field = Cliente; field <= Note; ++field)
        boxes.append(m_fields.control(field));
    auto *ring = new EnterKeyRing(this);
    auto *highlight = new FocusRectangles(this);
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        ring->link(boxes[i], [next = boxes[(i + 1) % boxes.size()]] { return next; });
        highlight->add(boxes[i]);
    }
    QWidget *previous = nullptr;
    for (QWidget *next : boxes) {
        if (next == box(Note))
            QWidget::setTabOrder(std::exchange(previous, m_form.chkRicontatta), m_form.chkRicontatta);
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

void frmClienti::resizeEvent(QResizeEvent *)
{
    m_form.fitTo(this);
}

void frmClienti::blankValues()
{
    m_fields.clear(0, FieldCount - 1);
    box(Cliente)->setFocus();
}

void frmClienti::showRecord(const Record &record, qint64 position)
{
    controller().show(record, position);
}

std::optional<Record> frmClienti::checkedRecord()
{
    if (m_fields.value(Cliente).isEmpty()) {
        m_context.platform.messages.warning(this,
            QString::fromUtf8(
                "Attenzione: per salvare la scheda è necessario indicare il nome del proprietario."));
        box(Cliente)->setFocus();
        return std::nullopt;
    }
    return m_fields.record();
}

bool frmClienti::startCopy()
{
    // The attachments belong to the stored card: they are gone even when the
    // archive cannot be reached.
    m_fields.clear(File01, Desc03);
    if (!controller().reachFile())
        return false;
    box(Cliente)->setFocus();
    return true;
}

void frmClienti::cmdFileClick()
{
    frmAllegaCartella::editCardAttachments(
        m_context, this, QStringLiteral("clienti"), CardAttachments(m_fields, File01));
}

void frmClienti::btnEmailClick()
{
    m_context.platform.shell.openUrl(mailtoLink(m_fields.value(Email)));
}

void frmClienti::btnCodFiscClick()
{
    openTaxCodeCheck(m_context, this, m_fields.value(CodFisc));
}

void frmClienti::btnCartaClick()
{
    openCheckWindow<frmCarta>(m_context, this, m_fields.value(Carta));
}

void frmClienti::btnPartitaIvaClick()
{
    openCheckWindow<frmPartitaIva>(m_context, this, m_fields.value(PartitaIva));
}

void frmClienti::btnIbanClick()
{
    openCheckWindow<frmIban>(m_context, this, m_fields.value(Iban));
}
