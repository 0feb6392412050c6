#include "customtabwidget.h"
#include "dialogseam.h"
#include "framelesswindow.h"
#include "languagedialog.h"
#include "languagemanager.h"
#include "mainpage.h"
#include "messageboxoptions.h"
#include "modernmessagebox.h"
#include "pdfdocumentmodel.h"
#include "pdfdocumentview.h"
#include "pdffixtures.h"
#include "pdfreadback.h"
#include "pdfshowpage.h"
#include "pdftoptoolbar.h"
#include "pdfundomanager.h"
#include "pdfviewerwidget.h"
#include "shellservices.h"
#include "startup.h"
#include "testregistry.h"
#include "tooltype.h"
#include "workspacefactory.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGridLayout>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTranslator>
#include <QXmlStreamReader>

using namespace Qt::StringLiterals;

namespace {

const QString settingsKey = u"appearance/language"_s;

// What the dialog's title reads in each language, straight from the catalogues' intent.
QString titleIn(const QString &code)
{
    static const QHash<QString, QString> titles{
        {u"zh_CN"_s, u"语言设置"_s},
        {u"en_US"_s, u"Language settings"_s},
        {u"de_DE"_s, u"Spracheinstellungen"_s},
        {u"fr_FR"_s, u"Paramètres de langue"_s},
        {u"es_ES"_s, u"Configuración de idioma"_s},
        {u"ar_SA"_s, u"إعدادات اللغة"_s},
        {u"ja_JP"_s, u"言語設定"_s},
    };
    return titles.value(code);
}

QString translatedTitle()
{
    return QCoreApplication::translate("LanguageDialog", "语言设置");
}

// Counts the language-change events a widget receives.
class LanguageChangeCounter : public QWidget
{
public:
    int changes = 0;

protected:
    void changeEvent(QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            ++changes;
        QWidget::changeEvent(event);
    }
};

class FakeViewerTab : public PdfShowPage
{
public:
    using PdfShowPage::PdfShowPage;

    static inline bool mayClose = true;
    static inline int closeQuestions = 0;

    bool openFile(const QString &) override { return true; }
    bool confirmClose() override
    {
        ++closeQuestions;
        return mayClose;
    }
};

QRadioButton *choice(QWidget *dialog, const QString &code)
{
    const auto buttons = dialog->findChildren<QRadioButton *>();
    for (QRadioButton *button : buttons) {
        if (button->property("languageCode").toString() == code)
            return button;
    }
    return nullptr;
}

void clickButton(QWidget *dialog, const QString &objectName)
{
    auto *button = dialog->findChild<QPushButton *>(objectName);
    QVERIFY2(button, qPrintable(objectName));
    QTest::mouseClick(button, Qt::LeftButton);
}

struct Message
{
    QString context;
    QString source;
    QString translation;
    QStringList forms;
    bool numerus = false;
    QString type;
};

QList<Message> readCatalogue(const QString &path, QString *error)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = u"cannot read "_s + path;
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message current;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == "name"_L1) {
            context = xml.readElementText();
        } else if (name == "message"_L1) {
            current =
                Message{context, {}, {}, {}, xml.attributes().value("numerus"_L1) == "yes"_L1, {}};
        } else if (name == "source"_L1) {
            current.source = xml.readElementText();
        } else if (name == "translation"_L1) {
            current.type = xml.attributes().value("type"_L1).toString();
            if (current.numerus) {
                while (xml.readNextStartElement())
                    current.forms.append(xml.readElementText());
            } else {
                current.translation = xml.readElementText();
            }
            messages.append(current);
        }
    }
    if (xml.hasError())
        *error = path + u": "_s + xml.errorString();
    return messages;
}

QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(u"%L?(\\d{1,2}|n)"_s);
    QStringList found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found.append(it.next().captured(1));
    found.sort();
    return found;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void defaultByLocale_data();
    void defaultByLocale();
    void savedLanguage_data();
    void savedLanguage();
    void unloadableCatalogueAtStart();
    void switching_data();
    void switching();
    void switchBackRemovesTranslator();
    void sameLanguageIsNoSwitch();
    void failedSwitchChangesNothing_data();
    void failedSwitchChangesNothing();

    void dialogChoices();
    void dialogApplyCurrentCloses();
    void dialogCancelledConfirmationStays();
    void dialogConfirmedSwitch();
    void dialogFailedSwitchShowsError();
    void dialogGuardKeepsLanguage();

    void shellFollowsSwitch();
    void titleBarDialogEndToEnd();
    void switchKeepsDocuments_data();
    void switchKeepsDocuments();
    void startupInstallsSavedLanguage();

    void toolsButtonFitsItsLabel_data();
    void toolsButtonFitsItsLabel();

    void cataloguesLoad_data();
    void cataloguesLoad();
    void cataloguesComplete_data();
    void cataloguesComplete();

private:
    void startIn(const QString &code);

    QTemporaryDir m_settingsDir;
    QTemporaryDir m_emptyCatalogues;
    QTemporaryDir m_updated;
    bool m_updateRan = false;
    QString m_updateError;
};

void TestLanguage::initTestCase()
{
    QVERIFY(m_settingsDir.isValid() && m_emptyCatalogues.isValid() && m_updated.isValid());
    // Opening a file records it in the recent list: keep that out of the user's configuration.
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(u"Velmora"_s);
    QCoreApplication::setApplicationName(u"Velmora"_s);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settingsDir.path());
}

void TestLanguage::init()
{
    DialogSeam::reset();
    DialogSeam::setScripted(true);
    LanguageManager::setCatalogueFolder(QString());
    FakeViewerTab::mayClose = true;
    FakeViewerTab::closeQuestions = 0;
    startIn(u"zh_CN"_s);
}

void TestLanguage::cleanup()
{
    DialogSeam::reset();
    WorkspaceFactory::reset();
    ShellServices::instance().reset();
    LanguageManager::setCatalogueFolder(QString());
    startIn(u"zh_CN"_s);
}

// A fresh start in the given language with no saved choice left behind.
void TestLanguage::startIn(const QString &code)
{
    QSettings().clear();
    QSettings().setValue(settingsKey, code);
    LanguageManager::instance().loadSaved();
    QSettings().clear();
}

void TestLanguage::defaultByLocale_data()
{
    QTest::addColumn<QLocale>("system");
    QTest::addColumn<QString>("expected");
    QTest::newRow("zh") << QLocale(QLocale::Chinese, QLocale::China) << u"zh_CN"_s;
    QTest::newRow("zh_TW") << QLocale(QLocale::Chinese, QLocale::Taiwan) << u"zh_CN"_s;
    QTest::newRow("en") << QLocale(QLocale::English, QLocale::UnitedStates) << u"en_US"_s;
    QTest::newRow("de") << QLocale(QLocale::German, QLocale::Germany) << u"en_US"_s;
    QTest::newRow("ar") << QLocale(QLocale::Arabic, QLocale::SaudiArabia) << u"en_US"_s;
    QTest::newRow("ja") << QLocale(QLocale::Japanese, QLocale::Japan) << u"en_US"_s;
}

void TestLanguage::defaultByLocale()
{
    QFETCH(QLocale, system);
    QFETCH(QString, expected);
    QSignalSpy changed(&LanguageManager::instance(), &LanguageManager::languageChanged);
    LanguageManager::instance().loadSaved(system);
    QCOMPARE(LanguageManager::instance().currentLanguage(), expected);
    QCOMPARE(translatedTitle(), titleIn(expected));
    // A first start decides nothing for good.
    QVERIFY(!QSettings().contains(settingsKey));
    QCOMPARE(changed.count(), 0);
}

void TestLanguage::savedLanguage_data()
{
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("expected");
    QTest::newRow("German") << u"de_DE"_s << u"de_DE"_s;
    QTest::newRow("Japanese") << u"ja_JP"_s << u"ja_JP"_s;
    QTest::newRow("Chinese on an English system") << u"zh_CN"_s << u"zh_CN"_s;
    QTest::newRow("unknown code") << u"xx_XX"_s << u"zh_CN"_s;
    QTest::newRow("language only") << u"de"_s << u"zh_CN"_s;
    QTest::newRow("other case") << u"DE_de"_s << u"zh_CN"_s;
    QTest::newRow("empty") << QString() << u"zh_CN"_s;
}

void TestLanguage::savedLanguage()
{
    QFETCH(QString, saved);
    QFETCH(QString, expected);
    QSettings().setValue(settingsKey, saved);
    LanguageManager::instance().loadSaved(QLocale(QLocale::English, QLocale::UnitedStates));
    QCOMPARE(LanguageManager::instance().currentLanguage(), expected);
    QCOMPARE(translatedTitle(), titleIn(expected));
    // An unusable code stays saved until the user picks a language.
    QCOMPARE(QSettings().value(settingsKey).toString(), saved);
}

void TestLanguage::unloadableCatalogueAtStart()
{
    LanguageManager::setCatalogueFolder(m_emptyCatalogues.path());
    QSettings().setValue(settingsKey, u"fr_FR"_s);
    LanguageManager::instance().loadSaved(QLocale(QLocale::French, QLocale::France));
    QCOMPARE(LanguageManager::instance().currentLanguage(), u"zh_CN"_s);
    QCOMPARE(translatedTitle(), u"语言设置"_s);
    QCOMPARE(QSettings().value(settingsKey).toString(), u"fr_FR"_s);
}

void TestLanguage::switching_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QLocale::Language>("language");
    QTest::addColumn<QLocale::Territory>("territory");
    QTest::newRow("en_US") << u"en_US"_s << QLocale::English << QLocale::UnitedStates;
    QTest::newRow("de_DE") << u"de_DE"_s << QLocale::German << QLocale::Germany;
    QTest::newRow("fr_FR") << u"fr_FR"_s << QLocale::French << QLocale::France;
    QTest::newRow("es_ES") << u"es_ES"_s << QLocale::Spanish << QLocale::Spain;
    QTest::newRow("ar_SA") << u"ar_SA"_s << QLocale::Arabic << QLocale::SaudiArabia;
    QTest::newRow("ja_JP") << u"ja_JP"_s << QLocale::Japanese << QLocale::Japan;
}

void TestLanguage::switching()
{
    QFETCH(QString, code);
    QFETCH(QLocale::Language, language);
    QFETCH(QLocale::Territory, territory);
    LanguageChangeCounter widget;
    QSignalSpy changed(&LanguageManager::instance(), &LanguageManager::languageChanged);

    QVERIFY(LanguageManager::instance().setLanguage(code));

    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toString(), code);
    QCOMPARE(LanguageManager::instance().currentLanguage(), code);
    QCOMPARE(QSettings().value(settingsKey).toString(), code);
    QCOMPARE(translatedTitle(), titleIn(code));
    QCOMPARE(QLocale().language(), language);
    QCOMPARE(QLocale().territory(), territory);
    // Arabic reads right to left, the main window as much as the dialogs.
    const Qt::LayoutDirection direction = code == u"ar_SA"_s ? Qt::RightToLeft : Qt::LeftToRight;
    QCOMPARE(QGuiApplication::layoutDirection(), direction);
    QCOMPARE(widget.layoutDirection(), direction);
    // Widgets hear of it through a posted event.
    QTRY_VERIFY(widget.changes >= 1);
}

void TestLanguage::switchBackRemovesTranslator()
{
    QVERIFY(LanguageManager::instance().setLanguage(u"de_DE"_s));
    QVERIFY(LanguageManager::instance().setLanguage(u"fr_FR"_s));
    QCOMPARE(translatedTitle(), titleIn(u"fr_FR"_s));
    QVERIFY(LanguageManager::instance().setLanguage(u"zh_CN"_s));
    QCOMPARE(translatedTitle(), u"语言设置"_s);
    QCOMPARE(QLocale().language(), QLocale::Chinese);
    QCOMPARE(QSettings().value(settingsKey).toString(), u"zh_CN"_s);
}

void TestLanguage::sameLanguageIsNoSwitch()
{
    startIn(u"es_ES"_s);
    QSignalSpy changed(&LanguageManager::instance(), &LanguageManager::languageChanged);
    QVERIFY(LanguageManager::instance().setLanguage(u"es_ES"_s));
    QCOMPARE(changed.count(), 0);
    QVERIFY(!QSettings().contains(settingsKey));
}

void TestLanguage::failedSwitchChangesNothing_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("hideCatalogues");
    QTest::newRow("unknown code") << u"pt_BR"_s << false;
    QTest::newRow("wrong case") << u"DE_DE"_s << false;
    QTest::newRow("unloadable catalogue") << u"de_DE"_s << true;
}

void TestLanguage::failedSwitchChangesNothing()
{
    QFETCH(QString, code);
    QFETCH(bool, hideCatalogues);
    startIn(u"en_US"_s);
    if (hideCatalogues)
        LanguageManager::setCatalogueFolder(m_emptyCatalogues.path());
    QSignalSpy changed(&LanguageManager::instance(), &LanguageManager::languageChanged);

    QVERIFY(!LanguageManager::instance().setLanguage(code));

    QCOMPARE(changed.count(), 0);
    QCOMPARE(LanguageManager::instance().currentLanguage(), u"en_US"_s);
    QCOMPARE(translatedTitle(), titleIn(u"en_US"_s));
    QCOMPARE(QLocale().language(), QLocale::English);
    QVERIFY(!QSettings().contains(settingsKey));
}

void TestLanguage::dialogChoices()
{
    startIn(u"fr_FR"_s);
    LanguageDialog dialog;
    QCOMPARE(dialog.width(), 620);
    QVERIFY(dialog.isModal());
    QCOMPARE(dialog.findChild<QWidget *>(u"languageTitle"_s)->property("text").toString(),
             u"Paramètres de langue"_s);

    const QStringList codes{u"zh_CN"_s, u"en_US"_s, u"de_DE"_s, u"fr_FR"_s,
                            u"es_ES"_s, u"ar_SA"_s, u"ja_JP"_s};
    const QStringList texts{u"Chinois simplifié\nzh-CN"_s, u"Anglais\nen-US"_s,
                            u"Allemand\nde-DE"_s,          u"Français\nfr-FR"_s,
                            u"Espagnol\nes-ES"_s,          u"Arabe\nar-SA"_s,
                            u"Japonais\nja-JP"_s};
    auto *grid = dialog.findChild<QGridLayout *>();
    QVERIFY(grid);
    QCOMPARE(grid->count(), codes.size());
    for (int i = 0; i < codes.size(); ++i) {
        auto *button = qobject_cast<QRadioButton *>(grid->itemAtPosition(i / 2, i % 2)->widget());
        QVERIFY(button);
        QCOMPARE(button->property("languageCode").toString(), codes.at(i));
        QCOMPARE(button->text(), texts.at(i));
        QCOMPARE(button->isChecked(), codes.at(i) == u"fr_FR"_s);
        QVERIFY(button->minimumHeight() >= 58);
    }
    // Exclusive: checking another unchecks French.
    choice(&dialog, u"ar_SA"_s)->click();
    QVERIFY(!choice(&dialog, u"fr_FR"_s)->isChecked());
    QVERIFY(dialog.findChild<QPushButton *>(u"languageApplyButton"_s)->isDefault());
}

void TestLanguage::dialogApplyCurrentCloses()
{
    QSignalSpy changed(&LanguageManager::instance(), &LanguageManager::languageChanged);
    LanguageDialog dialog;
    dialog.show();
    clickButton(&dialog, u"languageApplyButton"_s);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
    QVERIFY(DialogSeam::requests().isEmpty());
    QCOMPARE(changed.count(), 0);
}

void TestLanguage::dialogCancelledConfirmationStays()
{
    LanguageDialog dialog;
    dialog.show();
    choice(&dialog, u"de_DE"_s)->click();
    DialogSeam::answerMessageBox(0);
    clickButton(&dialog, u"languageApplyButton"_s);

    QVERIFY(dialog.isVisible());
    QVERIFY(choice(&dialog, u"de_DE"_s)->isChecked());
    QCOMPARE(LanguageManager::instance().currentLanguage(), u"zh_CN"_s);
    const auto requests = DialogSeam::requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.at(0).title, u"切换语言？"_s);
    QCOMPARE(requests.at(0).text, u"界面语言将切换为“德语”。"_s);
    QCOMPARE(requests.at(0).messageKind, int(MessageBoxOptions::Question));

    clickButton(&dialog, u"languageCancelButton"_s);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(LanguageManager::instance().currentLanguage(), u"zh_CN"_s);
}

void TestLanguage::dialogConfirmedSwitch()
{
    QSignalSpy changed(&LanguageManager::instance(), &LanguageManager::languageChanged);
    LanguageDialog dialog;
    dialog.show();
    choice(&dialog, u"ar_SA"_s)->click();
    DialogSeam::answerMessageBox(1);
    clickButton(&dialog, u"languageApplyButton"_s);

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(LanguageManager::instance().currentLanguage(), u"ar_SA"_s);
    QCOMPARE(QSettings().value(settingsKey).toString(), u"ar_SA"_s);
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
}

void TestLanguage::dialogFailedSwitchShowsError()
{
    LanguageManager::setCatalogueFolder(m_emptyCatalogues.path());
    LanguageDialog dialog;
    dialog.show();
    choice(&dialog, u"es_ES"_s)->click();
    DialogSeam::answerMessageBox(1);
    clickButton(&dialog, u"languageApplyButton"_s);

    QVERIFY(dialog.isVisible());
    QCOMPARE(LanguageManager::instance().currentLanguage(), u"zh_CN"_s);
    QVERIFY(!QSettings().contains(settingsKey));
    const auto requests = DialogSeam::requests();
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests.at(1).title, u"无法切换语言"_s);
    QCOMPARE(requests.at(1).text, u"未能加载所选语言的翻译文件。"_s);
    QCOMPARE(requests.at(1).messageKind, int(MessageBoxOptions::Error));
}

void TestLanguage::dialogGuardKeepsLanguage()
{
    int asked = 0;
    LanguageDialog dialog;
    dialog.setSwitchGuard([&asked] {
        ++asked;
        return false;
    });
    dialog.show();
    choice(&dialog, u"en_US"_s)->click();
    DialogSeam::answerMessageBox(1);
    clickButton(&dialog, u"languageApplyButton"_s);
    QCOMPARE(asked, 1);
    QVERIFY(dialog.isVisible());
    QCOMPARE(LanguageManager::instance().currentLanguage(), u"zh_CN"_s);
}

void TestLanguage::shellFollowsSwitch()
{
    Startup::installLanguageManager();
    FramelessWindow window;
    Startup::installMainPage(window);
    auto *languageBtn = window.findChild<QToolButton *>(u"languageBtn"_s);
    QVERIFY(languageBtn);
    QCOMPARE(languageBtn->text(), u"ZH"_s);

    QPointer<MainPage> old = qobject_cast<MainPage *>(window.contentWidget());
    QVERIFY(old);
    old->onToolClicked(ToolType::Merge);
    QCOMPARE(old->tabWidget()->count(), 2);

    QVERIFY(LanguageManager::instance().setLanguage(u"de_DE"_s));

    QTRY_COMPARE(languageBtn->text(), u"DE"_s);
    QCOMPARE(languageBtn->toolTip(), u"Spracheinstellungen"_s);
    auto *fresh = qobject_cast<MainPage *>(window.contentWidget());
    QVERIFY(fresh && fresh != old.data());
    QCOMPARE(fresh->tabWidget()->count(), 1);
    QCOMPARE(fresh->tabWidget()->tabText(0), u"Start"_s);
    QTRY_VERIFY(!old);

    QVERIFY(LanguageManager::instance().setLanguage(u"ar_SA"_s));
    QTRY_COMPARE(languageBtn->text(), u"AR"_s);
    QCOMPARE(window.layoutDirection(), Qt::RightToLeft);
    QCOMPARE(window.contentWidget()->layoutDirection(), Qt::RightToLeft);
}

// The whole way: title bar button, dialog, confirmation, new main page.
void TestLanguage::titleBarDialogEndToEnd()
{
    Startup::installLanguageManager();
    FramelessWindow window;
    Startup::installMainPage(window);
    window.show();
    QPointer<MainPage> old = qobject_cast<MainPage *>(window.contentWidget());
    old->onToolClicked(ToolType::Compress);

    bool dialogSeen = false;
    QTimer::singleShot(0, this, [&dialogSeen] {
        auto *dialog = qobject_cast<LanguageDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialogSeen = true;
        choice(dialog, u"ja_JP"_s)->click();
        DialogSeam::answerMessageBox(1);
        clickButton(dialog, u"languageApplyButton"_s);
        // Still open means something went wrong; never leave the test hanging.
        if (dialog->isVisible())
            dialog->reject();
    });
    QTest::mouseClick(window.findChild<QToolButton *>(u"languageBtn"_s), Qt::LeftButton);

    QVERIFY(dialogSeen);
    QCOMPARE(LanguageManager::instance().currentLanguage(), u"ja_JP"_s);
    QTRY_COMPARE(window.findChild<QToolButton *>(u"languageBtn"_s)->text(), u"JA"_s);
    auto *fresh = qobject_cast<MainPage *>(window.contentWidget());
    QVERIFY(fresh && fresh != old.data());
    QCOMPARE(fresh->tabWidget()->count(), 1);
    QCOMPARE(fresh->tabWidget()->tabText(0), u"ホーム"_s);
}

// A switch keeps the user's documents: one question about the unsaved ones, then every document
// open again at its page and zoom; cancelled, nothing changes.
void TestLanguage::switchKeepsDocuments_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("switches");
    QTest::addColumn<int>("savedRotation");
    QTest::newRow("cancel keeps the language and the page")
        << int(ModernMessageBox::Cancelled) << false << 0;
    QTest::newRow("discard reopens the file as it is")
        << int(ModernMessageBox::Discarded) << true << 0;
    QTest::newRow("save writes it first") << int(ModernMessageBox::Confirmed) << true << 90;
}

void TestLanguage::switchKeepsDocuments()
{
    QFETCH(int, answer);
    QFETCH(bool, switches);
    QFETCH(int, savedRotation);
    QTemporaryDir dir;
    QStringList paths;
    for (const QString &name : {u"edited.pdf"_s, u"read.pdf"_s}) {
        fixtures::DocumentSpec spec;
        for (int i = 0; i < 4; ++i) {
            fixtures::PageSpec pageSpec;
            pageSpec.size = QSizeF(300, 400);
            pageSpec.colour = fixtures::colourFor(i);
            spec.pages.append(pageSpec);
        }
        paths.append(dir.filePath(name));
        QVERIFY(fixtures::write(spec, paths.last()));
    }

    Startup::installLanguageManager();
    FramelessWindow window;
    Startup::installMainPage(window);
    window.resize(1160, 780);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *page = qobject_cast<MainPage *>(window.contentWidget());
    page->onFileOpen(paths.at(0));
    page->onFileOpen(paths.at(1));
    const auto viewerAt = [](MainPage *main, int index) {
        auto *tab = qobject_cast<PdfShowPage *>(main->tabWidget()->widget(index));
        return tab ? tab->viewer() : nullptr;
    };
    PdfViewerWidget *edited = viewerAt(page, 1);
    edited->undoManager()->rotatePages({edited->documentModel()->pageAt(0)->id}, 90);
    edited->goToPage(2);
    viewerAt(page, 2)->setZoomFactor(1.5);
    viewerAt(page, 2)->goToPage(3);
    const QList<MainPage::DocumentPlace> before = page->documentPlaces();

    QTimer::singleShot(0, this, [answer] {
        auto *dialog = qobject_cast<LanguageDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        choice(dialog, u"en_US"_s)->click();
        DialogSeam::answerMessageBox(1);
        DialogSeam::answerMessageBox(answer);
        clickButton(dialog, u"languageApplyButton"_s);
        if (dialog->isVisible())
            dialog->reject();
    });
    ShellServices::instance().runLanguageDialog(&window);

    // The switch's own question, then one for the unsaved documents.
    QStringList asked;
    for (const DialogSeam::Request &request : DialogSeam::requests()) {
        if (request.kind == DialogSeam::Kind::MessageBox)
            asked.append(request.text);
    }
    QCOMPARE(asked.size(), 2);
    QVERIFY2(asked.at(1).contains(u"切换"_s), qPrintable(asked.join(u" | "_s)));
    QCOMPARE(LanguageManager::instance().currentLanguage(), switches ? u"en_US"_s : u"zh_CN"_s);
    QCOMPARE(readback::inspect(paths.at(0)).pages.value(0).rotate, savedRotation);
    if (!switches) {
        QCOMPARE(window.contentWidget(), page);
        QVERIFY(edited->documentModel()->isModified());
        return;
    }
    auto *fresh = qobject_cast<MainPage *>(window.contentWidget());
    QVERIFY(fresh && fresh != page);
    QCOMPARE(fresh->tabWidget()->count(), 3);
    QCOMPARE(fresh->tabWidget()->currentIndex(), 2);
    for (int i = 0; i < 2; ++i) {
        PdfViewerWidget *viewer = viewerAt(fresh, i + 1);
        QVERIFY(viewer);
        QCOMPARE(viewer->documentModel()->documentPath(), paths.at(i));
        QVERIFY(!viewer->documentModel()->isModified());
        QTRY_COMPARE(viewer->documentView()->currentPage(), before.at(i).page);
        // Fitting follows the new view's width; a zoom of its own stays as it was.
        QCOMPARE(int(viewer->documentView()->fitMode()), before.at(i).fitMode);
        if (before.at(i).fitMode == int(PdfFitMode::NoFit))
            QCOMPARE(viewer->documentView()->zoomFactor(), before.at(i).zoom);
    }
}

// Start-up installs the saved language before the first widget is made.
void TestLanguage::startupInstallsSavedLanguage()
{
    QSettings().setValue(settingsKey, u"es_ES"_s);
    Startup::configureApplication(*qApp);
    QCOMPARE(LanguageManager::instance().currentLanguage(), u"es_ES"_s);
    QCOMPARE(ShellServices::instance().currentLanguageCode(), u"es_ES"_s);
    MainPage page;
    QCOMPARE(page.tabWidget()->tabText(0), u"Inicio"_s);
    qApp->setStyleSheet(QString());
}

void TestLanguage::toolsButtonFitsItsLabel_data()
{
    QTest::addColumn<QString>("code");
    for (const LanguageManager::Language &language : LanguageManager::languages())
        QTest::newRow(qPrintable(language.code)) << language.code;
}

// The viewer's tools button shows its icon, label and arrow whole in every language.
void TestLanguage::toolsButtonFitsItsLabel()
{
    QFETCH(QString, code);
    startIn(code);
    PdfTopToolBar bar;
    bar.resize(1200, 58);
    bar.show();
    auto *button = bar.findChild<QPushButton *>(u"pdfToolsButton"_s);
    QVERIFY(button);
    QVERIFY(!button->text().isEmpty());
    QFont font = button->font();
    font.setPixelSize(16);
    const int label = QFontMetrics(font).horizontalAdvance(button->text());
    // Left padding and icon before the label, the arrow's padding after it.
    QVERIFY2(button->width() >= 11 + 27 + label + 27,
             qPrintable(u"%1 px for a %2 px label"_s.arg(button->width()).arg(label)));
}

void TestLanguage::cataloguesLoad_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QString>("code");
    QTest::newRow("en") << u":/res/translate/tessel_en.qm"_s << u"en_US"_s;
    QTest::newRow("de") << u":/res/translate/de.qm"_s << u"de_DE"_s;
    QTest::newRow("fr") << u":/res/translate/fr.qm"_s << u"fr_FR"_s;
    QTest::newRow("es") << u":/res/translate/es.qm"_s << u"es_ES"_s;
    QTest::newRow("ar") << u":/res/translate/ar.qm"_s << u"ar_SA"_s;
    QTest::newRow("jp") << u":/res/translate/jp.qm"_s << u"ja_JP"_s;
}

void TestLanguage::cataloguesLoad()
{
    QFETCH(QString, resource);
    QFETCH(QString, code);
    QTranslator translator;
    QVERIFY(translator.load(resource));
    QCOMPARE(translator.translate("LanguageDialog", "语言设置"), titleIn(code));
    // The account texts are English in the code; English keeps them, the others translate.
    const QString signIn = translator.translate("TitleBar", "Sign in");
    QVERIFY(!signIn.isEmpty());
    QCOMPARE(signIn == u"Sign in"_s, code == u"en_US"_s);
}

void TestLanguage::cataloguesComplete_data()
{
    QTest::addColumn<QString>("catalogue");
    for (const char *suffix : {"en", "de", "fr", "es", "ar", "jp", "zh_CN"})
        QTest::newRow(suffix) << u"tessel_%1.ts"_s.arg(QLatin1StringView(suffix));
}

// Every text in the code has a finished translation with the same placeholders in every
// catalogue. The catalogues are updated from the code into a scratch folder first, so a text
// added to the code without its translations fails here.
void TestLanguage::cataloguesComplete()
{
    QFETCH(QString, catalogue);
    if (!m_updateRan) {
        m_updateRan = true;
        QProcess update;
        update.setProcessChannelMode(QProcess::MergedChannels);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"LUPDATE"_s, QStringLiteral(VELMORA_LUPDATE));
        update.setProcessEnvironment(env);
        update.start(u"bash"_s,
                     {QStringLiteral(VELMORA_SOURCE_DIR "/scripts/update-translations.sh"),
                      m_updated.path()});
        if (!update.waitForFinished(120000) || update.exitCode() != 0)
            m_updateError = QString::fromLocal8Bit(update.readAll());
    }
    QVERIFY2(m_updateError.isEmpty(), qPrintable(m_updateError));

    QString error;
    const QList<Message> messages =
        readCatalogue(QDir(m_updated.path()).filePath(catalogue), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    // The Chinese catalogue holds only the texts not written in Chinese in the code.
    QVERIFY(messages.size() > (catalogue.contains(u"zh_CN"_s) ? 15 : 40));

    QStringList problems;
    for (const Message &m : messages) {
        if (m.type == u"vanished"_s || m.type == u"obsolete"_s)
            continue;
        const QString where = m.context + u": \""_s + m.source + u'"';
        const QStringList texts = m.numerus ? m.forms : QStringList{m.translation};
        if (m.type == u"unfinished"_s || texts.isEmpty() ||
            std::any_of(texts.cbegin(), texts.cend(),
                        [](const QString &t) { return t.isEmpty(); })) {
            problems.append(where + u" is not translated"_s);
            continue;
        }
        // A numerus form may spell the number out ("one page"), so %n is optional there.
        QStringList expected = placeholders(m.source);
        if (m.numerus)
            expected.removeAll(u"n"_s);
        for (const QString &text : texts) {
            QStringList found = placeholders(text);
            if (m.numerus)
                found.removeAll(u"n"_s);
            if (found != expected)
                problems.append(where + u" has other placeholders: \""_s + text + u'"');
        }
    }
    QVERIFY2(
        problems.isEmpty(),
        qPrintable(
            u"\n  "_s + problems.join(u"\n  "_s) +
            u"\nRun scripts/update-translations.sh and translate (translations/GLOSSARY.md)."_s));
}

VELMORA_REGISTER_TEST(TestLanguage);
#include "tst_language.moc"
