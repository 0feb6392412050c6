// Every text of every page and dialog reads whole at the window's default size, in every language.

#include "accountdialog.h"
#include "accountservice.h"
#include "accounttesting.h"
#include "batchoptionspanel.h"
#include "batchtoolpage.h"
#include "customtabwidget.h"
#include "dialogseam.h"
#include "framelesswindow.h"
#include "iconbutton.h"
#include "languagedialog.h"
#include "languagemanager.h"
#include "mainpage.h"
#include "moderncombobox.h"
#include "modernmessagebox.h"
#include "pdfshowpage.h"
#include "pdfviewerwidget.h"
#include "startup.h"
#include "testregistry.h"
#include "tooltype.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QApplication::processEvents();
        QTest::qWait(10);
    }
}

QString describe(const QWidget *w, const QString &text)
{
    const QString name = w->objectName().isEmpty() ? QString() : u"#"_s + w->objectName();
    return u"%1%2 \"%3\""_s.arg(QString::fromLatin1(w->metaObject()->className()), name,
                                QString(text).replace(QChar(0x200B), QString()));
}

// The texts inside `root` that do not fit: single lines wider than their widget, wrapped texts
// taller than their label or with a piece that cannot wrap.
QStringList clipped(QWidget *root, const QString &where)
{
    // For a look at what was checked: VELMORA_LAYOUT_SHOTS=<folder>.
    const QString shots = qEnvironmentVariable("VELMORA_LAYOUT_SHOTS");
    if (!shots.isEmpty()) {
        QString name = LanguageManager::instance().currentLanguage() + u'-' + where + u".png"_s;
        root->grab().save(QDir(shots).filePath(name.replace(u' ', u'-')));
    }
    QStringList out;
    QList<QWidget *> widgets = root->findChildren<QWidget *>();
    widgets.prepend(root);
    for (QWidget *w : std::as_const(widgets)) {
        if (!w->isVisible() || w->width() <= 0)
            continue;
        if (auto *label = qobject_cast<QLabel *>(w)) {
            if (label->text().isEmpty())
                continue;
            const QRect inside = label->contentsRect();
            if (label->wordWrap()) {
                const int needed = label->heightForWidth(label->width());
                if (needed > label->height() + 1 ||
                    label->minimumSizeHint().width() > label->width())
                    out.append(u"%1: wrapped %2 needs %3 x %4, has %5 x %6"_s.arg(
                        where, describe(label, label->text()),
                        QString::number(label->minimumSizeHint().width()), QString::number(needed),
                        QString::number(label->width()), QString::number(label->height())));
            } else if (label->sizeHint().width() > label->width() ||
                       label->fontMetrics().horizontalAdvance(label->text()) > inside.width()) {
                out.append(u"%1: %2 needs %3, has %4"_s.arg(
                    where, describe(label, label->text()),
                    QString::number(label->sizeHint().width()), QString::number(label->width())));
            }
        } else if (qobject_cast<QPushButton *>(w) || qobject_cast<QRadioButton *>(w) ||
                   qobject_cast<QCheckBox *>(w)) {
            auto *button = static_cast<QAbstractButton *>(w);
            if (button->text().isEmpty())
                continue;
            const QSize hint = button->sizeHint();
            if (hint.width() > button->width())
                out.append(u"%1: %2 needs %3, has %4"_s.arg(where, describe(button, button->text()),
                                                            QString::number(hint.width()),
                                                            QString::number(button->width())));
        }
    }
    return out;
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void everyTextFits_data();
    void everyTextFits();
    void dialogsGrowWithTheirMessage();
    void optionPanelsTabTopToBottom();

private:
    std::unique_ptr<FakeAccountServer> m_server;
};

void TestLayout::initTestCase()
{
    Startup::configureApplication(*qApp);
    AccountTesting::resetStorage();
    m_server = AccountTesting::startPlainServer();
    QVERIFY(m_server);
    AccountTesting::useService(m_server->baseUrl());
    DialogSeam::setScripted(true);
}

void TestLayout::cleanupTestCase()
{
    LanguageManager::instance().setLanguage(u"zh_CN"_s);
    DialogSeam::reset();
}

void TestLayout::everyTextFits_data()
{
    QTest::addColumn<QString>("code");
    for (const LanguageManager::Language &language : LanguageManager::languages())
        QTest::newRow(qPrintable(language.code)) << language.code;
}

void TestLayout::everyTextFits()
{
    QFETCH(QString, code);
    QVERIFY(LanguageManager::instance().setLanguage(code));
    QStringList problems;

    FramelessWindow window;
    Startup::installMainPage(window);
    window.resize(1160, 780);
    window.show();
    settle();
    auto *page = qobject_cast<MainPage *>(window.contentWidget());
    QVERIFY(page);
    problems += clipped(&window, u"home"_s);

    for (int tool = ToolType::Compress; tool <= ToolType::RecognizeText; ++tool) {
        page->onToolClicked(tool);
        settle();
        problems += clipped(&window, u"tool %1"_s.arg(tool));
    }
    page->onFileOpen(QStringLiteral(VELMORA_SOURCE_DIR "/res/sample/velmora-sample.pdf"));
    settle();
    problems += clipped(&window, u"viewer"_s);
    // The side panel in every mode, with its option off and on.
    auto *viewerTab = qobject_cast<PdfShowPage *>(page->tabWidget()->currentWidget());
    QVERIFY(viewerTab && viewerTab->viewer());
    PdfViewerWidget *viewer = viewerTab->viewer();
    const struct
    {
        PdfWorkspaceMode mode;
        const char *option;
    } modes[] = {{PdfWorkspaceMode::Insert, nullptr},
                 {PdfWorkspaceMode::Extract, "pdfCombineExtractCheckBox"},
                 {PdfWorkspaceMode::Split, "pdfSplitEveryPageCheckBox"}};
    for (const auto &m : modes) {
        viewer->setWorkspaceMode(m.mode);
        settle();
        const QString where = u"viewer mode %1"_s.arg(int(m.mode));
        problems += clipped(&window, where);
        if (!m.option)
            continue;
        auto *option = viewer->findChild<QCheckBox *>(QString::fromLatin1(m.option));
        QVERIFY(option && option->isVisible());
        option->setChecked(!option->isChecked());
        settle();
        problems += clipped(&window, where + u" option"_s);
        option->setChecked(!option->isChecked());
    }
    viewer->setWorkspaceMode(PdfWorkspaceMode::Browse);

    {
        LanguageDialog dialog(&window);
        dialog.show();
        settle();
        problems += clipped(&dialog, u"language dialog"_s);
    }
    {
        AccountService service;
        AccountDialog dialog(service, &window);
        dialog.show();
        settle();
        problems += clipped(&dialog, u"account signed out"_s);
        const AccountTesting::Person &alice = AccountTesting::alice();
        QSignalSpy changed(&service, &AccountService::accountChanged);
        m_server->setHolding(true);
        service.login(alice.email, u"wrong password"_s);
        settle();
        problems += clipped(&dialog, u"account busy"_s);
        m_server->releaseHeld();
        m_server->setHolding(false);
        QTRY_VERIFY(!service.isBusy());
        QVERIFY(!service.errorMessage().isEmpty());
        settle();
        problems += clipped(&dialog, u"account message"_s);
        service.login(alice.email, alice.password);
        QTRY_VERIFY(service.isSignedIn() && !service.isBusy());
        settle();
        problems += clipped(&dialog, u"account signed in"_s);
        service.logout();
        QTRY_VERIFY(!service.isBusy());
    }
    {
        MessageBoxOptions options;
        options.kind = MessageBoxOptions::Error;
        options.title = LanguageDialog::tr("无法切换语言");
        options.message = LanguageDialog::tr("未能加载所选语言的翻译文件。");
        options.details = u"/home/someone/Documents/Quarterly_reports/2024/"
                          "Velmora-export-with-a-very-long-name-and-no-spaces.pdf"_s;
        options.showCancel = true;
        ModernMessageBox box(options, &window);
        box.show();
        settle();
        problems += clipped(&box, u"message box"_s);
    }

    QVERIFY2(problems.isEmpty(), qPrintable(code + u": "_s + problems.join(u"\n  "_s)));
}

void TestLayout::dialogsGrowWithTheirMessage()
{
    QWidget parent;
    parent.resize(1160, 780);
    parent.show();
    QList<int> heights;
    for (int words : {1, 40, 120}) {
        MessageBoxOptions options;
        options.title = u"Title"_s;
        options.message = QStringList(words, u"/very/long/path/without/spaces"_s).join(QString());
        ModernMessageBox box(options, &parent);
        box.show();
        settle();
        auto *label = box.findChild<QLabel *>(u"messageBoxMessage"_s);
        QVERIFY(label);
        // Wrapped inside the box: never wider than it, never cut at the bottom.
        QVERIFY(label->mapTo(&box, QPoint(label->width(), 0)).x() <= box.width());
        QVERIFY(label->heightForWidth(label->width()) <= label->height());
        QVERIFY(box.width() <= 680);
        heights.append(box.height());
    }
    QVERIFY2(heights.at(0) < heights.at(1) && heights.at(1) < heights.at(2),
             qPrintable(u"%1 %2 %3"_s.arg(heights.at(0)).arg(heights.at(1)).arg(heights.at(2))));

    // The account dialog takes the height of its red message and gives it back.
    AccountService service;
    AccountDialog dialog(service, &parent);
    dialog.show();
    settle();
    const int plain = dialog.height();
    auto *message = dialog.findChild<QLabel *>(u"messageLabel"_s);
    QVERIFY(message);
    service.login(u"nobody@example.com"_s, u"x"_s);
    QTRY_VERIFY(!service.isBusy());
    settle();
    QVERIFY(message->isVisible());
    QVERIFY2(dialog.height() >= plain + message->height(),
             qPrintable(u"%1 -> %2"_s.arg(plain).arg(dialog.height())));
    for (auto *button : dialog.findChildren<QPushButton *>()) {
        if (button->isVisible())
            QVERIFY(button->mapTo(&dialog, QPoint(0, button->height())).y() <= dialog.height());
    }
}

// Tab walks each tool's options as they are seen, ending on the start button.
void TestLayout::optionPanelsTabTopToBottom()
{
    QVERIFY(LanguageManager::instance().setLanguage(u"de_DE"_s));
    FramelessWindow window;
    Startup::installMainPage(window);
    window.resize(1160, 780);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto *page = qobject_cast<MainPage *>(window.contentWidget());
    for (int tool :
         {ToolType::Compress, ToolType::ImageToPdf, ToolType::PdfToImages, ToolType::Decrypt,
          ToolType::Encrypt, ToolType::Merge, ToolType::RecognizeText}) {
        page->onToolClicked(tool);
        settle();
        auto *toolPage = qobject_cast<BatchToolPage *>(page->tabWidget()->currentWidget());
        QVERIFY(toolPage);
        QWidget *panel = toolPage->optionsPanel();
        QWidget *first = nullptr;
        for (QWidget *w = panel->nextInFocusChain(); w != panel; w = w->nextInFocusChain()) {
            if (panel->isAncestorOf(w) && w->isVisible() && (w->focusPolicy() & Qt::TabFocus)) {
                first = w;
                break;
            }
        }
        QVERIFY(first);
        first->setFocus(Qt::TabFocusReason);
        QList<QWidget *> visited{first};
        for (int i = 0; i < 20 && panel->isAncestorOf(QApplication::focusWidget()); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            if (panel->isAncestorOf(QApplication::focusWidget()))
                visited.append(QApplication::focusWidget());
        }
        int lastY = -1;
        QStringList order;
        for (QWidget *w : std::as_const(visited)) {
            const int y = w->mapTo(panel, QPoint(0, w->height() / 2)).y();
            order.append(describe(w, QString::number(y)));
            QVERIFY2(y >= lastY - 4, qPrintable(order.join(u", "_s)));
            lastY = y;
        }
        // A start button without files to start is disabled and out of the chain.
        QWidget *last = toolPage->optionsPanel()->startButton();
        if (!last->isEnabled())
            last = toolPage->optionsPanel()->locationComboBox();
        QVERIFY2(visited.last() == last, qPrintable(order.join(u", "_s)));
        QVERIFY(visited.size() >= 3);
    }
}

VELMORA_REGISTER_TEST(TestLayout);
#include "tst_layout.moc"
