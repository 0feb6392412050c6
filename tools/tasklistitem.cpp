#include "tasklistitem.h"

#include "filesizetext.h"
#include "kitstyle.h"
#include "listframe.h"
#include "taskstatus.h"
#include "theme.h"
#include "toolpixmaps.h"

#include <QApplication>

#include <algorithm>
#include <cmath>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmapCache>
#include <QPushButton>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

QPushButton *openButton(const QString &objectName, const QString &icon, const QString &toolTip,
                        QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(objectName);
    button->setFixedSize(34, 34);
    button->setIcon(ToolPixmaps::icon(icon, 18));
    button->setIconSize(QSize(18, 18));
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(toolTip);
    button->hide();
    return button;
}

} // namespace

QString TaskListItem::styleRules()
{
    const QString statusColour =
        u"TaskListItem QLabel#taskStatusText[status=\"%1\"] { color: %2; }\n"_s;
    return uR"(
TaskListItem QLabel { background-color: transparent; color: %1; }
TaskListItem QPushButton { border: 1px solid %2; border-radius: 6px; background-color: %3; padding: 5px; }
TaskListItem QPushButton:enabled:hover { background-color: %4; border: 1px solid %5; }
TaskListItem QPushButton:!enabled { background-color: %6; border: 1px solid %2; }
TaskListItem QPushButton:focus { outline: none; }
TaskListItem QLabel#taskSize[failure="true"] { color: %7; }
TaskListItem QPushButton#taskRemoveInputButton { padding: 5px 12px; color: %1; }
)"_s.arg(Theme::kitText, Theme::kitDivider, Theme::surface, Theme::openButtonHover,
           Theme::openButtonHoverBorder, Theme::kitHover, Theme::danger) +
           statusColour.arg(0).arg(Theme::accent) + statusColour.arg(1).arg(Theme::accent) +
           statusColour.arg(2).arg(Theme::warning) + statusColour.arg(3).arg(Theme::success) +
           statusColour.arg(4).arg(Theme::danger) + statusColour.arg(5).arg(Theme::danger);
}

TaskListItem::TaskListItem(QWidget *parent)
    : QWidget(parent)
{
    const ListFrame::RowLabels labels = ListFrame::rowLabels(this, u"taskName"_s, u"taskSize"_s);
    m_fileIconLabel = labels.icon;
    m_fileIconLabel->setObjectName(u"taskFileIcon"_s);
    m_nameLabel = labels.name;
    m_sizeLabel = labels.size;

    m_statusTextLabel = new QLabel(this);
    m_statusTextLabel->setObjectName(u"taskStatusText"_s);
    m_statusTextLabel->setFont(KitStyle::font(KitStyle::Regular14, font()));

    m_statusIconLabel = new QLabel(this);
    m_statusIconLabel->setObjectName(u"taskStatusIcon"_s);
    m_statusIconLabel->hide();

    m_openFileButton = openButton(u"taskOpenFileButton"_s, u":/res/icons/modern/open-file.png"_s,
                                  tr("打开文件"), this);
    m_openFolderButton =
        openButton(u"taskOpenFolderButton"_s, u":/res/icons/modern/open-folder.png"_s,
                   tr("打开所在文件夹"), this);

    m_removeInputButton = new QPushButton(tr("移除并重试"), this);
    m_removeInputButton->setObjectName(u"taskRemoveInputButton"_s);
    m_removeInputButton->setFixedHeight(34);
    m_removeInputButton->setFont(KitStyle::font(KitStyle::Regular12, font()));
    m_removeInputButton->setCursor(Qt::PointingHandCursor);
    m_removeInputButton->hide();

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(15, 0, 15, 0);
    layout->setAlignment(Qt::AlignVCenter);
    layout->addWidget(m_fileIconLabel, 0, Qt::AlignVCenter);
    layout->addSpacing(15);
    layout->addLayout(labels.texts);
    layout->addStretch();
    layout->addWidget(m_statusTextLabel, 0, Qt::AlignVCenter);
    layout->addSpacing(5);
    layout->addWidget(m_statusIconLabel, 0, Qt::AlignVCenter);
    layout->addSpacing(5);
    layout->addWidget(m_removeInputButton, 0, Qt::AlignVCenter);
    layout->addSpacing(5);
    layout->addWidget(m_openFileButton, 0, Qt::AlignVCenter);
    layout->addSpacing(5);
    layout->addWidget(m_openFolderButton, 0, Qt::AlignVCenter);

    connect(m_openFileButton, &QPushButton::clicked, this, &TaskListItem::openFile);
    connect(m_openFolderButton, &QPushButton::clicked, this, &TaskListItem::openFolder);
    connect(m_removeInputButton, &QPushButton::clicked, this, &TaskListItem::removeInputRequested);

    setStatus(TaskStatus::Waiting);
}

void TaskListItem::setTask(const TaskItemInfo &info)
{
    m_taskId = info.taskId;
    m_sourceFile = info.sourceFile;
    m_sourceSize = info.sourceSize;
    m_inputs = info.inputs;
    setOutputPath(info.outputPath);
    setStatus(TaskStatus::Waiting);
}

void TaskListItem::setOutputPath(const QString &path)
{
    m_outputPath = QDir::cleanPath(path);
    const QFileInfo info(m_outputPath);
    const bool isFile = info.isFile();
    static const QStringList fileSuffixes{u"pdf"_s, u"docx"_s, u"xlsx"_s, u"pptx"_s};
    const bool pendingPdf = !info.exists() && fileSuffixes.contains(info.suffix().toLower());

    const QString name = info.fileName();
    m_nameLabel->setText(name.isEmpty() ? m_outputPath : name);
    m_nameLabel->setToolTip(QDir::toNativeSeparators(m_outputPath));

    if (!isFile && !pendingPdf) {
        m_fileIconLabel->setPixmap(ToolPixmaps::icon(u":/res/icons/modern/folder.png"_s, 32));
        // A folder has no size; the file it came from tells rows into one folder apart.
        const QString source = QFileInfo(m_sourceFile).fileName();
        m_sizeLabel->setText(source);
        m_sizeLabel->setToolTip(QDir::toNativeSeparators(m_sourceFile));
        m_sizeLabel->setVisible(!source.isEmpty());
        return;
    }
    m_sizeLabel->setToolTip(QString());
    m_fileIconLabel->setPixmap(ToolPixmaps::icon(ListFrame::fileIcon(m_outputPath), 32));
    if (isFile) {
        const bool compressed = m_sourceSize >= 0 && m_status == TaskStatus::Completed;
        QString text = compressed ? sizeChangeText(m_sourceSize, info.size())
                                  : FileSizeText::format(info.size());
        if (!m_note.isEmpty())
            text += u"  "_s + m_note;
        m_sizeLabel->setText(text);
        m_sizeLabel->show();
    } else {
        m_sizeLabel->clear();
        m_sizeLabel->hide();
    }
}

QString TaskListItem::sizeChangeText(qint64 before, qint64 after)
{
    const qint64 saved = before > 0 ? std::max<qint64>(0, before - after) : 0;
    const int percent = before > 0 ? int(std::lround(100.0 * double(saved) / double(before))) : 0;
    return tr("%1 → %2（节省 %3%）")
        .arg(FileSizeText::format(before), FileSizeText::format(after), QString::number(percent));
}

void TaskListItem::setNote(const QString &note)
{
    m_note = note;
    setOutputPath(m_outputPath);
}

void TaskListItem::setFailureReason(const QString &reason)
{
    m_failureReason = reason;
    if (m_status == TaskStatus::Failed)
        showSecondLine();
}

void TaskListItem::setFailedInput(const QString &file, bool offerRemoval)
{
    m_failedInput = file;
    m_offerRemoval = offerRemoval && !file.isEmpty();
    m_removeInputButton->setToolTip(QDir::toNativeSeparators(file));
    if (m_status == TaskStatus::Failed)
        showFailedTitle();
}

void TaskListItem::showSecondLine()
{
    m_sizeLabel->setText(m_failureReason);
    m_sizeLabel->setToolTip(m_failureReason);
    m_sizeLabel->setProperty("failure", true);
    m_sizeLabel->style()->unpolish(m_sizeLabel);
    m_sizeLabel->style()->polish(m_sizeLabel);
    m_sizeLabel->setVisible(!m_failureReason.isEmpty());
    m_statusTextLabel->setToolTip(m_failureReason);
}

void TaskListItem::showFailedTitle()
{
    QString named = m_sourceFile;
    if (named.isEmpty() && m_inputs.size() == 1)
        named = m_inputs.constFirst();
    if (named.isEmpty())
        named = m_failedInput;
    QString title = QFileInfo(named).fileName();
    QString toolTip = QDir::toNativeSeparators(named);
    if (named.isEmpty() && !m_inputs.isEmpty()) {
        title = tr("%1 等 %n 个文件", nullptr, int(m_inputs.size()))
                    .arg(QFileInfo(m_inputs.constFirst()).fileName());
        toolTip = QDir::toNativeSeparators(m_inputs.join(u'\n'));
    }
    m_removeInputButton->setVisible(m_offerRemoval);
    // Without its inputs (rows made by hand) the row keeps the name it has.
    if (title.isEmpty())
        return;
    m_nameLabel->setText(title);
    m_nameLabel->setToolTip(toolTip);
    m_fileIconLabel->setPixmap(ToolPixmaps::icon(
        ListFrame::fileIcon(named.isEmpty() ? m_inputs.constFirst() : named), 32));
}

void TaskListItem::setProgress(int percent)
{
    m_progress = percent;
    if (m_status == TaskStatus::Running || m_status == TaskStatus::Waiting)
        setStatus(m_status);
}

void TaskListItem::setStatus(int status)
{
    QString text;
    QLatin1StringView colour;
    QString icon;
    switch (status) {
    case TaskStatus::Waiting:
    case TaskStatus::Running:
        text = m_progress >= 0 ? tr("处理中... %1%").arg(m_progress) : tr("处理中...");
        colour = Theme::accent;
        break;
    case TaskStatus::Paused:
        text = tr("已暂停");
        colour = Theme::warning;
        break;
    case TaskStatus::Completed:
        text = tr("完成");
        colour = Theme::success;
        icon = u":/res/icons/modern/completed.png"_s;
        break;
    case TaskStatus::Failed:
        text = tr("失败");
        colour = Theme::danger;
        icon = u":/res/icons/modern/failed.png"_s;
        break;
    case TaskStatus::Cancelled:
        text = tr("已取消");
        colour = Theme::danger;
        icon = u":/res/icons/modern/failed.png"_s;
        break;
    default:
        return;
    }
    m_status = status;
    if (status == TaskStatus::Completed)
        setOutputPath(m_outputPath);

    m_statusTextLabel->setText(text);
    // The list's style sheet colours the text by this property.
    if (m_statusTextLabel->property("status").toInt() != status ||
        !m_statusTextLabel->property("status").isValid()) {
        m_statusTextLabel->setProperty("status", status);
        m_statusTextLabel->style()->unpolish(m_statusTextLabel);
        m_statusTextLabel->style()->polish(m_statusTextLabel);
    }
    if (icon.isEmpty()) {
        m_statusIconLabel->hide();
    } else {
        m_statusIconLabel->setPixmap(recolouredIcon(icon, Theme::color(colour)));
        m_statusIconLabel->show();
    }

    if (status == TaskStatus::Failed) {
        showFailedTitle();
        if (!m_failureReason.isEmpty())
            showSecondLine();
    } else {
        m_removeInputButton->hide();
    }

    const bool completed = status == TaskStatus::Completed;
    m_openFileButton->setVisible(completed && QFileInfo(m_outputPath).isFile());
    const QString folder = folderToOpen();
    m_openFolderButton->setVisible(completed && !folder.isEmpty() && QFileInfo(folder).isDir());
}

QString TaskListItem::folderToOpen() const
{
    if (m_outputPath.isEmpty())
        return QString();
    const QFileInfo info(m_outputPath);
    if (info.isDir())
        return m_outputPath;
    return info.absolutePath();
}

void TaskListItem::openFile()
{
    const QFileInfo info(m_outputPath);
    if (info.isFile())
        Q_EMIT openRequested(info.absoluteFilePath());
}

void TaskListItem::openFolder()
{
    const QString folder = folderToOpen();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        Q_EMIT openRequested(folder);
}

QPixmap TaskListItem::recolouredIcon(const QString &resource, const QColor &colour)
{
    const qreal ratio = qApp->devicePixelRatio();
    const QString key = u"velmora-status:%1:%2@%3"_s.arg(resource, colour.name()).arg(ratio);
    QPixmap cached;
    if (QPixmapCache::find(key, &cached))
        return cached;

    QImage image(resource);
    if (image.isNull()) {
        QPixmapCache::insert(key, QPixmap());
        return QPixmap();
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const int gray = (qRed(pixel) * 11 + qGreen(pixel) * 16 + qBlue(pixel) * 5) >> 5;
            const int alpha = ((255 - gray) * qAlpha(pixel)) / 255;
            line[x] = qRgba(colour.red(), colour.green(), colour.blue(), alpha);
        }
    }
    const int side = qRound(20 * ratio);
    QPixmap pixmap =
        QPixmap::fromImage(image.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}
