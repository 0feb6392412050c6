#include "pdftoptoolbar.h"

#include "pdftoolsmenustyle.h"
#include "roundedpopupmenu.h"
#include "theme.h"

#include <algorithm>

#include <QAction>
#include <QButtonGroup>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QIcon>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace {

const QString ModernIcons = u":/res/icons/modern/"_s;
const QString ViewerIcons = u":/res/icons/pdfviewer/"_s;
const QString CheckedImage = u":/res/checkbox/checkbox-checked.png"_s;
const QString UncheckedImage = u":/res/checkbox/checkbox-unchecked.png"_s;

struct AnnotationAction
{
    QString id;
    QString label;
    QString icon;
    Qt::Key key = Qt::Key_unknown;
};

QString barStyleSheet()
{
    QString sheet = uR"(
#pdfTopToolBar { background: %1; border: none; }
#pdfTopToolBar QPushButton { min-height: 36px; padding: 0 11px; color: %2; background: transparent; border: 1px solid transparent; border-radius: 7px; font-size: 13px; }
#pdfTopToolBar QPushButton:hover { background: %3; border-color: %4; }
#pdfTopToolBar QPushButton:pressed { background: %5; }
#pdfTopToolBar QPushButton:checked { color: %6; background: %7; border-color: %8; }
#pdfTopToolBar QPushButton[annotationActive="true"] { color: %6; background: %7; border-color: %8; }
#pdfTopToolBar QPushButton:disabled { color: %9; background: transparent; border-color: transparent; }
)"_s.arg(Theme::surface, Theme::textPrimary, Theme::lightSurface, Theme::border,
         Theme::hoverSurface, Theme::toolCheckedText, Theme::toolChecked, Theme::toolCheckedBorder,
         Theme::toolDisabledText);
    sheet += uR"(
#pdfTopToolBar #pdfViewModeGroup { background: %1; border: 1px solid %2; border-radius: 8px; }
#pdfTopToolBar #pdfViewModeGroup QPushButton { min-width: 48px; min-height: 40px; padding: 0; background: transparent; border: none; border-radius: 0; }
#pdfTopToolBar #pdfViewModeGroup QPushButton:hover { background: %3; }
#pdfTopToolBar #pdfViewModeGroup QPushButton:checked { color: %4; background: %5; border: none; }
#pdfTopToolBar #pdfViewModeGroup #pdfDocumentViewButton, #pdfTopToolBar #pdfViewModeGroup #pdfDocumentViewButton:hover, #pdfTopToolBar #pdfViewModeGroup #pdfDocumentViewButton:checked { border-top-left-radius: 6px; border-bottom-left-radius: 6px; border-right: 1px solid %2; }
#pdfTopToolBar #pdfViewModeGroup #pdfPageManageViewButton, #pdfTopToolBar #pdfViewModeGroup #pdfPageManageViewButton:hover, #pdfTopToolBar #pdfViewModeGroup #pdfPageManageViewButton:checked { border-top-right-radius: 6px; border-bottom-right-radius: 6px; }
#pdfTopToolBar #pdfThumbnailButton { min-width: 48px; min-height: 42px; padding: 0; background: transparent; border: 1px solid transparent; border-radius: 8px; }
#pdfTopToolBar #pdfThumbnailButton:hover { background: %3; border-color: transparent; }
#pdfTopToolBar #pdfThumbnailButton:checked { color: %4; background: %5; border-color: transparent; }
)"_s.arg(Theme::surface, Theme::viewModeBorder, Theme::viewModeHover, Theme::textPrimary,
         Theme::viewModeChecked);
    sheet += uR"(
#pdfTopToolBar #pdfToolsButton { color: %1; background: %2; border: none; border-radius: 8px; padding: 0 27px 0 11px; font-size: 16px; }
#pdfTopToolBar #pdfToolsButton:hover { background: %3; border: none; }
#pdfTopToolBar #pdfToolsButton:pressed { background: %4; border: none; }
#pdfTopToolBar #pdfToolsButton::menu-indicator { image: url(:/res/icons/modern/chevron-down.png); width: 14px; height: 14px; subcontrol-origin: padding; subcontrol-position: center right; right: 8px; }
#pdfToolbarSeparator { background: %5; }
QMenu { background: %9; color: %6; border: 1px solid %5; border-radius: 8px; padding: 7px; }
QMenu::item { min-width: 210px; min-height: 34px; padding: 3px 14px; border-radius: 5px; }
QMenu::item:selected { background: %7; color: %8; }
QMenu::separator { height: 1px; background: %5; margin: 5px 8px; }
)"_s.arg(Theme::toolsButtonText, Theme::toolsButton, Theme::toolsButtonHover,
         Theme::toolsButtonPressed, Theme::border, Theme::textPrimary, Theme::accentSoft,
         Theme::toolCheckedText, Theme::surface);
    return sheet;
}

QString toolsMenuStyleSheet()
{
    return uR"(
QMenu#pdfToolsMenu { background: %1; color: %2; border: 1px solid %3; border-radius: 8px; padding: 7px; }
QMenu#pdfToolsMenu::item { min-width: 210px; min-height: 38px; margin: 2px 5px; padding: 3px 16px 3px 8px; border-radius: 6px; }
QMenu#pdfToolsMenu::item:selected { background: %4; color: %5; }
QMenu#pdfToolsMenu::icon { left: 8px; width: 28px; height: 28px; }
QMenu#pdfToolsMenu::separator { height: 1px; background: %3; margin: 5px 10px; }
)"_s.arg(Theme::surface, Theme::textPrimary, Theme::border, Theme::accentSoft,
         Theme::toolCheckedText);
}

} // namespace

PdfTopToolBar::PdfTopToolBar(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(u"pdfTopToolBar"_s);
    setAttribute(Qt::WA_StyledBackground);
    setMinimumHeight(58);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    makeAction(Command::Save, tr("保存文件"), ViewerIcons + u"save.png"_s, {QKeySequence::Save},
               &PdfTopToolBar::saveRequested);
    makeAction(Command::SaveAs, tr("将文件保存为…"), ViewerIcons + u"save-as.png"_s,
               {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, &PdfTopToolBar::saveAsRequested);
    makeAction(Command::Print, tr("打印"), ViewerIcons + u"print.png"_s, {QKeySequence::Print},
               &PdfTopToolBar::printRequested);
    makeAction(Command::RevealInFolder, tr("在文件夹中显示"), ModernIcons + u"folder.png"_s, {},
               &PdfTopToolBar::revealInFolderRequested);
    makeAction(Command::Undo, tr("撤销"), ViewerIcons + u"undo.png"_s,
               {QKeySequence(Qt::CTRL | Qt::Key_Z)}, &PdfTopToolBar::undoRequested);
    makeAction(Command::Redo, tr("重做"), ViewerIcons + u"redo.png"_s,
               {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
               &PdfTopToolBar::redoRequested);
    makeAction(Command::Delete, tr("删除选定页面"), ModernIcons + u"trash.png"_s,
               {QKeySequence::Delete}, &PdfTopToolBar::deleteRequested);
    makeAction(Command::RotateLeft, tr("向左旋转"), ViewerIcons + u"rotate-left.png"_s, {},
               &PdfTopToolBar::rotateLeftRequested);
    makeAction(Command::RotateRight, tr("向右旋转"), ViewerIcons + u"rotate-right.png"_s, {},
               &PdfTopToolBar::rotateRightRequested);
    makeAction(Command::Insert, tr("插入"), ModernIcons + u"add-file.png"_s, {},
               &PdfTopToolBar::insertModeRequested);
    makeAction(Command::Extract, tr("提取"), ModernIcons + u"open-file.png"_s, {},
               &PdfTopToolBar::extractModeRequested);
    makeAction(Command::Split, tr("拆分"), ModernIcons + u"merge.png"_s, {},
               &PdfTopToolBar::splitModeRequested);
    makeAction(Command::Compress, tr("压缩"), ModernIcons + u"compress.png"_s, {},
               &PdfTopToolBar::compressRequested);
    makeAction(Command::ConvertToOffice, tr("PDF 转为 Office"), ModernIcons + u"convert.png"_s, {},
               &PdfTopToolBar::convertToOfficeRequested);
    makeAction(Command::ConvertToImages, tr("PDF 转为图像"), ModernIcons + u"image.png"_s, {},
               &PdfTopToolBar::convertToImagesRequested);
    makeAction(Command::Encrypt, tr("加密 PDF"), ModernIcons + u"encrypt.png"_s, {},
               &PdfTopToolBar::encryptRequested);
    makeAction(Command::Decrypt, tr("解锁 PDF"), ModernIcons + u"decrypt.png"_s, {},
               &PdfTopToolBar::decryptRequested);
    makeAction(Command::PageNumbers, tr("页面编号"), ModernIcons + u"file-pdf.png"_s, {},
               &PdfTopToolBar::pageNumberRequested);
    makeAction(Command::Properties, tr("文档属性"), ModernIcons + u"file-pdf.png"_s,
               {QKeySequence(Qt::CTRL | Qt::Key_D)}, &PdfTopToolBar::propertiesRequested);
    makeAction(Command::Sign, tr("签名"), ViewerIcons + u"signature.png"_s, {},
               &PdfTopToolBar::signRequested);
    for (Command command :
         {Command::Undo, Command::Redo, Command::Delete, Command::RotateLeft, Command::RotateRight})
        action(command)->setEnabled(false);

    // View mode: two halves of one framed control.
    m_viewModeGroup = new QWidget(this);
    m_viewModeGroup->setObjectName(u"pdfViewModeGroup"_s);
    m_viewModeGroup->setAttribute(Qt::WA_StyledBackground);
    m_viewModeGroup->setFixedSize(98, 42);
    auto *viewModeLayout = new QHBoxLayout(m_viewModeGroup);
    viewModeLayout->setContentsMargins(1, 1, 1, 1);
    viewModeLayout->setSpacing(0);

    m_documentViewButton = makeButton(QString(), tr("文档阅读视图"), true);
    m_documentViewButton->setObjectName(u"pdfDocumentViewButton"_s);
    setIconPath(m_documentViewButton, ViewerIcons + u"document-view.png"_s);
    m_documentViewButton->setIconSize(QSize(27, 27));
    m_documentViewButton->setFixedSize(48, 40);
    m_documentViewButton->setChecked(true);

    m_pageManageViewButton = makeButton(QString(), tr("页面管理视图"), true);
    m_pageManageViewButton->setObjectName(u"pdfPageManageViewButton"_s);
    setIconPath(m_pageManageViewButton, ViewerIcons + u"page-grid.png"_s);
    m_pageManageViewButton->setIconSize(QSize(27, 27));
    m_pageManageViewButton->setFixedSize(48, 40);

    m_documentViewButton->setParent(m_viewModeGroup);
    m_pageManageViewButton->setParent(m_viewModeGroup);
    viewModeLayout->addWidget(m_documentViewButton);
    viewModeLayout->addWidget(m_pageManageViewButton);
    m_viewModeButtons = new QButtonGroup(this);
    m_viewModeButtons->setExclusive(true);
    m_viewModeButtons->addButton(m_documentViewButton);
    m_viewModeButtons->addButton(m_pageManageViewButton);

    m_thumbnailButton = makeButton(QString(), tr("显示或隐藏缩略图"), true);
    m_thumbnailButton->setObjectName(u"pdfThumbnailButton"_s);
    setIconPath(m_thumbnailButton, ViewerIcons + u"thumbnail-panel.png"_s);
    m_thumbnailButton->setIconSize(QSize(27, 27));
    m_thumbnailButton->setFixedSize(48, 42);
    m_thumbnailButton->setChecked(true);

    m_toolsButton = makeButton(tr("工具"), tr("PDF 工具"), false);
    m_toolsButton->setObjectName(u"pdfToolsButton"_s);
    setIconPath(m_toolsButton, ViewerIcons + u"tools-grid.png"_s);
    m_toolsButton->setIconSize(QSize(27, 27));
    // Longer translations of the label widen the button instead of being clipped.
    QFont labelFont = m_toolsButton->font();
    labelFont.setPixelSize(16);
    const int labelWidth = QFontMetrics(labelFont).horizontalAdvance(m_toolsButton->text());
    // The menu's chevron (14 px) comes on top of the side paddings.
    m_toolsButton->setFixedSize(std::max(110, 11 + 27 + 6 + labelWidth + 27 + 2 + 14), 42);

    // Annotation actions: the hand tool, then plain buttons that name their action.
    m_annotationGroup = new QWidget(this);
    m_annotationGroup->setObjectName(u"pdfAnnotationGroup"_s);
    auto *annotationLayout = new QHBoxLayout(m_annotationGroup);
    annotationLayout->setContentsMargins(0, 0, 0, 0);
    annotationLayout->setSpacing(3);
    const QList<AnnotationAction> annotationActions = {
        {u"hand"_s, tr("手形工具"), ViewerIcons + u"hand.png"_s},
        {u"highlight"_s, tr("高亮所选文字"), ViewerIcons + u"annot-highlight.png"_s, Qt::Key_H},
        {u"underline"_s, tr("为所选文字加下划线"), ViewerIcons + u"annot-underline.png"_s,
         Qt::Key_U},
        {u"strikeout"_s, tr("为所选文字加删除线"), ViewerIcons + u"annot-strikeout.png"_s,
         Qt::Key_S},
        {u"note"_s, tr("便笺"), ViewerIcons + u"annot-note.png"_s, Qt::Key_N},
        {u"freetext"_s, tr("文本框"), ViewerIcons + u"annot-freetext.png"_s, Qt::Key_T},
        {u"ink"_s, tr("手绘"), ViewerIcons + u"annot-ink.png"_s, Qt::Key_P},
        {u"rectangle"_s, tr("矩形"), ViewerIcons + u"annot-rectangle.png"_s, Qt::Key_R},
        {u"ellipse"_s, tr("椭圆"), ViewerIcons + u"annot-ellipse.png"_s, Qt::Key_E},
        {u"arrow"_s, tr("箭头"), ViewerIcons + u"annot-arrow.png"_s, Qt::Key_A},
        {u"style"_s, tr("颜色、线宽和不透明度"), ViewerIcons + u"annot-style.png"_s},
        {u"delete"_s, tr("删除所选批注"), ModernIcons + u"trash.png"_s},
    };
    for (const AnnotationAction &action : annotationActions) {
        const bool hand = action.id == "hand"_L1;
        QPushButton *button = makeButton(QString(), action.label, hand);
        button->setParent(m_annotationGroup);
        setIconPath(button, action.icon);
        annotationLayout->addWidget(button);
        if (hand) {
            button->setObjectName(u"pdfHandToolButton"_s);
            button->setFixedWidth(40);
            connect(button, &QPushButton::toggled, this, &PdfTopToolBar::handToolToggled);
        } else {
            button->setObjectName(u"pdfAnnotation_"_s + action.id);
            button->setProperty("annotationAction", action.id);
            // Narrower than the hand tool, so that the bar fits the smallest window.
            button->setFixedWidth(34);
            button->setIconSize(QSize(22, 22));
            m_annotationButtons.append(button);
            auto *command = new QAction(QIcon(action.icon), action.label, this);
            if (action.key != Qt::Key_unknown)
                command->setShortcut(QKeySequence(action.key));
            button->setToolTip(toolTipOf(command));
            m_annotationActions.insert(action.id, command);
            connect(button, &QPushButton::clicked, command, &QAction::trigger);
            connect(command, &QAction::triggered, this,
                    [this, id = action.id] { Q_EMIT annotationActionRequested(id); });
            if (action.id == "style"_L1)
                m_styleButton = button;
        }
    }

    m_pageTaskGroup = new QWidget(this);
    m_pageTaskGroup->setObjectName(u"pdfPageTaskGroup"_s);
    auto *taskLayout = new QHBoxLayout(m_pageTaskGroup);
    taskLayout->setContentsMargins(0, 0, 0, 0);
    taskLayout->setSpacing(3);
    m_insertButton = makeButton(tr("插入"), tr("插入 PDF 或空白页"), true, u"add-file.png"_s);
    m_insertButton->setObjectName(u"pdfInsertButton"_s);
    m_extractButton = makeButton(tr("提取"), tr("提取选定页面"), true, u"open-file.png"_s);
    m_extractButton->setObjectName(u"pdfExtractButton"_s);
    m_splitButton = makeButton(tr("拆分"), tr("拆分 PDF"), true, u"merge.png"_s);
    m_splitButton->setObjectName(u"pdfSplitButton"_s);
    m_pageTaskButtons = new QButtonGroup(this);
    m_pageTaskButtons->setExclusive(true);
    for (QPushButton *button : {m_insertButton, m_extractButton, m_splitButton}) {
        button->setParent(m_pageTaskGroup);
        m_pageTaskButtons->addButton(button);
        taskLayout->addWidget(button);
    }
    taskLayout->addSpacing(10);

    m_rotateLeftButton = makeButton(QString(), QString(), false);
    m_rotateLeftButton->setObjectName(u"pdfRotateLeftButton"_s);
    setIconPath(m_rotateLeftButton, ViewerIcons + u"rotate-left.png"_s);
    m_rotateRightButton = makeButton(QString(), QString(), false);
    m_rotateRightButton->setObjectName(u"pdfRotateRightButton"_s);
    setIconPath(m_rotateRightButton, ViewerIcons + u"rotate-right.png"_s);
    m_deleteButton = makeButton(QString(), QString(), false, u"trash.png"_s);
    m_deleteButton->setObjectName(u"pdfDeleteButton"_s);
    m_selectAllButton = makeButton(tr("全选"), tr("选择全部页面"), true);
    m_selectAllButton->setObjectName(u"pdfSelectAllButton"_s);
    m_selectAllButton->setIconSize(QSize(24, 24));
    updateSelectAllImage();
    for (QPushButton *button :
         {m_rotateLeftButton, m_rotateRightButton, m_deleteButton, m_selectAllButton}) {
        button->setParent(m_pageTaskGroup);
        taskLayout->addWidget(button);
    }

    m_undoButton = makeButton(QString(), QString(), false);
    m_undoButton->setObjectName(u"pdfUndoButton"_s);
    setIconPath(m_undoButton, ViewerIcons + u"undo.png"_s);
    m_redoButton = makeButton(QString(), QString(), false);
    m_redoButton->setObjectName(u"pdfRedoButton"_s);
    setIconPath(m_redoButton, ViewerIcons + u"redo.png"_s);
    m_moreButton = makeButton(QString(), tr("更多"), false);
    m_moreButton->setObjectName(u"pdfMoreButton"_s);
    setIconPath(m_moreButton, ViewerIcons + u"more.png"_s);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(12, 8, 12, 8);
    layout->setSpacing(4);
    layout->addWidget(m_viewModeGroup);
    layout->addSpacing(8);
    layout->addWidget(m_thumbnailButton);
    layout->addSpacing(8);
    layout->addWidget(m_toolsButton);
    layout->addWidget(makeSeparator());
    layout->addWidget(m_annotationGroup);
    layout->addWidget(m_pageTaskGroup);
    layout->addStretch();
    layout->addWidget(m_undoButton);
    layout->addWidget(m_redoButton);
    layout->addWidget(makeSeparator());
    layout->addWidget(m_moreButton);

    setStyleSheet(barStyleSheet());
    buildToolsMenu();
    buildMoreMenu();

    connect(m_documentViewButton, &QPushButton::clicked, this,
            &PdfTopToolBar::documentViewRequested);
    connect(m_pageManageViewButton, &QPushButton::clicked, this,
            &PdfTopToolBar::pageManageViewRequested);
    connect(m_thumbnailButton, &QPushButton::toggled, this, &PdfTopToolBar::thumbnailToggled);
    bind(m_insertButton, Command::Insert);
    bind(m_extractButton, Command::Extract);
    bind(m_splitButton, Command::Split);
    bind(m_rotateLeftButton, Command::RotateLeft);
    bind(m_rotateRightButton, Command::RotateRight);
    bind(m_deleteButton, Command::Delete);
    bind(m_undoButton, Command::Undo);
    bind(m_redoButton, Command::Redo);
    connect(m_selectAllButton, &QPushButton::toggled, this, [this](bool checked) {
        updateSelectAllImage();
        Q_EMIT selectAllToggled(checked);
    });
    connect(m_moreButton, &QPushButton::clicked, this, &PdfTopToolBar::showMoreMenu);

    setViewMode(PdfViewMode::DocumentView);
}

QPushButton *PdfTopToolBar::makeButton(const QString &text, const QString &toolTip, bool checkable,
                                       const QString &iconName)
{
    auto *button = new QPushButton(text, this);
    button->setToolTip(toolTip);
    button->setCheckable(checkable);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    if (!iconName.isEmpty()) {
        setIconPath(button, ModernIcons + iconName);
        button->setIconSize(QSize(24, 24));
    }
    return button;
}

void PdfTopToolBar::setIconPath(QPushButton *button, const QString &path)
{
    // Scoped to the button: a bare declaration would reach its tool tip's label too, which has
    // no icon property and says so on every run.
    button->setStyleSheet(u"QPushButton { qproperty-icon: url(%1); }"_s.arg(path));
}

QWidget *PdfTopToolBar::makeSeparator()
{
    auto *separator = new QWidget(this);
    separator->setObjectName(u"pdfToolbarSeparator"_s);
    separator->setAttribute(Qt::WA_StyledBackground);
    separator->setFixedSize(1, 34);
    return separator;
}

QAction *PdfTopToolBar::makeAction(Command command, const QString &text, const QString &icon,
                                   const QList<QKeySequence> &keys, void (PdfTopToolBar::*signal)())
{
    auto *action = new QAction(QIcon(icon), text, this);
    action->setShortcuts(keys);
    action->setToolTip(toolTipOf(action));
    connect(action, &QAction::triggered, this, signal);
    m_actions.insert(command, action);
    return action;
}

QString PdfTopToolBar::toolTipOf(const QAction *action)
{
    const QKeySequence key = action->shortcut();
    if (key.isEmpty())
        return action->text();
    return u"%1 (%2)"_s.arg(action->text(), key.toString(QKeySequence::NativeText));
}

void PdfTopToolBar::bind(QPushButton *button, Command command)
{
    QAction *source = action(command);
    // The mode buttons keep their own longer tips.
    if (button->toolTip().isEmpty())
        button->setToolTip(source->toolTip());
    button->setEnabled(source->isEnabled());
    connect(button, &QPushButton::clicked, source, &QAction::trigger);
    connect(source, &QAction::changed, button,
            [button, source] { button->setEnabled(source->isEnabled()); });
}

void PdfTopToolBar::buildToolsMenu()
{
    m_toolsMenu = new RoundedPopupMenu(this);
    m_toolsMenu->setObjectName(u"pdfToolsMenu"_s);
    auto *style = new PdfToolsMenuStyle();
    style->setParent(m_toolsMenu);
    m_toolsMenu->setStyle(style);
    m_toolsMenu->setStyleSheet(toolsMenuStyleSheet());

    for (Command command : {Command::Compress, Command::ConvertToOffice, Command::ConvertToImages,
                            Command::Encrypt, Command::Decrypt, Command::PageNumbers})
        m_toolsMenu->addAction(action(command));
    m_toolsMenu->addSeparator();
    for (Command command : {Command::Insert, Command::Extract, Command::Split})
        m_toolsMenu->addAction(action(command));
    m_toolsButton->setMenu(m_toolsMenu);
}

void PdfTopToolBar::buildMoreMenu()
{
    m_moreMenu = new RoundedPopupMenu(this);
    m_moreMenu->setObjectName(u"pdfMoreMenu"_s);
    for (Command command : {Command::Save, Command::SaveAs, Command::Print, Command::RevealInFolder,
                            Command::Properties, Command::Sign})
        m_moreMenu->addAction(action(command));
}

QMenu *PdfTopToolBar::toolsMenu() const
{
    return m_toolsMenu;
}

QMenu *PdfTopToolBar::moreMenu() const
{
    return m_moreMenu;
}

QPoint PdfTopToolBar::moreMenuPosition() const
{
    const QPoint local(m_moreButton->width() - m_moreMenu->sizeHint().width(),
                       m_moreButton->height() + 2);
    return m_moreButton->mapToGlobal(local);
}

void PdfTopToolBar::showMoreMenu()
{
    m_moreMenu->popup(moreMenuPosition());
}

void PdfTopToolBar::updateSelectAllImage()
{
    setIconPath(m_selectAllButton, m_selectAllButton->isChecked() ? CheckedImage : UncheckedImage);
}

void PdfTopToolBar::setViewMode(PdfViewMode mode)
{
    m_viewMode = qint32(mode);
    const bool document = mode == PdfViewMode::DocumentView;
    m_documentViewButton->setChecked(document);
    m_pageManageViewButton->setChecked(mode == PdfViewMode::PageManageView);
    m_thumbnailButton->setVisible(document);
    m_annotationGroup->setVisible(document);
    m_pageTaskGroup->setVisible(mode == PdfViewMode::PageManageView);
}

void PdfTopToolBar::setWorkspaceMode(PdfWorkspaceMode mode)
{
    m_workspaceMode = qint32(mode);
    // Browse checks none of the three, which an exclusive group would not allow.
    m_pageTaskButtons->setExclusive(false);
    m_insertButton->setChecked(mode == PdfWorkspaceMode::Insert);
    m_extractButton->setChecked(mode == PdfWorkspaceMode::Extract);
    m_splitButton->setChecked(mode == PdfWorkspaceMode::Split);
    m_pageTaskButtons->setExclusive(true);
}

void PdfTopToolBar::setDocumentActionsEnabled(bool enabled)
{
    for (Command command : {Command::Save, Command::SaveAs, Command::Print, Command::RevealInFolder,
                            Command::Properties, Command::Sign})
        action(command)->setEnabled(enabled);
    for (QWidget *widget :
         {static_cast<QWidget *>(m_pageManageViewButton), static_cast<QWidget *>(m_thumbnailButton),
          static_cast<QWidget *>(m_toolsButton), m_annotationGroup, m_pageTaskGroup,
          static_cast<QWidget *>(m_moreButton)})
        widget->setEnabled(enabled);
}

void PdfTopToolBar::setSelectionActionsEnabled(bool enabled)
{
    for (Command command : {Command::RotateLeft, Command::RotateRight, Command::Delete})
        action(command)->setEnabled(enabled);
}

void PdfTopToolBar::setDeleteAllowed(bool allowed)
{
    QAction *remove = action(Command::Delete);
    if (!allowed)
        remove->setEnabled(false);
    const QString tip = allowed ? toolTipOf(remove) : tr("文档至少要保留一页，不能删除全部页面");
    remove->setToolTip(tip);
    m_deleteButton->setToolTip(tip);
}

void PdfTopToolBar::setUndoRedoEnabled(bool undo, bool redo)
{
    action(Command::Undo)->setEnabled(undo);
    action(Command::Redo)->setEnabled(redo);
}

void PdfTopToolBar::setAllSelected(bool checked)
{
    {
        const QSignalBlocker blocker(m_selectAllButton);
        m_selectAllButton->setChecked(checked);
    }
    updateSelectAllImage();
}

void PdfTopToolBar::setThumbnailChecked(bool checked)
{
    m_thumbnailButton->setChecked(checked);
}

void PdfTopToolBar::setActiveAnnotationAction(const QString &id)
{
    for (QPushButton *button : std::as_const(m_annotationButtons)) {
        const bool active = !id.isEmpty() && button->property("annotationAction").toString() == id;
        if (button->property("annotationActive").toBool() == active)
            continue;
        button->setProperty("annotationActive", active);
        button->style()->unpolish(button);
        button->style()->polish(button);
    }
}

void PdfTopToolBar::setAnnotationActionsEnabled(bool enabled)
{
    for (QPushButton *button : std::as_const(m_annotationButtons))
        button->setEnabled(enabled);
    for (QAction *command : std::as_const(m_annotationActions))
        command->setEnabled(enabled);
}

void PdfTopToolBar::setAnnotationStyleColour(const QColor &colour)
{
    if (!m_styleButton || !colour.isValid())
        return;
    // The style glyph with a bar of the colour beneath it.
    const qreal ratio = std::max(devicePixelRatioF(), 1.0);
    const QSize size = m_styleButton->iconSize();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const int bar = std::max(3, size.height() / 6);
        QIcon(ViewerIcons + u"annot-style.png"_s)
            .paint(&painter, QRect(0, 0, size.width(), size.height() - bar - 1));
        painter.setPen(QPen(Theme::color(Theme::borderStrong), 0.6));
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(2, size.height() - bar, size.width() - 4, bar - 0.5), 1.5,
                                1.5);
    }
    // The icon is set here instead of by the style sheet, which would put the plain glyph back.
    m_styleButton->setStyleSheet(QString());
    m_styleButton->setIcon(QIcon(pixmap));
    m_styleButton->setProperty("styleColour", colour.name());
}
