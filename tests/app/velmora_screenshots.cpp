// Renders the shell and the widget kit to PNG files for review: scripts/screenshots.sh runs it
// under Xvfb. Windows are captured from the screen (so the window mask shows); translucent
// dialogs and single controls are rendered in-process. With --screen FILE it only waits for
// another program's window to appear and saves the whole screen.

#include "cardradiobutton.h"
#include "combopopup.h"
#include "customtabwidget.h"
#include "framelesswindow.h"
#include "homepage.h"
#include "iconbutton.h"
#include "kitstyle.h"
#include "mainpage.h"
#include "moderncombobox.h"
#include "modernmessagebox.h"
#include "moreoption.h"
#include "passwordinput.h"
#include "pdfshowpage.h"
#include "recentfilelistview.h"
#include "recentfilespage.h"
#include "screenshots.h"
#include "selectbutton.h"
#include "startup.h"
#include "titlebar.h"
#include "tooltype.h"
#include "typebutton.h"
#include "workspacefactory.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QEnterEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTabBar>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace shots;

namespace {

void hover(QWidget *w)
{
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(w, &enter);
}

// A stand-in viewer tab for pictures of a populated tab bar; it shows no document.
class PictureViewerTab : public PdfShowPage
{
public:
    using PdfShowPage::PdfShowPage;
    bool openFile(const QString &) override { return true; }
};

QPixmap withBackdrop(QWidget *window, ModernMessageBox &box)
{
    box.show();
    settle();
    QPixmap canvas = window->grab();
    QPainter p(&canvas);
    const QPoint at = box.mapToGlobal(QPoint(0, 0)) - window->mapToGlobal(QPoint(0, 0));
    p.drawPixmap(at, box.grab());
    p.end();
    box.hide();
    settle();
    return canvas;
}

void messageBoxes(FramelessWindow *window)
{
    struct Scene
    {
        const char *name;
        MessageBoxOptions options;
    };
    MessageBoxOptions question;
    question.kind = MessageBoxOptions::Question;
    question.title = u"删除选定页面"_s;
    question.message = u"确定要删除选定的 3 个页面吗？"_s;
    question.details = u"删除后可以通过撤销恢复。"_s;
    question.showCancel = true;

    MessageBoxOptions info;
    info.kind = MessageBoxOptions::Information;
    info.title = u"拆分完成"_s;
    info.message = u"已生成 4 个文件。"_s;

    MessageBoxOptions warning;
    warning.kind = MessageBoxOptions::Warning;
    warning.title = u"保存修改"_s;
    warning.message = u"“report.pdf”已修改，是否保存？"_s;
    warning.confirmText = u"保存"_s;
    warning.showCancel = true;
    warning.showDiscard = true;

    MessageBoxOptions error;
    error.kind = MessageBoxOptions::Error;
    error.title = u"无法打开 PDF"_s;
    error.message = u"文件已损坏或不是 PDF 文件。"_s;
    error.details = u"/home/user/Documents/report-final.pdf"_s;

    MessageBoxOptions titleOnly;
    titleOnly.title = u"没有可打印的页面"_s;

    MessageBoxOptions progress;
    progress.title = u"正在保存 PDF"_s;
    progress.message = u"正在写入文件，大文件可能需要一些时间。"_s;
    progress.details = u"保存完成前请不要关闭程序。"_s;
    progress.showConfirm = false;
    progress.showProgress = true;
    progress.mayReject = false;

    const Scene scenes[] = {
        {"messagebox-question", question},    {"messagebox-information", info},
        {"messagebox-warning", warning},      {"messagebox-error", error},
        {"messagebox-title-only", titleOnly}, {"messagebox-progress", progress}};
    for (const Scene &scene : scenes) {
        ModernMessageBox box(scene.options, window);
        save(withBackdrop(window, box), QString::fromLatin1(scene.name));
    }
}

QPixmap kitSheet()
{
    auto *sheet = new QWidget;
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->setStyleSheet(u"QWidget#kitSheet{background:#F7F8FC;}"_s);
    sheet->setObjectName(u"kitSheet"_s);
    sheet->setAttribute(Qt::WA_StyledBackground);
    auto *grid = new QGridLayout(sheet);
    grid->setContentsMargins(24, 24, 24, 24);
    grid->setHorizontalSpacing(24);
    grid->setVerticalSpacing(16);
    int row = 0;
    // Each row has its own parent: radio buttons are exclusive among all of a parent's descendants.
    QWidget *line = nullptr;
    const auto caption = [&](const QString &text) {
        auto *label = new QLabel(text, sheet);
        label->setStyleSheet(u"color:#8490A3;font-size:12px;"_s);
        grid->addWidget(label, row, 0, Qt::AlignRight | Qt::AlignVCenter);
        line = new QWidget(sheet);
        grid->addWidget(line, row++, 1);
    };

    caption(u"IconButton"_s);
    auto *open = new IconButton(u" 打开"_s, line);
    open->setPixmap(QIcon(u":/res/icons/modern/addfile.png"_s).pixmap(32, 32));
    open->setFixedHeight(40);
    auto *add = new IconButton(u"添加文件"_s, line, true);
    add->setPixmap(QIcon(u":/res/icons/modern/addfile.png"_s).pixmap(24, 24));
    add->setFixedHeight(40);
    hover(add);
    auto *clear = new IconButton(u"清除全部"_s, line, true);
    clear->setBackgroundColor(QColor(u"#FFFFFF"_s));
    clear->setHoverColor(QColor(u"#F1F3F8"_s));
    clear->setBorderColor(QColor(u"#E2E7EF"_s));
    clear->setTextColor(QColor(u"#475569"_s));
    clear->setPixmap(QIcon(u":/res/icons/modern/trash.png"_s).pixmap(16, 16));
    clear->setFixedHeight(35);
    auto *disabled = new IconButton(u"开始"_s, line, true);
    disabled->setEnabled(false);
    auto *empty = new IconButton(QString(), line);
    auto *buttons = new QHBoxLayout(line);
    buttons->setContentsMargins(0, 0, 0, 0);
    for (QWidget *w :
         {static_cast<QWidget *>(open), static_cast<QWidget *>(add), static_cast<QWidget *>(clear),
          static_cast<QWidget *>(disabled), static_cast<QWidget *>(empty)})
        buttons->addWidget(w);
    buttons->addStretch();

    caption(u"CardRadioButton"_s);
    auto *cards = new QHBoxLayout(line);
    cards->setContentsMargins(0, 0, 0, 0);
    auto *basic = new CardRadioButton(u"基础压缩"_s, u"文件较大，质量较高"_s, line);
    basic->setChecked(true);
    auto *strong = new CardRadioButton(u"强力压缩"_s, u"文件较小，质量一般"_s, line);
    auto *hovered = new CardRadioButton(u"悬停"_s, u"鼠标位于卡片上"_s, line);
    hover(hovered);
    for (auto *c : {basic, strong, hovered}) {
        c->setFixedWidth(240);
        cards->addWidget(c);
    }
    cards->addStretch();

    caption(u"SelectButton"_s);
    auto *selects = new QHBoxLayout(line);
    selects->setContentsMargins(0, 0, 0, 0);
    const char *selectTexts[] = {"A4", "Letter", "悬停"};
    for (int i = 0; i < 3; ++i) {
        auto *s = new SelectButton(line);
        s->setText(QString::fromUtf8(selectTexts[i]));
        s->setFixedSize(150, 44);
        if (i == 0)
            s->setSelected(true);
        if (i == 2)
            hover(s);
        selects->addWidget(s);
    }
    selects->addStretch();

    caption(u"TypeButton"_s);
    auto *types = new QHBoxLayout(line);
    types->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char *, const char *> typeEntries[] = {
        {"Word", ":/res/icons/modern/file-word.png"},
        {"Excel", ":/res/icons/modern/file-excel.png"},
        {"PowerPoint", ":/res/icons/modern/file-ppt.png"}};
    int t = 0;
    for (const auto &[text, icon] : typeEntries) {
        auto *b = new TypeButton(line);
        b->setText(QString::fromLatin1(text));
        b->setPixmap(QIcon(QString::fromLatin1(icon)).pixmap(32, 32));
        b->setFixedSize(170, 52);
        if (t == 0)
            b->setChecked(true);
        if (t == 2)
            hover(b);
        ++t;
        types->addWidget(b);
    }
    types->addStretch();

    caption(u"MoreOption"_s);
    auto *more = new MoreOption(line);
    more->setText(u"合并为一个 PDF 文件"_s);
    more->setDescription(u"勾选后所有图像按列表顺序放入同一个文件。"_s);
    more->checkBox()->setChecked(true);
    more->setFixedWidth(420);
    auto *more2 = new MoreOption(line);
    more2->setText(u"分别保存"_s);
    more2->setFixedWidth(200);
    auto *mores = new QHBoxLayout(line);
    mores->setContentsMargins(0, 0, 0, 0);
    mores->addWidget(more);
    mores->addWidget(more2, 0, Qt::AlignTop);
    mores->addStretch();

    caption(u"PasswordInput"_s);
    auto *passwords = new QHBoxLayout(line);
    passwords->setContentsMargins(0, 0, 0, 0);
    auto *p1 = new PasswordInput(line);
    p1->lineEdit()->setPlaceholderText(u"请输入密码"_s);
    auto *p2 = new PasswordInput(line);
    p2->lineEdit()->setText(u"secret"_s);
    auto *p3 = new PasswordInput(line);
    p3->lineEdit()->setText(u"visible"_s);
    p3->findChild<QAction *>(u"passwordEyeAction"_s)->trigger();
    auto *p4 = new PasswordInput(line);
    p4->lineEdit()->setPlaceholderText(u"再次输入密码"_s);
    p4->setError(true);
    for (auto *p : {p1, p2, p3, p4}) {
        p->setFixedSize(200, 40);
        passwords->addWidget(p);
    }
    passwords->addStretch();

    caption(u"ModernComboBox"_s);
    auto *combos = new QHBoxLayout(line);
    combos->setContentsMargins(0, 0, 0, 0);
    auto *combo = new ModernComboBox(line);
    const QIcon folder(u":/res/icons/modern/folder.png"_s);
    combo->addItem(u"原始文件"_s, folder);
    combo->addItem(u"桌面"_s, folder);
    combo->addItem(u"Velmora文件"_s, folder);
    combo->addItem(u"选择位置..."_s, folder, true);
    combo->setCurrentItem(0);
    combo->setFixedWidth(260);
    auto *hoveredCombo = new ModernComboBox(line);
    hoveredCombo->addItem(u"A4 (210 x 297 mm)"_s, QIcon(u":/res/icons/modern/file-image.png"_s));
    hoveredCombo->setCurrentItem(0);
    hoveredCombo->setFixedWidth(260);
    hover(hoveredCombo);
    combos->addWidget(combo);
    combos->addWidget(hoveredCombo);
    combos->addStretch();

    caption(u"Check box / radio"_s);
    auto *checks = new QHBoxLayout(line);
    checks->setContentsMargins(0, 0, 0, 0);
    auto *c1 = new QCheckBox(u"未选中"_s, line);
    auto *c2 = new QCheckBox(u"选中"_s, line);
    c2->setChecked(true);
    auto *r1 = new QRadioButton(u"关"_s, line);
    auto *r2 = new QRadioButton(u"开"_s, line);
    for (auto *c : {c1, c2})
        c->setStyleSheet(KitStyle::checkBoxStyle());
    for (auto *r : {r1, r2}) {
        r->setStyleSheet(KitStyle::radioStyle());
        r->setAutoExclusive(false);
    }
    r2->setChecked(true);
    for (QWidget *w : {static_cast<QWidget *>(c1), static_cast<QWidget *>(c2),
                       static_cast<QWidget *>(r1), static_cast<QWidget *>(r2)})
        checks->addWidget(w);
    checks->addStretch();

    sheet->resize(1100, sheet->sizeHint().height());
    sheet->show();
    settle();
    QPixmap shot = sheet->grab();

    // The popup list of the first combo, opened below it.
    QTest::mouseClick(combo, Qt::LeftButton);
    settle();
    QPixmap popup = combo->popup()->grab();
    QPixmap withPopup(shot.width(), shot.height() + popup.height() + 24);
    withPopup.fill(QColor(u"#F7F8FC"_s));
    QPainter p(&withPopup);
    p.drawPixmap(0, 0, shot);
    p.drawPixmap(combo->mapTo(sheet, QPoint(0, 0)).x(), shot.height(), popup);
    p.end();
    combo->popup()->hide();
    sheet->close();
    return withPopup;
}

} // namespace

// Waits until something is drawn on the screen (another process's window), then saves it.
int grabScreen(const QString &path)
{
    for (int attempt = 0; attempt < 150; ++attempt) {
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        const QRgb first = shot.pixel(0, 0);
        bool drawn = false;
        for (int y = 0; y < shot.height() && !drawn; y += 7)
            for (int x = 0; x < shot.width() && !drawn; x += 7)
                drawn = shot.pixel(x, y) != first;
        if (drawn) {
            QTest::qWait(500); // let the window finish its first paint
            return QGuiApplication::primaryScreen()->grabWindow(0).save(path) ? 0 : 1;
        }
        QTest::qWait(100);
    }
    qWarning() << "nothing appeared on the screen";
    return 1;
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (app.arguments().value(1) == u"--screen"_s)
        return grabScreen(app.arguments().value(2, u"screen.png"_s));
    Startup::configureApplication(app);
    // Files opened for the pictures must not land in the user's recent files.
    QStandardPaths::setTestModeEnabled(true);
    shots::setFolder(app.arguments().value(1, u"screenshots"_s));

    auto *window = new FramelessWindow;
    Startup::installMainPage(*window);
    window->resize(1160, 780);
    window->move(40, 40);
    window->show();
    save(screenAround(window), u"window-home"_s);
    save(zoomed(window->titleBar()->grab()), u"titlebar"_s);

    auto *page = qobject_cast<MainPage *>(window->contentWidget());
    WorkspaceFactory::setViewerTabMaker(
        [](QWidget *parent) { return new PictureViewerTab(parent); });
    page->onToolClicked(ToolType::Compress);
    page->onToolClicked(ToolType::Merge);
    page->onFileOpen(u"/tmp/Quarterly report 2024 - final version.pdf"_s);
    page->onToolClicked(ToolType::PdfToImages);
    page->tabWidget()->setCurrentIndex(2);
    settle();
    save(screenAround(window), u"window-tabs"_s);
    QTabBar *bar = page->tabWidget()->tabBar();
    QTest::mouseMove(bar, bar->tabRect(3).center());
    settle();
    save(zoomed(bar->grab(QRect(0, 0, 900, bar->height()))), u"tabbar"_s);
    for (int t : {ToolType::PdfToOffice, ToolType::OfficeToPdf, ToolType::ImageToPdf})
        page->onToolClicked(t);
    settle();
    save(bar->grab(), u"tabbar-narrow"_s);

    // Fourteen tabs: shrunk, scrolling, the current one in view, the list of all of them.
    for (int i = 0; i < 7; ++i)
        page->onFileOpen(u"/tmp/Chapter %1 - engineering handbook.pdf"_s.arg(i + 1));
    page->tabWidget()->setCurrentIndex(page->tabWidget()->count() - 1);
    settle();
    save(screenAround(window), u"window-14-tabs"_s);
    page->tabWidget()->setCurrentIndex(5);
    settle();
    save(zoomed(bar->grab()), u"tabbar-14-middle"_s);

    // Recent files, newest first, with the menu of a row.
    page->tabWidget()->setCurrentIndex(0);
    QDir recentDir(QDir::temp().filePath(u"velmora-recent-shots"_s));
    recentDir.mkpath(u"."_s);
    for (const QString &name : {u"Annual report.pdf"_s, u"Budget 2025.pdf"_s, u"Contract.pdf"_s}) {
        QFile file(recentDir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray(2048, 'x'));
        file.close();
        page->homePage()->recordOpenedFile(file.fileName());
    }
    settle();
    {
        RecentFileListView *list = page->homePage()->recentFilesPage()->listView();
        QTreeView *tree = list->findChild<QTreeView *>(u"recentFilesTable"_s);
        const QModelIndex row = tree->model()->index(1, 0);
        QMenu *menu = list->createContextMenu(row, window);
        const QRect cell = tree->visualRect(row);
        menu->popup(tree->viewport()->mapToGlobal(cell.center()));
        settle();
        QPixmap canvas = window->grab();
        QPainter p(&canvas);
        p.drawPixmap(menu->mapToGlobal(QPoint(0, 0)) - window->mapToGlobal(QPoint(0, 0)),
                     menu->grab());
        p.end();
        save(canvas, u"recent-menu"_s);
        menu->close();
        menu->deleteLater();
    }

    window->showMaximized();
    settle();
    // Xvfb has no window manager to carry out the maximise; do its part.
    const QRect available = window->screen()->availableGeometry();
    if (window->geometry() != available)
        window->setGeometry(available);
    settle();
    save(window->screen()->grabWindow(0), u"window-maximized"_s);
    window->showNormal();
    settle();

    messageBoxes(window);
    save(kitSheet(), u"kit"_s);

    delete window;
    return 0;
}
