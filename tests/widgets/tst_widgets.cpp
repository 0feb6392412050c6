#include "cardradiobutton.h"
#include "combopopup.h"
#include "dialogseam.h"
#include "iconbutton.h"
#include "kitstyle.h"
#include "moderncombobox.h"
#include "modernmessagebox.h"
#include "moreoption.h"
#include "passwordinput.h"
#include "selectbutton.h"
#include "testregistry.h"
#include "typebutton.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QVBoxLayout>

#include <functional>
#include <QCheckBox>
#include <QDirIterator>
#include <QEnterEvent>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QColor pixelAt(QWidget *w, QPoint at)
{
    return w->grab().toImage().pixelColor(at);
}

QColor centrePixel(QWidget *w)
{
    return pixelAt(w, w->rect().center());
}

// An antialiased one-pixel outline on a half-pixel boundary lands between its colour and the fill.
bool between(const QColor &actual, const QColor &a, const QColor &b)
{
    const auto inRange = [](int v, int x, int y) {
        return v >= qMin(x, y) - 2 && v <= qMax(x, y) + 2;
    };
    return actual != b && inRange(actual.red(), a.red(), b.red()) &&
           inRange(actual.green(), a.green(), b.green()) &&
           inRange(actual.blue(), a.blue(), b.blue());
}

void sendEnter(QWidget *w)
{
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(w, &enter);
}

MessageBoxOptions buttonsOptions()
{
    MessageBoxOptions o;
    o.title = u"保存修改"_s;
    o.message = u"当前 PDF 已修改，是否保存？"_s;
    o.showCancel = true;
    o.showDiscard = true;
    return o;
}

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void kitFont_data();
    void kitFont();

    void messageBoxButtons_data();
    void messageBoxButtons();
    void messageBoxEscape();
    void messageBoxProgressCannotBeDismissed();
    void messageBoxLayout();
    void messageBoxWrappedTextFits();
    void messageBoxAccent_data();
    void messageBoxAccent();
    void messageBoxBackdropAndCentre();
    void messageBoxSeam();

    void dialogSeamFiles();
    void dialogSeamText();

    void iconButtonSizeHint_data();
    void iconButtonSizeHint();
    void iconButtonColours();

    void cards();
    void selectButton();
    void typeButtons();
    void moreOption();

    void passwordEye();
    void passwordBorder();

    void comboPopupToggle();
    void comboPopupHeight_data();
    void comboPopupHeight();
    void comboItemClicked();
    void comboFolderChoice();

    void namedImagesLoad();

    void keyboard_data();
    void keyboard();
    void passwordPrompt();

private:
    QWidget *m_window = nullptr;
};

void TestWidgets::init()
{
    DialogSeam::reset();
    m_window = new QWidget;
    m_window->resize(800, 600);
    m_window->move(100, 80);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestWidgets::cleanup()
{
    delete m_window;
    m_window = nullptr;
    DialogSeam::reset();
}

void TestWidgets::kitFont_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("arial");
    QTest::newRow("12") << 12 << 12 << false << true;
    QTest::newRow("14") << 14 << 14 << false << true;
    QTest::newRow("16") << 16 << 16 << false << true;
    QTest::newRow("270 bold 14") << 270 << 14 << true << true;
    QTest::newRow("274 bold 18") << 274 << 18 << true << true;
    QTest::newRow("keep family") << (0x1000 | 0x100 | 13) << 13 << true << false;
}

void TestWidgets::kitFont()
{
    QFETCH(int, code);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(bool, arial);
    QFont base;
    base.setFamily(u"Some Family"_s);
    const QFont f = KitStyle::font(code, base);
    QCOMPARE(f.pixelSize(), pixelSize);
    QCOMPARE(f.weight(), bold ? QFont::Bold : QFont::Normal);
    QCOMPARE(f.family(), arial ? u"Arial"_s : u"Some Family"_s);
}

void TestWidgets::messageBoxButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("result");
    QTest::newRow("confirm") << u"messageBoxConfirmButton"_s << int(ModernMessageBox::Confirmed);
    QTest::newRow("discard") << u"messageBoxDiscardButton"_s << int(ModernMessageBox::Discarded);
    QTest::newRow("cancel") << u"messageBoxCancelButton"_s << int(ModernMessageBox::Cancelled);
}

void TestWidgets::messageBoxButtons()
{
    QFETCH(QString, button);
    QFETCH(int, result);
    ModernMessageBox box(buttonsOptions(), m_window);
    bool clicked = false;
    QTimer::singleShot(0, &box, [&] {
        auto *b = box.findChild<QPushButton *>(button);
        QVERIFY(b);
        QTest::mouseClick(b, Qt::LeftButton);
        clicked = true;
    });
    QCOMPARE(box.exec(), result);
    QVERIFY(clicked);
    QCOMPARE(box.messageResult(), result);
    QVERIFY(!box.isVisible());
}

void TestWidgets::messageBoxEscape()
{
    MessageBoxOptions o;
    o.title = u"删除页面"_s;
    o.showCancel = true;
    ModernMessageBox box(o, m_window);
    QTimer::singleShot(0, &box, [&] { QTest::keyClick(&box, Qt::Key_Escape); });
    QCOMPARE(box.exec(), 0);
}

void TestWidgets::messageBoxProgressCannotBeDismissed()
{
    MessageBoxOptions o;
    o.title = u"正在保存 PDF"_s;
    o.showConfirm = false;
    o.showProgress = true;
    o.mayReject = false;
    DialogSeam::setScripted(true); // a progress box is never answered by the seam
    ModernMessageBox box(o, m_window);
    bool stillUp = false;
    QTimer::singleShot(0, &box, [&] {
        QTest::keyClick(&box, Qt::Key_Escape);
        box.close();
        box.reject();
        stillUp = box.isVisible();
        box.accept(); // what the owner does when its work ends
    });
    box.exec();
    QVERIFY(stillUp);
    QVERIFY(box.findChildren<QPushButton *>().isEmpty());
    auto *progress = box.findChild<QProgressBar *>(u"messageBoxProgress"_s);
    QVERIFY(progress);
    QCOMPARE(progress->maximum(), 0);
    QVERIFY(DialogSeam::requests().isEmpty());
}

void TestWidgets::messageBoxLayout()
{
    MessageBoxOptions o;
    o.title = u"仅标题"_s;
    ModernMessageBox box(o, m_window);
    box.show();
    QVERIFY(!box.findChild<QLabel *>(u"messageBoxMessage"_s));
    QVERIFY(!box.findChild<QLabel *>(u"messageBoxDetails"_s));
    auto *title = box.findChild<QLabel *>(u"messageBoxTitle"_s);
    auto *confirm = box.findChild<QPushButton *>(u"messageBoxConfirmButton"_s);
    QVERIFY(title && confirm);
    QCOMPARE(confirm->mapTo(&box, QPoint(0, 0)).y() - title->mapTo(&box, QPoint(0, 0)).y() -
                 title->height(),
             28);
    QVERIFY(box.width() >= 560 && box.width() <= 680);
    QVERIFY(confirm->isDefault());
    QCOMPARE(confirm->text(), u"确定"_s);

    // Buttons stand left to right as cancel, discard, confirm; a file name stays plain text.
    MessageBoxOptions full = buttonsOptions();
    full.message = u"<b>a.pdf</b>"_s;
    ModernMessageBox box2(full, m_window);
    box2.show();
    const auto x = [&](const char *name) {
        return box2.findChild<QPushButton *>(QString::fromLatin1(name))->mapTo(&box2, QPoint()).x();
    };
    QVERIFY(x("messageBoxCancelButton") < x("messageBoxDiscardButton"));
    QVERIFY(x("messageBoxDiscardButton") < x("messageBoxConfirmButton"));
    QCOMPARE(box2.findChild<QLabel *>(u"messageBoxMessage"_s)->textFormat(), Qt::PlainText);
    QCOMPARE(box2.findChild<QPushButton *>(u"messageBoxDiscardButton"_s)->text(), u"不保存"_s);
    QCOMPARE(box2.findChild<QPushButton *>(u"messageBoxCancelButton"_s)->text(), u"取消"_s);
}

// Long titles and messages wrap; every line must be inside its label.
void TestWidgets::messageBoxWrappedTextFits()
{
    MessageBoxOptions o;
    o.kind = MessageBoxOptions::Error;
    o.title = u"Sprache kann nicht gewechselt werden, weil die Datei fehlt"_s;
    o.message = u"Die Übersetzungsdatei der gewählten Sprache konnte nicht geladen werden, "
                u"bitte installieren Sie das Programm erneut."_s;
    o.details = u"/home/user/Documents/a/rather/long/folder/name/that/wraps/report-final.pdf"_s;
    ModernMessageBox box(o, m_window);
    box.show();
    for (const char *name : {"messageBoxTitle", "messageBoxMessage", "messageBoxDetails"}) {
        auto *label = box.findChild<QLabel *>(QString::fromLatin1(name));
        QVERIFY(label);
        QVERIFY2(label->height() >= label->heightForWidth(label->width()), name);
    }
    auto *confirm = box.findChild<QPushButton *>(u"messageBoxConfirmButton"_s);
    QVERIFY(confirm->mapTo(&box, QPoint(0, confirm->height())).y() <= box.height());
}

void TestWidgets::messageBoxAccent_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QColor>("accent");
    QTest::addColumn<bool>("danger");
    QTest::newRow("question") << 0 << QColor(u"#4F46E5"_s) << false;
    QTest::newRow("information") << 1 << QColor(u"#20A66A"_s) << false;
    QTest::newRow("warning") << 2 << QColor(u"#E89A3C"_s) << false;
    QTest::newRow("error") << 3 << QColor(u"#E05252"_s) << true;
    QTest::newRow("unknown") << 7 << QColor(u"#4F46E5"_s) << false;
}

void TestWidgets::messageBoxAccent()
{
    QFETCH(int, kind);
    QFETCH(QColor, accent);
    QFETCH(bool, danger);
    MessageBoxOptions o;
    o.kind = kind;
    o.title = u"标题"_s;
    ModernMessageBox box(o, m_window);
    box.show();
    auto *bar = box.findChild<QFrame *>(u"messageBoxAccent"_s);
    QVERIFY(bar);
    QCOMPARE(bar->size(), QSize(34, 4));
    QCOMPARE(centrePixel(bar), accent);
    auto *confirm = box.findChild<QPushButton *>(u"messageBoxConfirmButton"_s);
    QCOMPARE(confirm->property("danger").toBool(), danger);
    const QColor fill = pixelAt(confirm, QPoint(confirm->width() / 2, 5));
    if (danger) {
        QCOMPARE(fill, QColor(u"#F0445B"_s));
        // The danger button carries a dark 2-pixel border.
        const QImage img = confirm->grab().toImage();
        QCOMPARE(img.pixelColor(img.width() / 2, 1), QColor(u"#111827"_s));
    } else {
        QCOMPARE(fill, QColor(u"#4F46E5"_s));
    }
}

void TestWidgets::messageBoxBackdropAndCentre()
{
    auto *child = new QWidget(m_window);
    ModernMessageBox box(buttonsOptions(), child);
    box.show();
    auto *backdrop = m_window->findChild<QWidget *>(u"modalBackdrop"_s);
    QVERIFY(backdrop);
    QVERIFY(backdrop->isVisible());
    QCOMPARE(backdrop->geometry(), m_window->rect());
    QVERIFY(qAbs(box.frameGeometry().center().x() - m_window->frameGeometry().center().x()) <= 1);
    QVERIFY(qAbs(box.frameGeometry().center().y() - m_window->frameGeometry().center().y()) <= 1);
    m_window->resize(900, 700);
    QCOMPARE(backdrop->geometry(), m_window->rect());
    box.hide();
    QTRY_VERIFY(!m_window->findChild<QWidget *>(u"modalBackdrop"_s));
}

void TestWidgets::messageBoxSeam()
{
    DialogSeam::answerMessageBox(ModernMessageBox::Discarded);
    QCOMPARE(ModernMessageBox::confirmWithDiscard(m_window, u"保存修改"_s, u"是否保存？"_s), 2);
    DialogSeam::answerMessageBox(ModernMessageBox::Confirmed);
    QCOMPARE(ModernMessageBox::confirm(m_window, u"删除"_s, u"确定？"_s), 1);

    DialogSeam::setScripted(true);
    QCOMPARE(ModernMessageBox::confirm(m_window, u"未应答"_s, QString()), 0);
    ModernMessageBox::showError(m_window, u"无法打开"_s, u"损坏"_s);

    const auto requests = DialogSeam::requests();
    QCOMPARE(requests.size(), 4);
    QCOMPARE(requests.at(0).title, u"保存修改"_s);
    QCOMPARE(requests.at(3).title, u"无法打开"_s);
    QCOMPARE(requests.at(3).messageKind, int(MessageBoxOptions::Error));
    QVERIFY(!m_window->findChild<QWidget *>(u"modalBackdrop"_s));
}

void TestWidgets::dialogSeamFiles()
{
    DialogSeam::answerFiles({u"/tmp/a.pdf"_s, u"/tmp/b.pdf"_s});
    DialogSeam::answerFiles({});
    DialogSeam::answerDirectory(u"/tmp/out"_s);
    QCOMPARE(DialogSeam::getOpenFileNames(m_window, u"选择 PDF"_s, QString(), QString()),
             (QStringList{u"/tmp/a.pdf"_s, u"/tmp/b.pdf"_s}));
    QCOMPARE(DialogSeam::getOpenFileName(m_window, u"打开"_s, QString(), QString()), QString());
    QCOMPARE(DialogSeam::getExistingDirectory(m_window, u"选择文件夹"_s, u"/home"_s),
             u"/tmp/out"_s);
    QCOMPARE(DialogSeam::pendingAnswers(), 0);

    DialogSeam::setScripted(true);
    QCOMPARE(DialogSeam::getSaveFileName(m_window, u"另存为"_s, QString(), QString()), QString());
    const auto requests = DialogSeam::requests();
    QCOMPARE(requests.size(), 4);
    QCOMPARE(requests.at(2).kind, DialogSeam::Kind::Directory);
    QCOMPARE(requests.at(2).text, u"/home"_s);
    QCOMPARE(requests.at(3).title, u"另存为"_s);
}

void TestWidgets::dialogSeamText()
{
    DialogSeam::answerText(u"secret"_s);
    DialogSeam::answerText(QString(), false);
    bool ok = false;
    QCOMPARE(DialogSeam::getText(m_window, u"密码"_s, u"输入密码"_s, QLineEdit::Password, QString(),
                                 &ok),
             u"secret"_s);
    QVERIFY(ok);
    QCOMPARE(DialogSeam::getText(m_window, u"密码"_s, u"输入密码"_s, QLineEdit::Password, QString(),
                                 &ok),
             QString());
    QVERIFY(!ok);
}

void TestWidgets::iconButtonSizeHint_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("iconSide");
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("text only") << u"添加文件"_s << 0;
    QTest::newRow("icon only") << QString() << 24;
    QTest::newRow("icon and text") << u" 打开"_s << 32;
}

void TestWidgets::iconButtonSizeHint()
{
    QFETCH(QString, text);
    QFETCH(int, iconSide);
    IconButton button(text, m_window);
    QPixmap pixmap;
    if (iconSide) {
        pixmap = QPixmap(iconSide, iconSide);
        pixmap.fill(Qt::red);
        button.setPixmap(pixmap);
    }
    QLabel probe(text);
    probe.setFont(KitStyle::font(KitStyle::Bold14, button.font()));
    const QSize textSize = text.isEmpty() ? QSize() : probe.sizeHint();
    const int gap = (!text.isEmpty() && iconSide) ? 35 : 32;
    const int expectedWidth = qMax(gap + textSize.width() + iconSide, 80);
    const int expectedHeight = qMax(qMax(textSize.height(), iconSide) + 16, 36);
    QCOMPARE(button.sizeHint(), QSize(expectedWidth, expectedHeight));
    QCOMPARE(button.minimumSizeHint(), button.sizeHint());
    if (text.isEmpty() && !iconSide)
        QCOMPARE(button.sizeHint(), QSize(80, 36));
}

void TestWidgets::iconButtonColours()
{
    IconButton button(u"开始"_s, m_window);
    button.resize(120, 40);
    button.show();
    QCOMPARE(centrePixel(&button), QColor(u"#4F46E5"_s));
    sendEnter(&button);
    QCOMPARE(pixelAt(&button, QPoint(6, 20)), QColor(u"#6366F1"_s));

    const QColor base(u"#20A66A"_s);
    button.setBackgroundColor(base);
    QCOMPARE(button.borderColor(), base);
    QCOMPARE(button.hoverColor(), base.lighter(112));

    button.setEnabled(false);
    QCOMPARE(pixelAt(&button, QPoint(6, 20)), QColor(Qt::gray));

    button.setEnabled(true);
    QSignalSpy clicked(&button, &QPushButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicked.size(), 1);
}

void TestWidgets::cards()
{
    auto *a = new CardRadioButton(u"基础压缩"_s, u"文件较大"_s, m_window);
    auto *b = new CardRadioButton(u"强力压缩"_s, u"文件较小"_s, m_window);
    a->setGeometry(10, 10, 300, 70);
    b->setGeometry(10, 90, 300, 70);
    QCOMPARE(a->height(), 70);
    QVERIFY(!a->isChecked());
    QCOMPARE(pixelAt(a, QPoint(150, 5)), QColor(u"#FFFFFF"_s));

    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(250, 35));
    QVERIFY(a->isChecked());
    QCOMPARE(pixelAt(a, QPoint(150, 5)), QColor(u"#E8F1FF"_s));
    QVERIFY(between(pixelAt(a, QPoint(150, 1)), QColor(u"#165DFF"_s), QColor(u"#E8F1FF"_s)));

    b->setChecked(true);
    QVERIFY(b->isChecked());
    QCOMPARE(pixelAt(b, QPoint(150, 5)), QColor(u"#E8F1FF"_s));
}

void TestWidgets::selectButton()
{
    SelectButton button(m_window);
    button.setText(u"A4"_s);
    button.resize(150, 44);
    QSignalSpy selected(&button, &SelectButton::sigSelected);
    button.setSelected(false);
    QCOMPARE(selected.size(), 0);
    QCOMPARE(centrePixel(&button), QColor(u"#FFFFFF"_s));

    QTest::mouseClick(&button, Qt::LeftButton);
    QVERIFY(button.isSelected());
    QCOMPARE(selected.size(), 1);
    QCOMPARE(centrePixel(&button), QColor(u"#E8F1FF"_s));

    QTest::mouseClick(&button, Qt::LeftButton); // never deselects itself
    QVERIFY(button.isSelected());
    sendEnter(&button);
    QCOMPARE(pixelAt(&button, QPoint(75, 3)), QColor(u"#DCE9FF"_s));
}

void TestWidgets::typeButtons()
{
    auto *word = new TypeButton(m_window);
    auto *excel = new TypeButton(m_window);
    word->setText(u"Word"_s);
    excel->setText(u"Excel"_s);
    word->setGeometry(10, 10, 170, 52);
    excel->setGeometry(200, 10, 170, 52);
    QSignalSpy toggled(word, &QRadioButton::toggled);

    QTest::mouseClick(word, Qt::LeftButton, {}, QPoint(150, 26));
    QVERIFY(word->isChecked());
    QCOMPARE(toggled.size(), 1);
    QCOMPARE(pixelAt(word, QPoint(85, 5)), QColor(u"#E8F1FF"_s));

    QTest::mouseClick(excel, Qt::LeftButton, {}, QPoint(150, 26));
    QVERIFY(excel->isChecked());
    QVERIFY(!word->isChecked());
    QCOMPARE(pixelAt(word, QPoint(85, 5)), QColor(u"#FFFFFF"_s));
}

void TestWidgets::moreOption()
{
    MoreOption option(m_window);
    option.setText(u"合并为一个 PDF 文件"_s);
    option.resize(300, 80);
    option.show();
    QCOMPARE(option.checkBox()->text(), u"合并为一个 PDF 文件"_s);
    QTest::mouseClick(option.checkBox(), Qt::LeftButton, {},
                      QPoint(8, option.checkBox()->height() / 2));
    QVERIFY(option.checkBox()->isChecked());
    QVERIFY(between(pixelAt(&option, QPoint(1, 40)), QColor(u"#DDDDDD"_s), Qt::white));
}

void TestWidgets::passwordEye()
{
    PasswordInput input(m_window);
    input.resize(240, 40);
    input.show();
    QLineEdit *edit = input.lineEdit();
    QAction *eye = input.findChild<QAction *>(u"passwordEyeAction"_s);
    QCOMPARE(edit->echoMode(), QLineEdit::Password);
    QVERIFY(!eye->isVisible());

    QTest::keyClicks(edit, u"secret"_s);
    QVERIFY(eye->isVisible());
    eye->trigger();
    QCOMPARE(edit->echoMode(), QLineEdit::Normal);
    QCOMPARE(edit->displayText(), u"secret"_s);
    eye->trigger();
    QCOMPARE(edit->echoMode(), QLineEdit::Password);
    QVERIFY(edit->displayText() != u"secret"_s);

    edit->clear();
    QVERIFY(!eye->isVisible());
}

void TestWidgets::passwordBorder()
{
    PasswordInput input(m_window);
    input.resize(240, 40);
    input.show();
    QCOMPARE(pixelAt(&input, QPoint(0, 20)), QColor(u"#E2E7EF"_s));
    input.setError(true);
    QCOMPARE(pixelAt(&input, QPoint(0, 20)), QColor(u"#E05252"_s));
    sendEnter(&input);
    QCOMPARE(pixelAt(&input, QPoint(0, 20)), QColor(u"#8490A3"_s));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&input, &leave);
    m_window->activateWindow();
    QTest::mouseClick(&input, Qt::LeftButton, {}, QPoint(5, 20));
    QTRY_VERIFY(input.lineEdit()->hasFocus());
    QCOMPARE(pixelAt(&input, QPoint(0, 20)), QColor(u"#4F46E5"_s));
}

void TestWidgets::comboPopupToggle()
{
    ModernComboBox combo(m_window);
    combo.resize(260, 42);
    combo.show();
    QCOMPARE(combo.height(), 42);
    QTest::mouseClick(&combo, Qt::LeftButton);
    QVERIFY(!combo.popup()->isVisible());

    combo.addItem(u"桌面"_s);
    QTest::mouseClick(&combo, Qt::LeftButton);
    QVERIFY(combo.popup()->isVisible());
    QCOMPARE(combo.popup()->width(), combo.width());
    QCOMPARE(combo.popup()->pos(), combo.mapToGlobal(QPoint(0, combo.height() + 8)));
    QTest::mouseClick(&combo, Qt::LeftButton);
    QVERIFY(!combo.popup()->isVisible());

    ModernComboBox above(m_window, true);
    above.addItem(u"桌面"_s);
    above.show();
    QTest::mouseClick(&above, Qt::LeftButton);
    QCOMPARE(above.popup()->pos(), above.mapToGlobal(QPoint(0, -215)));
    above.popup()->hide();
}

void TestWidgets::comboPopupHeight_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<int>("height");
    QTest::newRow("one") << 1 << 64;
    QTest::newRow("four") << 4 << 208;
    QTest::newRow("five") << 5 << 256;
}

void TestWidgets::comboPopupHeight()
{
    QFETCH(int, entries);
    QFETCH(int, height);
    ModernComboBox combo(m_window);
    for (int i = 0; i < entries; ++i)
        combo.addItem(QString::number(i));
    combo.show();
    QTest::mouseClick(&combo, Qt::LeftButton);
    QCOMPARE(combo.popup()->listWidget()->height(), height);
    QCOMPARE(combo.popup()->height(), height);
    combo.popup()->hide();
}

void TestWidgets::comboItemClicked()
{
    ModernComboBox combo(m_window);
    const QIcon folder(u":/res/icons/modern/folder.png"_s);
    combo.addItem(u"原始文件"_s, folder);
    combo.addItem(u"桌面"_s, folder);
    QCOMPARE(combo.lastAddedItem()->data(ModernComboBox::TextRole).toString(), u"桌面"_s);
    combo.resize(260, 42);
    combo.show();
    QSignalSpy changed(&combo, &ModernComboBox::currentIndexChanged);

    QTest::mouseClick(&combo, Qt::LeftButton);
    QListWidget *list = combo.popup()->listWidget();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.at(0).at(0).toInt(), 1);
    QCOMPARE(combo.currentIndex(), 1);
    QCOMPARE(combo.currentText(), u"桌面"_s);
    QVERIFY(!combo.popup()->isVisible());
}

void TestWidgets::comboFolderChoice()
{
    ModernComboBox combo(m_window);
    combo.addItem(u"桌面"_s);
    combo.addItem(u"选择位置..."_s, QIcon(), true);
    QListWidgetItem *choice = combo.folderChoiceItem();
    QVERIFY(choice);
    QCOMPARE(choice->data(ModernComboBox::ModeRole).toInt(), 3);
    QSignalSpy changed(&combo, &ModernComboBox::currentIndexChanged);

    DialogSeam::answerDirectory(u"/tmp/chosen"_s);
    combo.onItemClicked(choice);
    QCOMPARE(combo.currentText(), u"/tmp/chosen"_s);
    QCOMPARE(DialogSeam::requests().at(0).title, u"选择文件夹"_s);

    DialogSeam::answerDirectory(QString()); // cancelled: the text stays, the signal still comes
    combo.onItemClicked(choice);
    QCOMPARE(combo.currentText(), u"/tmp/chosen"_s);
    QCOMPARE(changed.size(), 2);

    combo.onItemClicked(combo.item(0));
    QCOMPARE(choice->data(ModernComboBox::TextRole).toString(), u"选择位置..."_s);
    QCOMPARE(changed.size(), 3);
}

void TestWidgets::namedImagesLoad()
{
    // Every ":/res/..." image that a source file or the artwork list names must load.
    QSet<QString> paths;
    const QRegularExpression named(uR"(:/res/(?:checkbox|icons)/[A-Za-z0-9_@./-]+\.png)"_s);
    for (const QString &dir :
         {u"app"_s, u"core"_s, u"widgets"_s, u"tools"_s, u"document"_s, u"organise"_s, u"viewer"_s,
          u"recent"_s, u"language"_s, u"account"_s}) {
        QDirIterator it(QStringLiteral(VELMORA_SOURCE_DIR) + u'/' + dir, {u"*.cpp"_s, u"*.h"_s},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            for (const auto &m : named.globalMatch(text))
                paths.insert(m.captured(0));
        }
    }
    QVERIFY(paths.size() > 10);

    const char *artwork[] = {"checkbox/checkbox-checked",
                             "checkbox/checkbox-checked-hover",
                             "checkbox/checkbox-unchecked",
                             "checkbox/checkbox-unchecked-hover",
                             "checkbox/radio-button-on",
                             "checkbox/radio-button-on-hover",
                             "checkbox/radio-button-off",
                             "checkbox/radio-button-off-hover",
                             "icons/modern/add-file",
                             "icons/modern/addfile",
                             "icons/modern/chevron-down",
                             "icons/modern/close",
                             "icons/modern/close_20_hover",
                             "icons/modern/completed",
                             "icons/modern/compress",
                             "icons/modern/compress-big",
                             "icons/modern/convert",
                             "icons/modern/convert-big",
                             "icons/modern/decrypt",
                             "icons/modern/decrypt-big",
                             "icons/modern/documents",
                             "icons/modern/documents-big",
                             "icons/modern/documents-big@3x",
                             "icons/modern/down",
                             "icons/modern/encrypt",
                             "icons/modern/encrypt-big",
                             "icons/modern/eye",
                             "icons/modern/failed",
                             "icons/modern/file-excel",
                             "icons/modern/file-image",
                             "icons/modern/file-pdf",
                             "icons/modern/file-ppt",
                             "icons/modern/file-word",
                             "icons/modern/folder",
                             "icons/modern/home",
                             "icons/modern/image",
                             "icons/modern/image-big",
                             "icons/modern/lock",
                             "icons/modern/logo",
                             "icons/modern/maximize",
                             "icons/modern/merge",
                             "icons/modern/merge-big",
                             "icons/modern/minimize",
                             "icons/modern/open-file",
                             "icons/modern/open-folder",
                             "icons/modern/pdf",
                             "icons/modern/restart",
                             "icons/modern/restore",
                             "icons/modern/search",
                             "icons/modern/search@3x",
                             "icons/modern/trash",
                             "icons/pdfviewer/document-view",
                             "icons/pdfviewer/expand",
                             "icons/pdfviewer/fit-height",
                             "icons/pdfviewer/fit-width",
                             "icons/pdfviewer/hand",
                             "icons/pdfviewer/insert-plus",
                             "icons/pdfviewer/more",
                             "icons/pdfviewer/next",
                             "icons/pdfviewer/next-disabled",
                             "icons/pdfviewer/previous",
                             "icons/pdfviewer/previous-disabled",
                             "icons/pdfviewer/page-grid",
                             "icons/pdfviewer/print",
                             "icons/pdfviewer/redo",
                             "icons/pdfviewer/undo",
                             "icons/pdfviewer/rotate-left",
                             "icons/pdfviewer/rotate-right",
                             "icons/pdfviewer/save",
                             "icons/pdfviewer/save-as",
                             "icons/pdfviewer/split-scissors",
                             "icons/pdfviewer/thumbnail-panel",
                             "icons/pdfviewer/tools-grid",
                             "icons/pdfviewer/zoom-in",
                             "icons/pdfviewer/zoom-out"};
    QCOMPARE(std::size(artwork), size_t(75));
    for (const char *name : artwork)
        paths.insert(u":/res/"_s + QString::fromLatin1(name) + u".png"_s);

    for (const QString &path : std::as_const(paths)) {
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QVERIFY2(image.width() >= 32 && image.width() == image.height(), qPrintable(path));
    }
}

// Three controls of one kind; which one is chosen, read from the controls themselves.
struct KeyboardRig
{
    QList<QWidget *> controls;
    std::function<int()> chosen;
};

KeyboardRig keyboardRig(const QString &kind, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QVBoxLayout(row);
    KeyboardRig rig;
    if (kind == u"combo"_s) {
        auto *combo = new ModernComboBox(row);
        for (const char *text : {"A4", "Letter", "Legal"})
            combo->addItem(QString::fromLatin1(text));
        combo->setCurrentItem(0);
        rig.controls = {combo};
        rig.chosen = [combo] {
            return combo->popup()->isVisible() ? -1 : combo->currentIndex();
        };
    } else if (kind == u"cards"_s) {
        auto *group = new QButtonGroup(row);
        QList<CardRadioButton *> cards;
        for (int i = 0; i < 3; ++i) {
            auto *card = new CardRadioButton(u"Card"_s, u"Description"_s, row);
            group->addButton(card->radioButton(), i);
            cards.append(card);
            rig.controls.append(card);
        }
        cards.first()->setChecked(true);
        rig.chosen = [group] {
            return group->checkedId();
        };
    } else if (kind == u"types"_s) {
        auto *group = new QButtonGroup(row);
        for (int i = 0; i < 3; ++i) {
            auto *button = new TypeButton(row);
            button->setText(u"Type"_s);
            group->addButton(button, i);
            rig.controls.append(button);
        }
        group->button(0)->setChecked(true);
        rig.chosen = [group] {
            return group->checkedId();
        };
    } else {
        QList<SelectButton *> buttons;
        for (int i = 0; i < 3; ++i) {
            auto *button = new SelectButton(row);
            button->setText(u"Select"_s);
            buttons.append(button);
            rig.controls.append(button);
        }
        for (SelectButton *b : buttons)
            QObject::connect(b, &SelectButton::sigSelected, row, [b, buttons] {
                for (SelectButton *other : buttons)
                    if (other != b)
                        other->setSelected(false);
            });
        rig.chosen = [buttons] {
            int chosen = -1;
            for (int i = 0; i < buttons.size(); ++i)
                if (buttons.at(i)->isSelected())
                    chosen = chosen == -1 ? i : -2;
            return chosen;
        };
    }
    for (QWidget *control : std::as_const(rig.controls)) {
        control->setFixedSize(220, 56);
        layout->addWidget(control);
    }
    return rig;
}

void TestWidgets::keyboard_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<int>("chosen");
    QTest::newRow("combo: Space opens, Down moves, Return picks")
        << u"combo"_s << QKeySequence(Qt::Key_Space, Qt::Key_Down, Qt::Key_Return) << 1;
    QTest::newRow("combo: Return opens, Enter picks")
        << u"combo"_s << QKeySequence(Qt::Key_Return, Qt::Key_Down, Qt::Key_Down, Qt::Key_Enter)
        << 2;
    QTest::newRow("combo: Alt+Down opens, Escape closes unchanged")
        << u"combo"_s
        << QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key_Down),
                        QKeyCombination(Qt::Key_Down), QKeyCombination(Qt::Key_Escape))
        << 0;
    QTest::newRow("combo: Space picks in the list")
        << u"combo"_s << QKeySequence(Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Space) << 0;
    QTest::newRow("cards: Down checks the next") << u"cards"_s << QKeySequence(Qt::Key_Down) << 1;
    QTest::newRow("cards: Down Down Up")
        << u"cards"_s << QKeySequence(Qt::Key_Down, Qt::Key_Down, Qt::Key_Up) << 1;
    QTest::newRow("types: Down, Down")
        << u"types"_s << QKeySequence(Qt::Key_Down, Qt::Key_Down) << 2;
    QTest::newRow("select: Space") << u"select"_s << QKeySequence(Qt::Key_Space) << 0;
    QTest::newRow("select: Right wraps to the next")
        << u"select"_s << QKeySequence(Qt::Key_Space, Qt::Key_Right) << 1;
}

void TestWidgets::keyboard()
{
    QFETCH(QString, kind);
    QFETCH(QKeySequence, keys);
    QFETCH(int, chosen);

    KeyboardRig rig = keyboardRig(kind, m_window);
    m_window->adjustSize();
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QWidget *first = rig.controls.first();
    QVERIFY(first->focusPolicy() & Qt::TabFocus || first->focusProxy());
    first->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(first->hasFocus() || (first->focusProxy() && first->focusProxy()->hasFocus()));

    // The focused control shows the accent ring.
    const QImage image = first->grab().toImage();
    const QColor accent(0x4F, 0x46, 0xE5);
    int ringPixels = 0;
    for (int x = 0; x < image.width(); ++x)
        ringPixels += image.pixelColor(x, image.height() / 2 > 1 ? 1 : 0) == accent;
    QVERIFY2(ringPixels > image.width() / 2, qPrintable(QString::number(ringPixels)));

    for (int i = 0; i < keys.count(); ++i) {
        QWidget *target = QApplication::activePopupWidget()
                              ? QApplication::activePopupWidget()->focusWidget()
                              : QApplication::focusWidget();
        QVERIFY(target);
        const QKeyCombination key = keys[i];
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        QApplication::processEvents();
    }
    QCOMPARE(rig.chosen(), chosen);
}

// The password prompt is a kit message box with a password field; Return answers it.
void TestWidgets::passwordPrompt()
{
    m_window->show();
    QString seen;
    QTimer::singleShot(0, m_window, [&seen] {
        auto *box = qobject_cast<ModernMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen = box->findChild<QLabel *>(u"messageBoxMessage"_s)->text();
        auto *input = box->findChild<PasswordInput *>(u"messageBoxPassword"_s);
        if (!input)
            return;
        QTest::keyClicks(input->lineEdit(), u"s3cret"_s);
        QTest::keyClick(input->lineEdit(), Qt::Key_Return);
    });
    bool ok = false;
    const QString text =
        DialogSeam::getText(m_window, u"需要密码"_s, u"此 PDF 已加密，请输入密码："_s,
                            QLineEdit::Password, QString(), &ok);
    QCOMPARE(seen, u"此 PDF 已加密，请输入密码："_s);
    QVERIFY(ok);
    QCOMPARE(text, u"s3cret"_s);
}

VELMORA_REGISTER_TEST(TestWidgets);
#include "tst_widgets.moc"
