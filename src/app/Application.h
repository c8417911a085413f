#pragma once

#include "platform/AppContext.h"

#include <QObject>

#include <memory>

class frmAvvio;
class frmCambiaPassword;
class frmCani;
class frmClienti;
class frmPassword;
class frmScadenzario;

// The six long-lived windows, each created once and wired together:
// password → main menu ⇄ archive windows. Only the password window is made
// at start; every other one when it is first needed, so that the first
// window appears nearly as soon as a bare one.
class Application : public QObject
{
    Q_OBJECT

public:
    explicit Application(AppContext context);
    ~Application() override;

    /// Shows the password window, the first thing the user sees.
    void start();

    frmPassword &password() const { return *m_password; }
    frmCambiaPassword &changePassword();
    frmAvvio &mainMenu();
    frmClienti &owners();
    frmCani &dogs();
    frmScadenzario &schedule();

Q_SIGNALS:
    /// The user asked to end the application.
    void quitRequested();

private:
    void enterMainMenu();
    void switchFromMenuTo(QWidget *archive);

    AppContext m_context;
    std::unique_ptr<frmPassword> m_password;
    std::unique_ptr<frmAvvio> m_mainMenu;
    std::unique_ptr<frmCambiaPassword> m_changePassword;
    std::unique_ptr<frmClienti> m_owners;
    std::unique_ptr<frmCani> m_dogs;
    std::unique_ptr<frmScadenzario> m_schedule;
};
