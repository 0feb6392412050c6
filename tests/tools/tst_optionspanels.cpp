#include "testregistry.h"
#include "toolstestsupport.h"

#include "cardradiobutton.h"
#include "iconbutton.h"
#include "imagetopdfoptionspanel.h"
#include "moderncombobox.h"
#include "moreoption.h"
#include "officetopdfoptionspanel.h"
#include "passwordinput.h"
#include "pdfcompressoptionspanel.h"
#include "pdfconvertoptionspanel.h"
#include "pdfdecryoptionspanel.h"
#include "pdfencryoptionspanel.h"
#include "pdfmergeoptionspanel.h"
#include "pdftoofficeoptionspanel.h"
#include "selectbutton.h"
#include "typebutton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace toolstest;

namespace {

std::unique_ptr<ToolOptionsPanel> makePanel(const QString &tool)
{
    if (tool == u"image"_s)
        return std::make_unique<ImageToPdfOptionsPanel>();
    if (tool == u"compress"_s)
        return std::make_unique<PdfCompressOptionsPanel>();
    if (tool == u"convert"_s)
        return std::make_unique<PdfConvertOptionsPanel>();
    if (tool == u"decrypt"_s)
        return std::make_unique<PdfDecryOptionsPanel>();
    if (tool == u"encrypt"_s)
        return std::make_unique<PdfEncryOptionsPanel>();
    if (tool == u"merge"_s)
        return std::make_unique<PdfMergeOptionsPanel>();
    if (tool == u"office to pdf"_s)
        return std::make_unique<OfficeToPdfOptionsPanel>();
    return std::make_unique<PdfToOfficeOptionsPanel>();
}

QLineEdit *lineEdit(QWidget *panel, const QString &name)
{
    auto *input = panel->findChild<PasswordInput *>(name);
    return input ? input->lineEdit() : nullptr;
}

// One user action, written "verb:objectName[:argument]".
void apply(QWidget *panel, const QString &step)
{
    const QStringList parts = step.split(u':');
    const QString verb = parts.value(0);
    const QString name = parts.value(1);
    if (verb == u"combo"_s) {
        chooseComboEntry(panel->findChild<ModernComboBox *>(name), parts.value(2).toInt());
    } else if (verb == u"press"_s) {
        auto *w = panel->findChild<QWidget *>(name);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(w->width() - 10, w->height() / 2));
    } else if (verb == u"check"_s) {
        QCheckBox *box = panel->findChild<MoreOption *>(name)->checkBox();
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, box->height() / 2));
    } else if (verb == u"open"_s) {
        auto *toggle = panel->findChild<QToolButton *>(name);
        QTest::mouseClick(toggle, Qt::LeftButton);
    } else if (verb == u"tick"_s) {
        auto *box = panel->findChild<QCheckBox *>(name);
        QVERIFY2(box->isVisible(), qPrintable(name));
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, box->height() / 2));
    } else if (verb == u"radio"_s) {
        auto *radio = panel->findChild<QRadioButton *>(name);
        QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(12, radio->height() / 2));
    } else if (verb == u"type"_s) {
        QTest::keyClicks(lineEdit(panel, name), parts.value(2));
    } else if (verb == u"erase"_s) {
        QLineEdit *edit = lineEdit(panel, name);
        while (!edit->text().isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
    } else {
        QFAIL(qPrintable(u"unknown step "_s + step));
    }
}

} // namespace

// The options panels: values they put into a request, defaults, and password feedback.
class TestOptionsPanels : public QObject
{
    Q_OBJECT

private slots:
    void optionValues_data();
    void optionValues();
    void titlesAndStartTexts_data();
    void titlesAndStartTexts();
    void encryptStartBlocker_data();
    void encryptStartBlocker();
    void compressCardsAndSaveOptionsIndependent();
    void encryptFeedback_data();
    void encryptFeedback();
    void decryptFeedback();
    void officePanels();
};

void TestOptionsPanels::optionValues_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QVariantMap>("options");

    QTest::newRow("images, defaults") << u"image"_s << QStringList{}
                                      << QVariantMap{{u"pageSize"_s, 0},
                                                     {u"pageMargin"_s, 0},
                                                     {u"singlePdf"_s, false},
                                                     {u"pageOrientation"_s, 0}};
    QTest::newRow("images, letter, wide, landscape, single PDF")
        << u"image"_s
        << QStringList{u"combo:pageSizeComboBox:1"_s, u"combo:pageMarginComboBox:2"_s,
                       u"press:landscapeButton"_s, u"check:singlePdfOption"_s}
        << QVariantMap{{u"pageSize"_s, 1},
                       {u"pageMargin"_s, 2},
                       {u"singlePdf"_s, true},
                       {u"pageOrientation"_s, 1}};
    QTest::newRow("images, narrow, landscape then portrait")
        << u"image"_s
        << QStringList{u"combo:pageMarginComboBox:1"_s, u"press:landscapeButton"_s,
                       u"press:portraitButton"_s}
        << QVariantMap{{u"pageSize"_s, 0},
                       {u"pageMargin"_s, 1},
                       {u"singlePdf"_s, false},
                       {u"pageOrientation"_s, 0}};
    QTest::newRow("compress, defaults")
        << u"compress"_s << QStringList{}
        << QVariantMap{{u"compressLevel"_s, 0}, {u"saveOption"_s, 1}};
    QTest::newRow("compress, strong, replace")
        << u"compress"_s << QStringList{u"press:strongLevelCard"_s, u"radio:replaceOriginalRadio"_s}
        << QVariantMap{{u"compressLevel"_s, 1}, {u"saveOption"_s, 0}};
    QTest::newRow("compress, strong then basic")
        << u"compress"_s << QStringList{u"press:strongLevelCard"_s, u"press:basicLevelCard"_s}
        << QVariantMap{{u"compressLevel"_s, 0}, {u"saveOption"_s, 1}};
    QTest::newRow("images of pages, defaults")
        << u"convert"_s << QStringList{}
        << QVariantMap{{u"format"_s, 2}, {u"saveAsSeparateFiles"_s, false}};
    QTest::newRow("images of pages, PNG, embedded images")
        << u"convert"_s << QStringList{u"combo:formatComboBox:1"_s, u"check:separateImagesOption"_s}
        << QVariantMap{{u"format"_s, 3}, {u"saveAsSeparateFiles"_s, true}};
    QTest::newRow("unlock, password, replace")
        << u"decrypt"_s
        << QStringList{u"type:passwordInput:s3cret"_s, u"radio:replaceOriginalRadio"_s}
        << QVariantMap{{u"password"_s, u"s3cret"_s}, {u"saveOption"_s, 0}};
    QTest::newRow("unlock, empty password")
        << u"decrypt"_s << QStringList{}
        << QVariantMap{{u"password"_s, QString()}, {u"saveOption"_s, 1}};
    const auto encrypt = [](const QString &password, const QString &owner, bool print, bool copy,
                            bool modify) {
        return QVariantMap{{u"password"_s, password},   {u"saveOption"_s, 1},
                           {u"ownerPassword"_s, owner}, {u"allowPrint"_s, print},
                           {u"allowCopy"_s, copy},      {u"allowModify"_s, modify}};
    };
    QTest::newRow("encrypt, unconfirmed password")
        << u"encrypt"_s << QStringList{u"type:passwordInput:a"_s, u"type:confirmPasswordInput:b"_s}
        << encrypt(u"a"_s, QString(), true, true, true);
    QTest::newRow("encrypt, replace, keep again")
        << u"encrypt"_s
        << QStringList{u"type:passwordInput:pw"_s, u"radio:replaceOriginalRadio"_s,
                       u"radio:keepOriginalRadio"_s}
        << encrypt(u"pw"_s, QString(), true, true, true);
    QTest::newRow("encrypt, owner password, no printing or changes")
        << u"encrypt"_s
        << QStringList{u"type:passwordInput:pw"_s, u"open:moreOptionsToggle"_s,
                       u"type:ownerPasswordInput:boss"_s, u"tick:allowPrintCheck"_s,
                       u"tick:allowModifyCheck"_s}
        << encrypt(u"pw"_s, u"boss"_s, false, true, false);
    QTest::newRow("encrypt, no copying, folded again")
        << u"encrypt"_s
        << QStringList{u"open:moreOptionsToggle"_s, u"tick:allowCopyCheck"_s,
                       u"open:moreOptionsToggle"_s}
        << encrypt(QString(), QString(), true, false, true);
    QTest::newRow("merge, defaults")
        << u"merge"_s << QStringList{} << QVariantMap{{u"insertBlankPages"_s, false}};
    QTest::newRow("merge, blank pages ticked")
        << u"merge"_s << QStringList{u"check:blankPagesOption"_s}
        << QVariantMap{{u"insertBlankPages"_s, true}};
}

void TestOptionsPanels::optionValues()
{
    QFETCH(QString, tool);
    QFETCH(QStringList, steps);
    QFETCH(QVariantMap, options);
    auto panel = makePanel(tool);
    panel->resize(320, 900);
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel.get()));
    for (const QString &step : steps)
        apply(panel.get(), step);
    auto *batch = qobject_cast<BatchOptionsPanel *>(panel.get());
    QVERIFY(batch);
    const TaskRequest request = batch->buildRequest();
    QCOMPARE(request.options, options);
    // The encrypt panel's extra options start folded away.
    if (auto *owner = panel->findChild<PasswordInput *>(u"ownerPasswordInput"_s))
        QCOMPARE(owner->isVisible(), steps.count(u"open:moreOptionsToggle"_s) % 2 == 1);
    // The page fills in the rest.
    QVERIFY(request.inputFiles.isEmpty());
    QVERIFY(request.inputFile.isEmpty());
    QVERIFY(request.taskId.isEmpty());
    // A second request is built afresh from the same controls.
    QCOMPARE(batch->buildRequest().options, options);
}

void TestOptionsPanels::titlesAndStartTexts_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("location");
    QTest::newRow("image") << u"image"_s << u"图像转PDF"_s << u"转换"_s << u"原始文件"_s;
    QTest::newRow("compress") << u"compress"_s << u"压缩PDF"_s << u"压缩"_s << u"原始文件"_s;
    QTest::newRow("convert") << u"convert"_s << u"PDF 转为图像"_s << u"转换"_s << u"原始文件"_s;
    QTest::newRow("decrypt") << u"decrypt"_s << u"解锁PDF"_s << u"解锁"_s << u"原始文件"_s;
    QTest::newRow("encrypt") << u"encrypt"_s << u"加密PDF"_s << u"添加密码"_s << u"原始文件"_s;
    QTest::newRow("merge") << u"merge"_s << u"合并PDF"_s << u"合并"_s << u"Velmora文件"_s;
    QTest::newRow("office to pdf")
        << u"office to pdf"_s << u"Office转为PDF"_s << u"转换"_s << u"原始文件"_s;
    QTest::newRow("pdf to office")
        << u"pdf to office"_s << u"PDF转为Office"_s << u"转换"_s << u"原始文件"_s;
}

void TestOptionsPanels::titlesAndStartTexts()
{
    QFETCH(QString, tool);
    QFETCH(QString, title);
    QFETCH(QString, start);
    QFETCH(QString, location);
    auto panel = makePanel(tool);
    QCOMPARE(panel->width(), 320);
    QCOMPARE(panel->findChild<QLabel *>(u"optionsTitle"_s)->text(), title);
    QCOMPARE(panel->startButton()->text(), start);
    QCOMPARE(panel->locationComboBox()->currentText(), location);
    QCOMPARE(panel->locationComboBox()->height(), 48);
}

void TestOptionsPanels::encryptStartBlocker_data()
{
    QTest::addColumn<QStringList>("steps");
    // The start button's tool tip, empty where it is enabled.
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<bool>("ownerErrorShown");
    const QString restricted = u"限制权限需要一个与密码不同的所有者密码"_s;
    const QStringList typed{u"type:passwordInput:pw"_s, u"type:confirmPasswordInput:pw"_s,
                            u"open:moreOptionsToggle"_s};
    QTest::newRow("nothing typed") << QStringList{} << u"此项目为必填项"_s << false;
    QTest::newRow("confirmed, everything allowed") << typed << QString() << false;
    QTest::newRow("no printing without an owner password")
        << typed + QStringList{u"tick:allowPrintCheck"_s} << restricted << true;
    QTest::newRow("no copying with the owner password equal to the password")
        << typed + QStringList{u"type:ownerPasswordInput:pw"_s, u"tick:allowCopyCheck"_s}
        << restricted << true;
    QTest::newRow("no changes with an owner password of its own")
        << typed + QStringList{u"tick:allowModifyCheck"_s, u"type:ownerPasswordInput:boss"_s}
        << QString() << false;
    QTest::newRow("restriction ticked back")
        << typed + QStringList{u"tick:allowPrintCheck"_s, u"tick:allowPrintCheck"_s} << QString()
        << false;
    QTest::newRow("password changed to equal the owner password")
        << QStringList{u"type:passwordInput:boss"_s, u"type:confirmPasswordInput:boss"_s,
                       u"open:moreOptionsToggle"_s,  u"type:ownerPasswordInput:bos"_s,
                       u"tick:allowCopyCheck"_s,     u"type:ownerPasswordInput:s"_s}
        << restricted << true;
}

void TestOptionsPanels::encryptStartBlocker()
{
    // Nothing starts that would write a file other than the one asked for; the button says why.
    QFETCH(QStringList, steps);
    QFETCH(QString, blocker);
    QFETCH(bool, ownerErrorShown);
    PdfEncryOptionsPanel panel;
    panel.resize(320, 900);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    for (const QString &step : steps)
        apply(&panel, step);
    QSignalSpy started(&panel, &BatchOptionsPanel::startClicked);
    QTest::mouseClick(panel.startButton(), Qt::LeftButton);
    QCOMPARE(started.size(), blocker.isEmpty() ? 1 : 0);
    QCOMPARE(panel.startButton()->isEnabled(), blocker.isEmpty());
    QCOMPARE(panel.startButton()->toolTip(), blocker);
    auto *ownerError = panel.findChild<QLabel *>(u"ownerPasswordError"_s);
    QVERIFY(ownerError);
    QCOMPARE(ownerError->isVisible(), ownerErrorShown);
    if (ownerErrorShown)
        QCOMPARE(ownerError->text(), blocker);
}

void TestOptionsPanels::compressCardsAndSaveOptionsIndependent()
{
    PdfCompressOptionsPanel panel;
    panel.show();
    apply(&panel, u"press:strongLevelCard"_s);
    apply(&panel, u"radio:replaceOriginalRadio"_s);
    apply(&panel, u"radio:keepOriginalRadio"_s);
    // Choosing a save option leaves the level alone, and the other way round.
    QVERIFY(panel.findChild<CardRadioButton *>(u"strongLevelCard"_s)->isChecked());
    QVERIFY(!panel.findChild<CardRadioButton *>(u"basicLevelCard"_s)->isChecked());
    apply(&panel, u"press:basicLevelCard"_s);
    QVERIFY(panel.findChild<QRadioButton *>(u"keepOriginalRadio"_s)->isChecked());
    QVERIFY(!panel.findChild<QRadioButton *>(u"replaceOriginalRadio"_s)->isChecked());
}

void TestOptionsPanels::encryptFeedback_data()
{
    QTest::addColumn<QStringList>("steps");
    // Expected, in order: password label shown, its text, its error flag; the same for the
    // confirmation. Hidden labels' texts are not compared.
    QTest::addColumn<bool>("passwordShown");
    QTest::addColumn<QString>("passwordText");
    QTest::addColumn<bool>("passwordError");
    QTest::addColumn<bool>("confirmShown");
    QTest::addColumn<QString>("confirmText");
    QTest::addColumn<bool>("confirmError");

    const QString required = u"此项目为必填项"_s;
    const QString mismatch = u"两个密码应该匹配"_s;
    QTest::newRow("nothing typed")
        << QStringList{} << false << QString() << false << false << QString() << false;
    QTest::newRow("different passwords")
        << QStringList{u"type:passwordInput:a"_s, u"type:confirmPasswordInput:b"_s} << true
        << mismatch << true << true << mismatch << true;
    QTest::newRow("corrected confirmation")
        << QStringList{u"type:passwordInput:a"_s, u"type:confirmPasswordInput:b"_s,
                       u"erase:confirmPasswordInput"_s, u"type:confirmPasswordInput:a"_s}
        << false << QString() << false << false << QString() << false;
    QTest::newRow("confirmation cleared while the password is filled")
        << QStringList{u"type:passwordInput:a"_s, u"type:confirmPasswordInput:b"_s,
                       u"erase:confirmPasswordInput"_s}
        << true << mismatch << true << true << required << true;
    QTest::newRow("password cleared")
        << QStringList{u"type:passwordInput:ab"_s, u"erase:passwordInput"_s} << true << required
        << true << false << QString() << false;
    QTest::newRow("password cleared with a confirmation typed")
        << QStringList{u"type:passwordInput:ab"_s, u"type:confirmPasswordInput:ab"_s,
                       u"erase:passwordInput"_s}
        << true << required << true << true << mismatch << true;
    QTest::newRow("password completed after the confirmation")
        << QStringList{u"type:confirmPasswordInput:abc"_s, u"type:passwordInput:abc"_s} << false
        << QString() << false << false << QString() << false;
    QTest::newRow("password typed to differ from the confirmation")
        << QStringList{u"type:confirmPasswordInput:abc"_s, u"type:passwordInput:abd"_s} << true
        << mismatch << true << true << mismatch << true;
}

void TestOptionsPanels::encryptFeedback()
{
    QFETCH(QStringList, steps);
    QFETCH(bool, passwordShown);
    QFETCH(QString, passwordText);
    QFETCH(bool, passwordError);
    QFETCH(bool, confirmShown);
    QFETCH(QString, confirmText);
    QFETCH(bool, confirmError);
    PdfEncryOptionsPanel panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    for (const QString &step : steps)
        apply(&panel, step);
    auto *passwordLabel = panel.findChild<QLabel *>(u"passwordError"_s);
    auto *confirmLabel = panel.findChild<QLabel *>(u"confirmPasswordError"_s);
    QCOMPARE(passwordLabel->isVisible(), passwordShown);
    if (passwordShown)
        QCOMPARE(passwordLabel->text(), passwordText);
    QCOMPARE(panel.findChild<PasswordInput *>(u"passwordInput"_s)->hasError(), passwordError);
    QCOMPARE(confirmLabel->isVisible(), confirmShown);
    if (confirmShown)
        QCOMPARE(confirmLabel->text(), confirmText);
    QCOMPARE(panel.findChild<PasswordInput *>(u"confirmPasswordInput"_s)->hasError(), confirmError);
}

void TestOptionsPanels::decryptFeedback()
{
    PdfDecryOptionsPanel panel;
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    auto *label = panel.findChild<QLabel *>(u"passwordError"_s);
    auto *input = panel.findChild<PasswordInput *>(u"passwordInput"_s);
    QVERIFY(!label->isVisible());
    apply(&panel, u"type:passwordInput:xy"_s);
    QVERIFY(!label->isVisible());
    QVERIFY(!input->hasError());
    apply(&panel, u"erase:passwordInput"_s);
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), u"此项目为必填项"_s);
    QVERIFY(input->hasError());
    apply(&panel, u"type:passwordInput:z"_s);
    QVERIFY(!label->isVisible());
    QVERIFY(!input->hasError());
}

void TestOptionsPanels::officePanels()
{
    PdfToOfficeOptionsPanel toOffice;
    toOffice.show();
    auto *word = toOffice.findChild<TypeButton *>(u"wordTypeButton"_s);
    auto *excel = toOffice.findChild<TypeButton *>(u"excelTypeButton"_s);
    QVERIFY(word->isChecked());
    QTest::mouseClick(excel, Qt::LeftButton);
    QVERIFY(excel->isChecked());
    QVERIFY(!word->isChecked());
    QCOMPARE(toOffice.buildRequest().options.value(u"officeFormat"_s).toInt(), 1);

    OfficeToPdfOptionsPanel toPdf;
    QCOMPARE(toPdf.findChild<QLabel *>(u"officeDescription"_s)->text(),
             u"将 Word、PowerPoint 和 Excel 文件转换为 PDF"_s);
}

VELMORA_REGISTER_TEST(TestOptionsPanels);

#include "tst_optionspanels.moc"
