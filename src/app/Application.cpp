#include "app/Application.h"

#include "app/BackupActions.h"
#include "app/frmAvvio.h"
#include "app/frmCambiaPassword.h"
#include "app/frmPassword.h"
#include "dogs/frmCani.h"
#include "dogs/frmSaluteCane.h"
#include "help/Help.h"
#include "help/MakerLinks.h"
#include "help/frmInfo.h"
#include "help/frmSplash.h"
#include "owners/frmClienti.h"
#include "schedule/frmScadenzario.h"

Application::Application(AppContext context)
    : m_context(std::move(context))
    , m_password(std::make_unique<frmPassword>(m_context))
{
    connect(m_password.get(), &frmPassword::accepted, this, &Application::enterMainMenu);
    connect(m_password.get(), &frmPassword::exitRequested, this, &Application::quitRequested);
    connect(m_password.get(), &frmPassword::changeRequested, this, [this] {
        changePassword().show();
        m_password->hide();
    });
}

frmAvvio &Application::mainMenu()
{
    if (m_mainMenu)
        return *m_mainMenu;
    m_mainMenu = std::make_unique<frmAvvio>();
    frmAvvio *menu = m_mainMenu.get();
    connect(menu, &frmAvvio::ownersRequested, this, [this] { switchFromMenuTo(&owners()); });
    connect(menu, &frmAvvio::dogsRequested, this, [this] { switchFromMenuTo(&dogs()); });
    connect(menu, &frmAvvio::scheduleRequested, this, [this] { switchFromMenuTo(&schedule()); });
    connect(menu, &frmAvvio::websiteRequested, this, [this] { m_context.platform.shell.openUrl(MakerLinks::webUrl()); });
    connect(menu, &frmAvvio::infoRequested, this, [this, menu] {
        frmInfo window(m_context, menu);
        window.exec();
    });
    connect(menu, &frmAvvio::splashRequested, this, [this, menu] {
        frmSplash window(m_context, menu);
        window.exec();
    });
    connect(menu, &frmAvvio::helpRequested, this, [this, menu] { openHelp(m_context, menu, HelpPage::MainMenu); });
    connect(menu, &frmAvvio::exitRequested, this, &Application::quitRequested);
    connect(menu, &frmAvvio::backupRequested, this, [this, menu] { BackupActions::backUp(m_context, menu); });
    connect(menu, &frmAvvio::restoreRequested, this, [this, menu] { BackupActions::restore(m_context, menu); });
    return *menu;
}

frmCambiaPassword &Application::changePassword()
{
    if (!m_changePassword) {
        m_changePassword = std::make_unique<frmCambiaPassword>(m_context);
        connect(m_changePassword.get(), &frmCambiaPassword::closed, m_password.get(), &frmPassword::showEmpty);
    }
    return *m_changePassword;
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
    return madeOnce(m_owners, m_context, &mainMenu());
}

frmCani &Application::dogs()
{
    return madeOnce(m_dogs, m_context, &mainMenu());
}

frmScadenzario &Application::schedule()
{
    if (!m_schedule) {
        m_schedule = std::make_unique<frmScadenzario>(m_context, &mainMenu());
        // A health booklet's row of the imminent list opens the dog's booklet
        // on that entry: the schedule knows the positions, the dogs the window.
        m_schedule->setHealthEntryOpener([this](QWidget *parent, qint64 dog, qint64 entry) {
            frmSaluteCane::openOn(m_context, parent, dog, entry);
        });
    }
    return *m_schedule;
}

void Application::start()
{
    m_password->show();
}

void Application::enterMainMenu()
{
    mainMenu().showMaximized();
    m_password->hide();
}

void Application::switchFromMenuTo(QWidget *archive)
{
    archive->showMaximized();
    m_mainMenu->hide();
}
