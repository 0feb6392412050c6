#include "outputlocationchoice.h"

#include "filelocationselector.h"
#include "moderncombobox.h"
#include "taskrequest.h"
#include "toolpixmaps.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidgetItem>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

OutputLocationChoice::OutputLocationChoice(ModernComboBox *combo, bool withSourceFolder)
    : QObject(combo)
    , m_combo(combo)
{
    const QIcon folder(ToolPixmaps::icon(u":/res/icons/modern/folder.png"_s, 24));
    struct Entry
    {
        QString text;
        int mode;
    };
    QList<Entry> entries;
    if (withSourceFolder)
        entries.append({tr("原始文件"), FileLocationSelector::SourceFolder});
    entries.append({tr("桌面"), FileLocationSelector::Desktop});
    entries.append({tr("Velmora文件"), FileLocationSelector::Documents});
    entries.append({tr("选择位置..."), FileLocationSelector::Custom});
    for (const Entry &entry : entries) {
        const bool folderChoice = entry.mode == FileLocationSelector::Custom;
        combo->addItem(entry.text, folder, folderChoice);
        combo->lastAddedItem()->setData(ModernComboBox::ModeRole, entry.mode);
    }
    // The source folder where there is one, else the program's folder.
    m_lastUsable = withSourceFolder ? 0 : 1;
    combo->setCurrentItem(m_lastUsable);
    connect(combo, &ModernComboBox::currentIndexChanged, this,
            &OutputLocationChoice::onIndexChanged);
}

bool OutputLocationChoice::isUsable(int index) const
{
    const QListWidgetItem *item = m_combo->item(index);
    if (!item)
        return false;
    if (item->data(ModernComboBox::ModeRole).toInt() != FileLocationSelector::Custom)
        return true;
    // The custom entry names a folder only once one was picked through it.
    return QDir::isAbsolutePath(item->data(ModernComboBox::TextRole).toString());
}

void OutputLocationChoice::onIndexChanged(int index)
{
    if (isUsable(index)) {
        m_lastUsable = index;
        return;
    }
    // The folder dialog was cancelled: show and use the location that was in use before.
    m_combo->setCurrentItem(m_lastUsable);
}

int OutputLocationChoice::currentMode() const
{
    const int index = isUsable(m_combo->currentIndex()) ? m_combo->currentIndex() : m_lastUsable;
    const QListWidgetItem *item = m_combo->item(index);
    return item ? item->data(ModernComboBox::ModeRole).toInt() : 0;
}

QString OutputLocationChoice::programFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = QDir(documents).filePath(u"Velmora"_s);
    // A folder that cannot be made is still named; the job then fails and says so.
    QDir().mkpath(folder);
    return folder;
}

QString OutputLocationChoice::desktopFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    QDir().mkpath(folder);
    return folder;
}

QString OutputLocationChoice::namedFolder(int mode)
{
    switch (mode) {
    case FileLocationSelector::Desktop:
        return desktopFolder();
    case FileLocationSelector::Documents:
        return programFolder();
    default:
        return {};
    }
}

QString OutputLocationChoice::folderProblem() const
{
    const int mode = currentMode();
    if (mode != FileLocationSelector::Desktop && mode != FileLocationSelector::Documents)
        return {};
    const QString folder = namedFolder(mode);
    if (QFileInfo(folder).isDir())
        return {};
    // The nearest folder that is there tells what stood in the way.
    QFileInfo existing(folder);
    while (!existing.exists() && !existing.isRoot() &&
           existing.absolutePath() != existing.absoluteFilePath())
        existing.setFile(existing.absolutePath());
    const QString why = existing.exists() && !existing.isDir() ? tr("路径中有一个同名的文件：%1")
                                                               : tr("没有在此创建文件夹的权限：%1");
    return why.arg(
        QDir::toNativeSeparators(existing.exists() ? existing.absoluteFilePath() : folder));
}

void OutputLocationChoice::resolve(TaskRequest &request) const
{
    const int mode = currentMode();
    request.useSourceFolder = mode == FileLocationSelector::SourceFolder;
    if (request.useSourceFolder) {
        request.outputPath.clear();
        return;
    }
    QString folder = namedFolder(mode);
    if (mode == FileLocationSelector::Custom) {
        const int index =
            isUsable(m_combo->currentIndex()) ? m_combo->currentIndex() : m_lastUsable;
        folder = m_combo->item(index)->data(ModernComboBox::TextRole).toString();
    }
    request.outputPath = folder;
}
