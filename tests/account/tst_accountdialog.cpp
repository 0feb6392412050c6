#include "accountdialog.h"
#include "accountservice.h"
#include "accounttesting.h"
#include "dialogseam.h"
#include "testregistry.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace AccountTesting;

namespace {

const QString loginPath = u"/api/desktop/auth/login"_s;
const QString mePath = u"/api/desktop/me"_s;
const QString logoutPath = u"/api/desktop/auth/logout"_s;

// Stands in for the system browser.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};

template<typename T> T *part(QWidget &dialog, const char *name)
{
    return dialog.findChild<T *>(QString::fromLatin1(name));
}

} // namespace

class TestAccountDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void signInSwitchesPagesWithoutClosing();
    void returnInPasswordSignsInOnce();
    void failedSignInKeepsFields_data();
    void failedSignInKeepsFields();
    void busyWhileStartupRefreshRuns();
    void accountAndSubscriptionTexts_data();
    void accountAndSubscriptionTexts();
    void signOutReturnsToForm();
    void linksOpenTheServiceWebsite();

private:
    std::unique_ptr<FakeAccountServer> m_server;
    UrlRecorder m_browser;
};

void TestAccountDialog::initTestCase()
{
    m_server = startServer();
    QVERIFY(m_server);
    // Nothing here may block on a message box.
    DialogSeam::setScripted(true);
    QDesktopServices::setUrlHandler(u"https"_s, &m_browser, "open");
    QDesktopServices::setUrlHandler(u"http"_s, &m_browser, "open");
}

void TestAccountDialog::init()
{
    resetStorage();
    useService(m_server->baseUrl());
    m_server->setHolding(false);
    m_server->clearRequests();
    m_browser.opened.clear();
}

void TestAccountDialog::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(u"https"_s);
    QDesktopServices::unsetUrlHandler(u"http"_s);
    DialogSeam::reset();
}

void TestAccountDialog::signInSwitchesPagesWithoutClosing()
{
    AccountService service;
    AccountDialog dialog(service);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(part<QWidget>(dialog, "signInPage")->isVisible());
    QVERIFY(!part<QWidget>(dialog, "signedInPage")->isVisible());
    QVERIFY(!part<QLabel>(dialog, "messageLabel")->isVisible());

    auto *signIn = part<QPushButton>(dialog, "primaryButton");
    QCOMPARE(signIn->text(), u"Sign in"_s);
    QTest::keyClicks(part<QLineEdit>(dialog, "emailEdit"), u" Alice@example.com"_s);
    QTest::keyClicks(part<QLineEdit>(dialog, "passwordEdit"), alice().password);

    m_server->setHolding(true);
    QTest::mouseClick(signIn, Qt::LeftButton);
    QCOMPARE(signIn->text(), u"Signing in..."_s);
    QVERIFY(!signIn->isEnabled());
    QVERIFY(!part<QPushButton>(dialog, "refreshButton")->isEnabled());
    QVERIFY(!part<QPushButton>(dialog, "signOutButton")->isEnabled());
    QTRY_COMPARE(m_server->heldCount(), 1);

    m_server->releaseHeld();
    QTRY_VERIFY(part<QWidget>(dialog, "signedInPage")->isVisible());
    QVERIFY(!part<QWidget>(dialog, "signInPage")->isVisible());
    QVERIFY(dialog.isVisible());
    QCOMPARE(signIn->text(), u"Sign in"_s);
    QVERIFY(part<QPushButton>(dialog, "refreshButton")->isEnabled());
    QVERIFY(part<QPushButton>(dialog, "signOutButton")->isEnabled());
    QCOMPARE(part<QLabel>(dialog, "accountLabel")->text(),
             u"Signed in as alice.w  <alice@example.com>"_s);
    // The window fits the page it now shows.
    auto *signOut = part<QPushButton>(dialog, "signOutButton");
    QVERIFY(dialog.rect().contains(QRect(signOut->mapTo(&dialog, QPoint()), signOut->size())));
    QVERIFY(DialogSeam::requests().isEmpty());
}

void TestAccountDialog::returnInPasswordSignsInOnce()
{
    AccountService service;
    AccountDialog dialog(service);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClicks(part<QLineEdit>(dialog, "emailEdit"), carol().email);
    auto *password = part<QLineEdit>(dialog, "passwordEdit");
    QTest::keyClicks(password, carol().password);
    QTest::keyClick(password, Qt::Key_Return);
    QTRY_VERIFY(service.isSignedIn());
    QVERIFY(!service.isBusy());
    QCOMPARE(m_server->requests(loginPath).size(), 1);
}

void TestAccountDialog::failedSignInKeepsFields_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    QTest::newRow("wrong password") << u"not it"_s << u"Incorrect email address or password."_s;
    QTest::newRow("empty password") << QString() << u"Enter your email address and password."_s;
}

void TestAccountDialog::failedSignInKeepsFields()
{
    QFETCH(QString, password);
    QFETCH(QString, message);
    AccountService service;
    AccountDialog dialog(service);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::keyClicks(part<QLineEdit>(dialog, "emailEdit"), alice().email);
    QTest::keyClicks(part<QLineEdit>(dialog, "passwordEdit"), password);
    QTest::mouseClick(part<QPushButton>(dialog, "primaryButton"), Qt::LeftButton);

    auto *label = part<QLabel>(dialog, "messageLabel");
    QTRY_VERIFY(label->isVisible());
    QCOMPARE(label->text(), message);
    QVERIFY(part<QWidget>(dialog, "signInPage")->isVisible());
    QCOMPARE(part<QLineEdit>(dialog, "emailEdit")->text(), alice().email);
    QCOMPARE(part<QLineEdit>(dialog, "passwordEdit")->text(), password);
    QVERIFY(dialog.isVisible());
    QVERIFY(part<QPushButton>(dialog, "primaryButton")->isEnabled());
}

void TestAccountDialog::busyWhileStartupRefreshRuns()
{
    {
        AccountService first;
        first.login(bob().email, bob().password);
        // Signed in is not enough: a session left by an earlier test would already be.
        QTRY_COMPARE(first.email(), bob().email);
    }
    m_server->setHolding(true);
    AccountService restarted; // starts its refresh at once
    AccountDialog dialog(restarted);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(part<QWidget>(dialog, "signedInPage")->isVisible());
    QCOMPARE(part<QPushButton>(dialog, "primaryButton")->text(), u"Signing in..."_s);
    QVERIFY(!part<QPushButton>(dialog, "refreshButton")->isEnabled());
    QVERIFY(!part<QPushButton>(dialog, "signOutButton")->isEnabled());
    QCOMPARE(part<QLabel>(dialog, "accountLabel")->text(), u"Signed in as bob.smith@example.com"_s);

    QTRY_COMPARE(m_server->heldCount(), 1);
    m_server->releaseHeld();
    QTRY_VERIFY(part<QPushButton>(dialog, "refreshButton")->isEnabled());
    QVERIFY(part<QPushButton>(dialog, "signOutButton")->isEnabled());
}

void TestAccountDialog::accountAndSubscriptionTexts_data()
{
    QTest::addColumn<QString>("who");
    QTest::addColumn<QString>("account");
    QTest::addColumn<QString>("subscription");
    QTest::newRow("active with end")
        << u"alice"_s << u"Signed in as alice.w  <alice@example.com>"_s
        << u"Subscription active (pro). Current period ends 2027-03-01."_s;
    QTest::newRow("active without end")
        << u"carol"_s << u"Signed in as Carol  <carol@example.com>"_s
        << u"Subscription active (team)"_s;
    QTest::newRow("free, no username")
        << u"bob"_s << u"Signed in as bob.smith@example.com"_s
        << u"Free account. All tools remain available during the current open-access period."_s;
}

void TestAccountDialog::accountAndSubscriptionTexts()
{
    QFETCH(QString, who);
    QFETCH(QString, account);
    QFETCH(QString, subscription);
    const Person &person = who == u"alice"_s ? alice() : who == u"carol"_s ? carol() : bob();

    AccountService service;
    AccountDialog dialog(service);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    service.login(person.email, person.password);
    QTRY_VERIFY(part<QWidget>(dialog, "signedInPage")->isVisible());
    QCOMPARE(part<QLabel>(dialog, "accountLabel")->text(), account);
    QCOMPARE(part<QLabel>(dialog, "subscriptionLabel")->text(), subscription);
}

void TestAccountDialog::signOutReturnsToForm()
{
    AccountService service;
    service.login(alice().email, alice().password);
    QTRY_VERIFY(service.isSignedIn());
    AccountDialog dialog(service);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::mouseClick(part<QPushButton>(dialog, "refreshButton"), Qt::LeftButton);
    QTRY_COMPARE(m_server->requests(mePath).size(), 1);
    QTRY_VERIFY(!service.isBusy());

    QTest::mouseClick(part<QPushButton>(dialog, "signOutButton"), Qt::LeftButton);
    QVERIFY(part<QWidget>(dialog, "signInPage")->isVisible());
    QVERIFY(!part<QWidget>(dialog, "signedInPage")->isVisible());
    QVERIFY(!part<QLabel>(dialog, "messageLabel")->isVisible());
    QVERIFY(dialog.isVisible());
    QTRY_COMPARE(m_server->requests(logoutPath).size(), 1);
}

void TestAccountDialog::linksOpenTheServiceWebsite()
{
    AccountService service;
    AccountDialog dialog(service);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *create = part<QPushButton>(dialog, "createAccountButton");
    QCOMPARE(create->property("secondary").toBool(), true);
    QTest::mouseClick(create, Qt::LeftButton);

    service.login(alice().email, alice().password);
    QTRY_VERIFY(part<QWidget>(dialog, "signedInPage")->isVisible());
    QTest::mouseClick(part<QPushButton>(dialog, "manageSubscriptionButton"), Qt::LeftButton);

    QUrl registerPage = m_server->baseUrl();
    registerPage.setPath(u"/register"_s);
    QUrl accountPage = m_server->baseUrl();
    accountPage.setPath(u"/account"_s);
    QCOMPARE(m_browser.opened, (QList<QUrl>{registerPage, accountPage}));
}

VELMORA_REGISTER_TEST(TestAccountDialog);

#include "tst_accountdialog.moc"
