// Not a test: renders the account dialog in its states, and the title bar, to PNG files for
// review. Usage: account_screenshots <output folder>
#include "accountdialog.h"
#include "accountservice.h"
#include "accountwiring.h"
#include "fakeaccountserver.h"
#include "framelesswindow.h"
#include "screenshots.h"
#include "startup.h"
#include "titlebar.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

template<typename Condition> void waitUntil(Condition condition)
{
    if (!QTest::qWaitFor(condition))
        qWarning("gave up waiting");
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    Startup::configureApplication(app);
    shots::setFolder(app.arguments().value(1, u"."_s));

    FakeAccountServer server;
    server.addAccount(
        {u"alice@example.com"_s, u"pw"_s, u"alice.w"_s, true, u"pro"_s, u"2027-03-01"_s});
    server.addAccount(
        {u"bob.smith@example.com"_s, u"pw"_s, QString(), false, QString(), QString()});
    if (!server.listen())
        return 1;
    qputenv("VELMORA_ACCOUNT_SERVICE_URL", server.baseUrl().toString().toUtf8());

    AccountService service;
    AccountDialog dialog(service);
    dialog.show();
    shots::save(&dialog, u"account-signin"_s);

    dialog.findChild<QLineEdit *>(u"emailEdit"_s)->setText(u"alice@example.com"_s);
    dialog.findChild<QLineEdit *>(u"passwordEdit"_s)->setText(u"wrong"_s);
    service.login(u"alice@example.com"_s, u"wrong"_s);
    waitUntil([&] { return !service.isBusy(); });
    shots::save(&dialog, u"account-error"_s);

    server.setHolding(true);
    service.login(u"alice@example.com"_s, u"pw"_s);
    shots::save(&dialog, u"account-busy"_s);
    waitUntil([&] { return server.heldCount() == 1; });
    server.setHolding(false);
    waitUntil([&] { return !service.isBusy(); });
    shots::save(&dialog, u"account-signed-in"_s);

    server.setHolding(true);
    service.refresh();
    shots::save(&dialog, u"account-signed-in-busy"_s);
    waitUntil([&] { return server.heldCount() == 1; });
    server.setHolding(false);
    waitUntil([&] { return !service.isBusy(); });
    service.logout();
    service.login(u"bob.smith@example.com"_s, u"pw"_s);
    waitUntil([&] { return !service.isBusy(); });
    shots::save(&dialog, u"account-free"_s);
    dialog.hide();
    {
        // Opened while signed in.
        AccountDialog fresh(service);
        fresh.show();
        shots::save(&fresh, u"account-free-fresh"_s);
    }
    service.logout();

    // The real window's title bar, through the program's shared service.
    FramelessWindow window;
    window.resize(1160, 780);
    window.show();
    shots::save(window.titleBar(), u"titlebar-signed-out"_s);
    AccountService::instance().login(u"bob.smith@example.com"_s, u"pw"_s);
    waitUntil([&] { return !AccountService::instance().isBusy(); });
    QCoreApplication::processEvents();
    shots::save(window.titleBar(), u"titlebar-signed-in"_s);
    AccountService::instance().logout();
    return 0;
}
