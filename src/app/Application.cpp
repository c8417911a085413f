#include "app/Application.h"

#include "app/BackupActions.h"
#include "app/Help.h"
#include "app/MakerLinks.h"
#include "app/frmAvvio.h"
#include "app/frmCambiaPassword.h"
#include "app/frmInfo.h"
#include "app/frmPassword.h"
#include "app/frmSplash.h"
#include "dogs/frmCani.h"
#include "owners/frmClienti.h"
#include "schedule/frmScadenzario.h"

Application::Application(AppContext context)
    : m_context(std::move(context))
    , m_password(std::make_unique<frmPassword>(m_context))
    , m_mainMenu(std::make_unique<frmAvvio>())
    , m_changePassword(std::make_unique<frmCambiaPassword>(m_context))
{
    connect(m_password.get(), &frmPassword::accepted, this, &Application::enterMainMenu);
    connect(m_password.get(), &frmPassword::exitRequested, this, &Application::quitRequested);
    connect(m_password.get(), &frmPassword::changeRequested, this, [this] {
        m_changePassword->show();
        m_password->hide();
    });
    connect(m_changePassword.get(), &frmCambiaPassword::closed, m_password.get(), &frmPassword::showEmpty);
    connect(m_mainMenu.get(), &frmAvvio::ownersRequested, this, [this] { switchFromMenuTo(&owners()); });
    connect(m_mainMenu.get(), &frmAvvio::dogsRequested, this, [this] { switchFromMenuTo(&dogs()); });
    connect(m_mainMenu.get(), &frmAvvio::scheduleRequested, this, [this] { switchFromMenuTo(&schedule()); });
    connect(m_mainMenu.get(), &frmAvvio::websiteRequested, this,
            [this] { m_context.platform.shell.openUrl(MakerLinks::webUrl()); });
    connect(m_mainMenu.get(), &frmAvvio::infoRequested, this, [this] {
        frmInfo window(m_context, m_mainMenu.get());
        window.exec();
    });
    connect(m_mainMenu.get(), &frmAvvio::splashRequested, this, [this] {
        frmSplash window(m_context, m_mainMenu.get());
        window.exec();
    });
    connect(m_mainMenu.get(), &frmAvvio::helpRequested, this,
            [this] { openHelp(m_context, m_mainMenu.get(), HelpPage::MainMenu); });
    connect(m_mainMenu.get(), &frmAvvio::exitRequested, this, &Application::quitRequested);
    connect(m_mainMenu.get(), &frmAvvio::backupRequested, this,
            [this] { BackupActions::backUp(m_context, m_mainMenu.get()); });
    connect(m_mainMenu.get(), &frmAvvio::restoreRequested, this,
            [this] { BackupActions::restore(m_context, m_mainMenu.get()); });
}

Application::~Application() = default;

namespace {

template<typename Window>
Window &madeOnce(std::unique_ptr<Window> &window, AppContext &context, QWidget *mainMenu)
{
    if (!window)
        window = std::make_unique<Window>(context, mainMenu);
    return *window;
}

} // namespace

frmClienti &Application::owners()
{
    return madeOnce(m_owners, m_context, m_mainMenu.get());
}

frmCani &Application::dogs()
{
    return madeOnce(m_dogs, m_context, m_mainMenu.get());
}

frmScadenzario &Application::schedule()
{
    return madeOnce(m_schedule, m_context, m_mainMenu.get());
}

void Application::start()
{
    m_password->show();
}

void Application::enterMainMenu()
{
    m_mainMenu->showMaximized();
    m_password->hide();
}

void Application::switchFromMenuTo(QWidget *archive)
{
    archive->showMaximized();
    m_mainMenu->hide();
}
