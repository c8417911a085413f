#include "dogs/frmAllegaCartella.h"

#include "dogs/DogFolders.h"
#include "platform/AppContext.h"
#include "storage/ShortText.h"
#include "ui/Centring.h"
#include "ui/PictureButton.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSvgWidget>

namespace {

constexpr QSize windowSize(634, 534);

QString numbered(const char *stem, int number)
{
    return QStringLiteral("%1%2").arg(QLatin1StringView(stem)).arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace

// One slot of the window: the name of a file in the attachment folder, the
// buttons that choose, open and forget it, and its description.
class AttachmentSlot : public QWidget
{
public:
    AttachmentSlot(AppContext &context, int number, QWidget *parent);

    Attachment value() const { return { trimmedText(m_name->text()), trimmedText(m_description->text()) }; }
    void setValue(const Attachment &attachment);

private:
    void browse();
    void openFile();
    void updateOpenButton();

    AppContext &m_context;
    QLineEdit *m_name;
    QLineEdit *m_description;
    QPushButton *m_open;
};

AttachmentSlot::AttachmentSlot(AppContext &context, int number, QWidget *parent)
    : QWidget(parent)
    , m_context(context)
{
    m_name = new QLineEdit(this);
    m_name->setObjectName(numbered("txtFile", number));
    m_name->setReadOnly(true);
    QFont bold = m_name->font();
    bold.setBold(true);
    m_name->setFont(bold);
    QPalette grey = m_name->palette();
    grey.setColor(QPalette::Text, Qt::darkGray);
    m_name->setPalette(grey);

    auto *forget
        = new PictureButton(numbered("imgCancella", number), QStringLiteral(":/dogs/photo/delete.svg"), this);
    forget->setFixedSize(22, 22);
    forget->setAccessibleName(QStringLiteral("Cancella"));
    auto *browse = new QPushButton(QStringLiteral("Sfoglia..."), this);
    browse->setObjectName(numbered("btnSfoglia", number));
    m_open = new QPushButton(QStringLiteral("Apri"), this);
    m_open->setObjectName(numbered("btnApri", number));

    m_description = new QLineEdit(this);
    m_description->setObjectName(numbered("txtDesc", number));

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(4);
    grid->addWidget(new QLabel(QStringLiteral("Nome %1° file allegato:").arg(number), this), 0, 0, 1, 4);
    grid->addWidget(m_name, 1, 0);
    grid->addWidget(forget, 1, 1);
    grid->addWidget(browse, 1, 2);
    grid->addWidget(m_open, 1, 3);
    grid->addWidget(
        new QLabel(QStringLiteral("Descrizione %1° file allegato:").arg(number), this), 2, 0, 1, 4);
    grid->addWidget(m_description, 3, 0, 1, 4);

    connect(m_name, &QLineEdit::textChanged, this, &AttachmentSlot::updateOpenButton);
    connect(forget, &PictureButton::clicked, m_name, &QLineEdit::clear);
    connect(browse, &QPushButton::clicked, this, &AttachmentSlot::browse);
    connect(m_open, &QPushButton::clicked, this, &AttachmentSlot::openFile);
    updateOpenButton();
}

void AttachmentSlot::setValue(const Attachment &attachment)
{
    m_name->setText(trimmedText(attachment.name));
    m_description->setText(trimmedText(attachment.description));
}

void AttachmentSlot::browse()
{
    const QString chosen = m_context.platform.fileDialogs.openFile(
        window(), QStringLiteral("Selezionare il file da allegare:"), QStringLiteral("Tutti i file (*)"));
    if (chosen.isEmpty())
        return;
    // The copy is named as the card will store the name (trimmed, no folder),
    // so the two always match. The slot keeps the name even when the copy
    // below fails: the user may put the file into the folder by hand.
    const QString name = DogFolders::bareFileName(chosen);
    m_name->setText(name);
    if (!QDir().mkpath(DogFolders::attachmentFolderPath(m_context.folder)))
        return;
    const QString target = DogFolders::attachedFilePath(m_context.folder, name);
    const QFileInfo existing(target);
    if (existing.exists()) {
        if (existing.canonicalFilePath() == QFileInfo(chosen).canonicalFilePath())
            return; // chosen from the attachment folder itself: already in place
        if (!m_context.platform.messages.question(window(),
                QStringLiteral(
                    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso "
                    "nome.\r\n\r\nSi vuole sovrascrivere il file esistente?")))
            return;
    }
    DogFolders::copyReplacing(chosen, target);
}

void AttachmentSlot::openFile()
{
    // Only a file inside the attachment folder is ever opened, whatever a
    // damaged or foreign archive put into the name.
    const QString path = DogFolders::attachedFilePath(m_context.folder, m_name->text());
    if (path.isEmpty() || !m_context.platform.shell.openUrl(path))
        m_context.platform.messages.error(
            window(), QStringLiteral("Attenzione: non è stato possibile aprire il file allegato."));
}

void AttachmentSlot::updateOpenButton()
{
    m_open->setEnabled(!trimmedText(m_name->text()).isEmpty());
}

frmAllegaCartella::frmAllegaCartella(
    AppContext &context, QWidget *owner, const QString &mode, const Attachments &current)
    : QDialog(owner)
{
    setObjectName(QStringLiteral("frmAllegaCartella"));
    setWindowTitle(QStringLiteral(" Allega file"));
    setFixedSize(windowSize);
    move(centredIn(context.platform.screen.size(), size()));
    setModal(true);

    auto *modeLabel = new QLabel(mode, this);
    modeLabel->setObjectName(QStringLiteral("lblMemory"));
    modeLabel->hide();

    auto *title = new QSvgWidget(QStringLiteral(":/dogs/photo/title.svg"), this);
    title->setObjectName(QStringLiteral("imgTitolo"));
    title->setFixedHeight(64);

    auto *cancel = new QPushButton(QStringLiteral("Annulla"), this);
    cancel->setObjectName(QStringLiteral("btnAnnulla"));
    auto *apply = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    apply->setObjectName(QStringLiteral("btnApplica"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(apply, &QPushButton::clicked, this, &frmAllegaCartella::apply);

    auto *content = new QVBoxLayout;
    content->setContentsMargins(20, 16, 20, 16);
    content->setSpacing(6);
    for (int slot = 0; slot < int(m_slots.size()); ++slot) {
        m_slots[slot] = new AttachmentSlot(context, slot + 1, this);
        m_slots[slot]->setValue(current[slot]);
        content->addWidget(m_slots[slot]);
        content->addStretch();
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel);
    buttons->addWidget(apply);
    content->addLayout(buttons);

    auto *page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    page->setSpacing(0);
    page->addWidget(title);
    page->addLayout(content);

    // Enter while typing a description must neither browse, apply nor cancel.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);
}

void frmAllegaCartella::editCardAttachments(
    AppContext &context, QWidget *card, const QString &mode, CardAttachments slots)
{
    frmAllegaCartella window(context, card, mode, slots.value());
    window.exec();
    if (window.applied())
        slots.set(*window.applied());
}

Attachments frmAllegaCartella::shown() const
{
    Attachments attachments;
    for (int slot = 0; slot < int(m_slots.size()); ++slot)
        attachments[slot] = m_slots[slot]->value();
    return attachments;
}

void frmAllegaCartella::apply()
{
    m_applied = shown();
    accept();
}
