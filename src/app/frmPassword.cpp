#include "app/frmPassword.h"

#include "app/PasswordLook.h"
#include "core/AccessPassword.h"
#include "platform/AppContext.h"
#include "storage/ProgramFolder.h"
#include "storage/ShortText.h"
#include "ui/Centring.h"
#include "ui/FocusRectangles.h"
#include "ui/Theme.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmPassword::frmPassword(AppContext &context)
    : m_context(context)
{
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(QStringLiteral(" Zampora - Autenticazione"));
    QVBoxLayout *column = PasswordLook::frame(this, { 440, 262 });
    QWidget *panel = column->parentWidget();
    auto *rectangles = new FocusRectangles(this);

    auto *instruction = new QLabel(QStringLiteral("Immetti la password e premi OK."), panel);
    instruction->setObjectName(QStringLiteral("lblIstruzioni"));
    instruction->setFont(Theme::font(Theme::Font::Plain));
    instruction->setAlignment(Qt::AlignCenter);
    m_txtPassword = PasswordLook::passwordBox("txtPassword", panel, *rectangles);
    m_cmdOK = PasswordLook::button("cmdOK", QStringLiteral("OK"), panel);
    QPushButton *cmdEsci = PasswordLook::button("cmdEsci", QStringLiteral("Esci"), panel);
    QPushButton *btnCambiaPassword
        = PasswordLook::button("btnCambiaPassword", QStringLiteral("Cambia password"), panel);
    btnCambiaPassword->setMinimumWidth(140);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnCambiaPassword);
    buttons->addStretch();
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(cmdEsci);
    column->addWidget(instruction);
    column->addWidget(m_txtPassword);
    column->addStretch();
    column->addLayout(buttons);

    m_cmdOK->setEnabled(false);
    // Enter goes to the box's returnPressed alone, never to a default button.
    m_cmdOK->setAutoDefault(false);
    cmdEsci->setAutoDefault(false);
    btnCambiaPassword->setAutoDefault(false);
    connect(m_txtPassword, &QLineEdit::textChanged, this, &frmPassword::followText);
    m_txtPassword->installEventFilter(this);
    connect(m_txtPassword, &QLineEdit::returnPressed, this, [this] {
        if (hasPassword())
            cmdOKClick();
    });
    connect(m_cmdOK, &QPushButton::clicked, this, &frmPassword::cmdOKClick);
    connect(cmdEsci, &QPushButton::clicked, this, &frmPassword::cmdEsciClick);
    connect(btnCambiaPassword, &QPushButton::clicked, this, &frmPassword::changeRequested);

    move(centredIn(context.platform.screen.size(), size()));
}

void frmPassword::showEmpty()
{
    m_txtPassword->clear();
    show();
    m_txtPassword->setFocus(Qt::OtherFocusReason);
}

bool frmPassword::hasPassword() const
{
    return !trimmedText(m_txtPassword->text()).isEmpty();
}

void frmPassword::followText()
{
    m_cmdOK->setEnabled(hasPassword());
}

void frmPassword::cmdOKClick()
{
    using Store = AccessPassword::Store;
    const Store store(m_context.folder.filePath(QString::fromLatin1(settingsFileName)));
    switch (store.verify(m_txtPassword->text())) {
    case Store::Verification::Accepted:
        Q_EMIT accepted();
        return;
    case Store::Verification::Refused:
        m_context.platform.messages.notice(this, QStringLiteral("Attenzione: password errata."));
        m_txtPassword->clear();
        m_txtPassword->setFocus(Qt::OtherFocusReason);
        return;
    case Store::Verification::SettingsMissing:
        m_context.platform.messages.notice(this, AccessPassword::settingsMissingMessage(store.path()));
        return;
    case Store::Verification::ReadFailed:
        m_context.platform.messages.notice(this,
            QStringLiteral("Attenzione: si è verificato un errore durante la procedura di lettura della "
                           "password. Si consiglia di reinstallare il software."));
        return;
    }
}

void frmPassword::cmdEsciClick()
{
    close();
    Q_EMIT exitRequested();
}

void frmPassword::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_txtPassword->setFocus(Qt::OtherFocusReason);
}

// The title bar cannot close the window; "Esci" and the end of the
// application can.
void frmPassword::closeEvent(QCloseEvent *event)
{
    event->setAccepted(!event->spontaneous());
}

bool frmPassword::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_txtPassword && event->type() == QEvent::KeyRelease)
        followText();
    return QWidget::eventFilter(watched, event);
}
