#include "AppFixture.h"

#include "app/frmAvvio.h"
#include "app/frmPassword.h"
#include "core/AccessPassword.h"
#include "storage/ProgramFolder.h"

#include <QAbstractButton>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

TestContext::TestContext()
    : m_context{ProgramFolder(m_folder.path()), doubles.platform()}
{
    if (!m_folder.isValid())
        qFatal("cannot create a temporary program folder");
}

QString TestContext::path(const QString &relative) const
{
    return QDir(m_folder.path()).filePath(relative);
}

QByteArray TestContext::readFile(const QString &relative) const
{
    QFile file(path(relative));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestContext::writeFile(const QString &relative, const QByteArray &bytes) const
{
    const QString full = path(relative);
    QDir().mkpath(QFileInfo(full).absolutePath());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write a test file");
}

AppFixture::AppFixture(Start start)
{
    writeFile(QString::fromLatin1(settingsFileName), AccessPassword::initialSettings());
    m_app = std::make_unique<Application>(context());
    m_app->start();
    if (start == Start::MainMenu)
        enterPassword(AccessPassword::initialPassword());
}

void AppFixture::enterPassword(const QString &text)
{
    QWidget *window = &m_app->password();
    auto *box = child<QLineEdit>(window, "txtPassword");
    box->clear();
    QTest::keyClicks(box, text);
    click(child(window, "cmdOK"));
}

void AppFixture::openFromMenu(const char *menuButton, QWidget *window)
{
    click(child(&m_app->mainMenu(), menuButton));
    if (!QTest::qWaitForWindowActive(window))
        QTest::qFail("the archive window did not become active", __FILE__, __LINE__);
}

QString AppFixture::focused()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

void whenModalShown(std::function<void(QWidget *)> handler)
{
    auto *poll = new QTimer;
    auto *elapsed = new QElapsedTimer;
    elapsed->start();
    QObject::connect(poll, &QTimer::timeout, poll, [poll, elapsed, handler = std::move(handler)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal && elapsed->elapsed() < 5000)
            return;
        poll->stop();
        poll->deleteLater();
        delete elapsed;
        if (!modal) {
            QTest::qFail("no modal window opened", __FILE__, __LINE__);
            return;
        }
        const QPointer<QWidget> window = modal;
        // Mouse moves reach a window's controls only once it is on screen;
        // on a busy machine that can come a little after it became modal.
        if (!QTest::qWaitForWindowExposed(modal))
            QTest::qFail("the modal window never came on screen", __FILE__, __LINE__);
        handler(modal);
        // A handler stopped by a failed check leaves the window open; closing
        // it lets the test report the failure instead of waiting forever.
        if (window && window->isVisible())
            window->close();
    });
    poll->start(5);
}

void click(QWidget *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

QString helpOpenedBy(QWidget *button)
{
    QString opened;
    whenModalShown([&opened](QWidget *modal) {
        opened = modal->objectName() + u' ' + child<QLabel>(modal, "lblTitolo")->text();
        click(child(modal, "btnChiudi"));
    });
    click(button);
    return opened;
}
