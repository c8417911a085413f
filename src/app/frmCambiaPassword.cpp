#include "app/frmCambiaPassword.h"

#include "app/PasswordLook.h"
#include "core/AccessPassword.h"
#include "platform/AppContext.h"
#include "storage/ProgramFolder.h"
#include "storage/ShortText.h"
#include "ui/Centring.h"
#include "ui/EnterKeyRing.h"
#include "ui/FocusRectangles.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmCambiaPassword::frmCambiaPassword(AppContext &context)
    : m_context(context)
{
    setObjectName(QStringLiteral("frmCambiaPassword"));
    setWindowTitle(QStringLiteral(" Cambia password"));
    QVBoxLayout *column = PasswordLook::frame(this, { 440, 372 });
    QWidget *panel = column->parentWidget();
    auto *rectangles = new FocusRectangles(this);

    m_txtPasswordOld = PasswordLook::passwordBox("txtPasswordOld", panel, *rectangles);
    m_txtPasswordNew = PasswordLook::passwordBox("txtPasswordNew", panel, *rectangles);
    m_txtConferma = PasswordLook::passwordBox("txtConferma", panel, *rectangles);
    const QFont labelFont(QStringLiteral("Arial"), 11, QFont::Bold);
    for (auto [box, caption] : { std::pair { m_txtPasswordOld, "Vecchia password:" },
             std::pair { m_txtPasswordNew, "Nuova password:" },
             std::pair { m_txtConferma, "Conferma nuova password:" } }) {
        auto *label = new QLabel(QString::fromLatin1(caption), panel);
        label->setFont(labelFont);
        label->setBuddy(box);
        column->addWidget(label);
        column->addWidget(box);
    }

    m_cmdOK = PasswordLook::button("cmdOK", QStringLiteral("OK"), panel);
    QPushButton *cmdEsci = PasswordLook::button("cmdEsci", QStringLiteral("Chiudi"), panel);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(cmdEsci);
    column->addStretch();
    column->addLayout(buttons);

    m_cmdOK->setEnabled(false);
    m_cmdOK->setAutoDefault(false);
    cmdEsci->setAutoDefault(false);
    for (QLineEdit *box : { m_txtPasswordOld, m_txtPasswordNew, m_txtConferma }) {
        connect(box, &QLineEdit::textChanged, this, &frmCambiaPassword::followText);
        box->installEventFilter(this);
    }
    (new EnterKeyRing(this))->chain({ m_txtPasswordOld, m_txtPasswordNew, m_txtConferma, m_txtPasswordOld });
    connect(m_cmdOK, &QPushButton::clicked, this, &frmCambiaPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &QWidget::close);

    move(centredIn(context.platform.screen.size(), size()));
}

void frmCambiaPassword::followText()
{
    bool filled = true;
    for (const QLineEdit *box : { m_txtPasswordOld, m_txtPasswordNew, m_txtConferma })
        filled = filled && !trimmedText(box->text()).isEmpty();
    m_cmdOK->setEnabled(filled);
}

void frmCambiaPassword::askNewPasswordAgain()
{
    m_txtPasswordNew->clear();
    m_txtConferma->clear();
    m_txtPasswordNew->setFocus(Qt::OtherFocusReason);
}

void frmCambiaPassword::cmdOKClick()
{
    using Store = AccessPassword::Store;
    const Store store(m_context.folder.filePath(QString::fromLatin1(settingsFileName)));
    MessageBoxes &messages = m_context.platform.messages;
    switch (store.change(m_txtPasswordOld->text(), m_txtPasswordNew->text(), m_txtConferma->text())) {
    case Store::Change::Changed:
        messages.notice(this, QStringLiteral("Modifica della password completata con successo."));
        close();
        return;
    case Store::Change::OldRefused:
        messages.notice(this, QStringLiteral("Attenzione: vecchia password errata."));
        m_txtPasswordOld->clear();
        m_txtPasswordOld->setFocus(Qt::OtherFocusReason);
        return;
    case Store::Change::NotConfirmed:
        messages.notice(this,
            QStringLiteral("Attenzione: la nuova password non è stata confermata correttamente. E' "
                           "necessario reinserire entrambi i valori."));
        askNewPasswordAgain();
        return;
    // The stored form holds 255 characters of codes 0 to 255 at most; anything
    // else would be stored damaged and lock the user out.
    case Store::Change::TooLong:
        messages.notice(this,
            QStringLiteral("Attenzione: la nuova password non può superare i %1 caratteri.")
                .arg(AccessPassword::maxLength));
        askNewPasswordAgain();
        return;
    case Store::Change::OutsideLatin1:
        messages.notice(this,
            QStringLiteral("Attenzione: la nuova password contiene caratteri che non è possibile "
                           "memorizzare, come il simbolo dell'euro. Usare soltanto lettere, anche "
                           "accentate, cifre e segni di punteggiatura comuni."));
        askNewPasswordAgain();
        return;
    case Store::Change::SettingsMissing:
        messages.notice(this, AccessPassword::settingsMissingMessage(store.path()));
        return;
    case Store::Change::Failed:
        messages.notice(this,
            QStringLiteral("Attenzione: si è verificato un errore durante la procedura di modifica della "
                           "password. Si consiglia di reinstallare il software."));
        return;
    }
}

void frmCambiaPassword::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (event->spontaneous())
        return;
    for (QLineEdit *box : { m_txtPasswordOld, m_txtPasswordNew, m_txtConferma })
        box->clear();
    m_txtPasswordOld->setFocus(Qt::OtherFocusReason);
}

// The title bar cannot close the window; "Chiudi", a change and the end of
// the application can.
void frmCambiaPassword::closeEvent(QCloseEvent *event)
{
    event->setAccepted(!event->spontaneous());
    if (event->isAccepted() && isVisible())
        Q_EMIT closed();
}

bool frmCambiaPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease)
        followText();
    return QWidget::eventFilter(watched, event);
}
