#include "filelocationselector.h"

#include "dialogseam.h"
#include "pathidentity.h"
#include "theme.h"
#include "toolpixmaps.h"

#include <QDir>
#include <QIcon>
#include <QMenu>
#include <QPainter>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

QString menuStyle()
{
    return uR"(
QMenu { background: %1; color: %2; border: 1px solid %3;
    border-radius: 7px; padding: 6px; }
QMenu::item { min-height: 32px; padding: 4px 12px 4px 34px; border-radius: 5px; }
QMenu::item:selected { background: %4; color: %5; }
QMenu::indicator { width: 14px; height: 14px; left: 10px; }
QMenu::separator { height: 1px; background: %6; margin: 5px 8px; }
)"_s.arg(Theme::surface, Theme::textPrimary, Theme::border, Theme::accentSoft,
         Theme::locationMenuSelectedText, Theme::rowSeparator);
}

} // namespace

FileLocationSelector::FileLocationSelector(QWidget *parent)
    : QAbstractButton(parent)
{
    setObjectName(u"fileLocationSelector"_s);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setFixedHeight(62);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setAccessibleName(tr("文件保存位置"));
    connect(this, &QAbstractButton::clicked, this, &FileLocationSelector::showMenu);
    refreshTexts();
}

QString FileLocationSelector::normalisedPath(const QString &path)
{
    if (path.trimmed().isEmpty())
        return QString();
    return pathidentity::internal(path);
}

bool FileLocationSelector::samePath(const QString &a, const QString &b)
{
    return pathidentity::same(normalisedPath(a), normalisedPath(b));
}

QString FileLocationSelector::standardFolder(LocationMode mode)
{
    switch (mode) {
    case Desktop:
        return normalisedPath(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
    case Documents:
        return normalisedPath(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    default:
        return QString();
    }
}

QString FileLocationSelector::directory() const
{
    switch (m_mode) {
    case SourceFolder:
        return m_sourceFolder;
    case Desktop:
    case Documents:
        return standardFolder(m_mode);
    case Custom:
        return m_customFolder;
    }
    return QString();
}

void FileLocationSelector::setLocation(LocationMode mode, const QString &customPath)
{
    const QString oldDirectory = directory();
    const LocationMode oldMode = m_mode;
    m_mode = mode;
    if (mode == Custom) {
        const QString folder = normalisedPath(customPath);
        if (folder.isEmpty())
            m_mode = oldMode;
        else
            m_customFolder = folder;
    }
    refreshTexts();
    update();
    const QString newDirectory = directory();
    if (m_mode != oldMode || newDirectory != oldDirectory)
        Q_EMIT directoryChanged(newDirectory);
}

void FileLocationSelector::setDirectory(const QString &path)
{
    const QString folder = normalisedPath(path);
    if (folder.isEmpty() || samePath(folder, m_sourceFolder)) {
        m_mode = SourceFolder;
    } else if (samePath(folder, standardFolder(Desktop))) {
        m_mode = Desktop;
    } else if (samePath(folder, standardFolder(Documents))) {
        m_mode = Documents;
    } else {
        m_mode = Custom;
        m_customFolder = folder;
    }
    refreshTexts();
    update();
}

void FileLocationSelector::setSourceFolder(const QString &path)
{
    const QString folder = normalisedPath(path);
    if (folder == m_sourceFolder)
        return;
    m_sourceFolder = folder;
    refreshTexts();
    update();
}

QString FileLocationSelector::modeName(LocationMode mode) const
{
    switch (mode) {
    case SourceFolder:
        return tr("原始文件夹");
    case Desktop:
        return tr("桌面");
    case Documents:
        return tr("文档");
    case Custom:
        return tr("自定义文件夹");
    }
    return QString();
}

void FileLocationSelector::refreshTexts()
{
    const QString folder = QDir::toNativeSeparators(directory());
    setToolTip(folder);
    setAccessibleDescription(modeName(m_mode) + u": "_s + folder);
}

void FileLocationSelector::showMenu()
{
    if (m_menu)
        m_menu->close();
    auto *menu = new QMenu(this);
    menu->setObjectName(u"fileLocationMenu"_s);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setStyleSheet(menuStyle());
    const QIcon folderIcon(ToolPixmaps::icon(u":/res/icons/modern/folder.png"_s, 16));
    for (const LocationMode mode : {SourceFolder, Desktop, Documents}) {
        QAction *action = menu->addAction(folderIcon, modeName(mode));
        action->setCheckable(true);
        action->setChecked(m_mode == mode);
        // With an icon beside it, a menu entry shows no check mark; the weight marks it instead.
        if (m_mode == mode) {
            QFont bold = menu->font();
            bold.setBold(true);
            action->setFont(bold);
        }
        action->setData(int(mode));
        connect(action, &QAction::triggered, this, [this, mode] { setLocation(mode); });
    }
    menu->addSeparator();
    QAction *other = menu->addAction(folderIcon, tr("选择其他文件夹…"));
    other->setData(int(Custom));
    // After the menu is gone, so the dialog does not stack on top of it.
    connect(other, &QAction::triggered, this, &FileLocationSelector::chooseOtherFolder,
            Qt::QueuedConnection);
    m_menu = menu;
    menu->popup(mapToGlobal(rect().bottomLeft() + QPoint(0, 4)));
}

void FileLocationSelector::chooseOtherFolder()
{
    const QString folder =
        DialogSeam::getExistingDirectory(this, tr("选择文件保存位置"), directory());
    if (!folder.isEmpty())
        setLocation(Custom, folder);
}

QSize FileLocationSelector::sizeHint() const
{
    return {240, 62};
}

void FileLocationSelector::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);

    const QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
    QColor fill = Theme::color(Theme::surface);
    if (isDown())
        fill = Theme::color(Theme::hoverSurface);
    else if (m_hovered)
        fill = Theme::color(Theme::lightSurface);
    QPen pen(hasFocus() ? Theme::color(Theme::accent) : Theme::color(Theme::border),
             hasFocus() ? 1.5 : 1.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin);
    p.setPen(pen);
    p.setBrush(fill);
    p.drawRoundedRect(frame, 7, 7);

    const QRect icon(14, (height() - 24) / 2, 24, 24);
    p.drawPixmap(icon, ToolPixmaps::icon(u":/res/icons/modern/folder.png"_s, 24));

    const int left = icon.right() + 1 + 12;
    const int columnWidth = qMax(0, width() - 43 - left);

    QFont title = font();
    title.setBold(true);
    p.setFont(title);
    p.setPen(Theme::color(Theme::textPrimary));
    p.drawText(QRect(left, 8, columnWidth, 21), Qt::AlignLeft | Qt::AlignVCenter, modeName(m_mode));

    QFont detail = font();
    if (detail.pointSizeF() > 2)
        detail.setPointSizeF(detail.pointSizeF() - 2);
    else if (detail.pixelSize() > 2)
        detail.setPixelSize(detail.pixelSize() - 2);
    p.setFont(detail);
    p.setPen(Theme::color(Theme::textMuted));
    const QString folder = QFontMetrics(detail).elidedText(QDir::toNativeSeparators(directory()),
                                                           Qt::ElideMiddle, columnWidth);
    p.drawText(QRect(left, 31, columnWidth, 20), Qt::AlignLeft | Qt::AlignVCenter, folder);

    const QRect chevron(width() - 31, (height() - 16) / 2, 16, 16);
    p.drawPixmap(chevron, ToolPixmaps::icon(u":/res/icons/modern/chevron-down.png"_s, 16));
}

void FileLocationSelector::enterEvent(QEnterEvent *event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void FileLocationSelector::leaveEvent(QEvent *event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}
