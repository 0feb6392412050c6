#include "accountdialog.h"
#include "accountservice.h"
#include "accounttesting.h"
#include "accountwiring.h"
#include "framelesswindow.h"
#include "shellservices.h"
#include "testregistry.h"

#include <QApplication>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace AccountTesting;

// The title bar of the real window follows the program's shared account service.
class TestAccountTitleBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void buttonFollowsTheSession();
    void buttonOpensTheAccountDialog();

private:
    std::unique_ptr<FakeAccountServer> m_server;
};

void TestAccountTitleBar::initTestCase()
{
    m_server = startServer();
    QVERIFY(m_server);
    resetStorage();
    useService(m_server->baseUrl());
    AccountWiring::install();
}

void TestAccountTitleBar::cleanupTestCase()
{
    ShellServices::instance().reset();
}

void TestAccountTitleBar::buttonFollowsTheSession()
{
    FramelessWindow window;
    auto *button = window.findChild<QToolButton *>(u"accountBtn"_s);
    QVERIFY(button);
    QCOMPARE(button->text(), u"Sign in"_s);

    AccountService &service = AccountService::instance();
    service.login(alice().email, alice().password);
    QTRY_COMPARE(button->text(), alice().username);

    service.logout();
    QCOMPARE(button->text(), u"Sign in"_s);

    // Without a username, the part of the address before the at sign.
    service.login(bob().email, bob().password);
    QTRY_COMPARE(button->text(), u"bob.smith"_s);
    service.logout();
    QCOMPARE(button->text(), u"Sign in"_s);
}

void TestAccountTitleBar::buttonOpensTheAccountDialog()
{
    FramelessWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QPointer<AccountDialog> seen;
    QWidget *parent = nullptr;
    QTimer::singleShot(0, this, [&] {
        seen = qobject_cast<AccountDialog *>(QApplication::activeModalWidget());
        if (seen) {
            parent = seen->parentWidget();
            seen->reject();
        }
    });
    QTest::mouseClick(window.findChild<QToolButton *>(u"accountBtn"_s), Qt::LeftButton);
    QCOMPARE(parent, &window);
    // Gone once it has been answered.
    QVERIFY(seen.isNull());
}

VELMORA_REGISTER_TEST(TestAccountTitleBar);

#include "tst_accounttitlebar.moc"
