#include "filehistorymodel.h"

#include "filesizetext.h"

#include <QFileInfo>
#include <QIcon>

using namespace Qt::StringLiterals;

FileHistoryModel::FileHistoryModel(QObject *parent)
    : QAbstractTableModel(parent)
{}

bool FileHistoryModel::addFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    const int row = int(m_records.size());
    beginInsertRows(QModelIndex(), row, row);
    m_records.append({path, info.fileName(), info.size(), info.lastModified()});
    endInsertRows();
    return true;
}

bool FileHistoryModel::prependFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return false;
    for (int row = 0; row < int(m_records.size()); ++row) {
        if (m_records.at(row).path != path)
            continue;
        if (row > 0) {
            beginMoveRows(QModelIndex(), row, row, QModelIndex(), 0);
            m_records.move(row, 0);
            endMoveRows();
        }
        Record &r = m_records.first();
        if (info.size() != r.size || info.lastModified() != r.lastModified) {
            r.size = info.size();
            r.lastModified = info.lastModified();
            Q_EMIT dataChanged(index(0, SizeColumn), index(0, ModifiedColumn));
        }
        return true;
    }
    beginInsertRows(QModelIndex(), 0, 0);
    m_records.prepend({path, info.fileName(), info.size(), info.lastModified()});
    endInsertRows();
    return true;
}

void FileHistoryModel::refresh()
{
    for (int row = 0; row < int(m_records.size()); ++row) {
        Record &r = m_records[row];
        const QFileInfo info(r.path);
        if (!info.exists() || (info.size() == r.size && info.lastModified() == r.lastModified))
            continue;
        r.size = info.size();
        r.lastModified = info.lastModified();
        Q_EMIT dataChanged(index(row, SizeColumn), index(row, ModifiedColumn));
    }
}

bool FileHistoryModel::removeFile(const QString &path)
{
    bool removed = false;
    for (int row = int(m_records.size()) - 1; row >= 0; --row) {
        if (m_records.at(row).path != path)
            continue;
        beginRemoveRows(QModelIndex(), row, row);
        m_records.removeAt(row);
        endRemoveRows();
        removed = true;
    }
    return removed;
}

int FileHistoryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_records.size());
}

int FileHistoryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FileHistoryModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const Record &r = m_records.at(index.row());
    const int column = index.column();

    switch (role) {
    case Qt::DisplayRole:
        if (column == NameColumn)
            return r.fileName;
        if (column == SizeColumn)
            return FileSizeText::format(r.size);
        return r.lastModified.toString(u"yyyy-MM-dd"_s);
    case Qt::DecorationRole:
        if (column == NameColumn)
            return QIcon(u":/res/icons/modern/file-pdf.png"_s);
        return QVariant();
    case Qt::TextAlignmentRole:
        return column == NameColumn ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                    : int(Qt::AlignRight | Qt::AlignVCenter);
    case PathRole:
        return r.path;
    case SortRole:
        if (column == NameColumn)
            return r.fileName;
        if (column == SizeColumn)
            return r.size;
        return r.lastModified;
    default:
        return QVariant();
    }
}

QVariant FileHistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return section == NameColumn ? int(Qt::AlignLeft | Qt::AlignVCenter)
                                     : int(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case NameColumn:
        return tr("文件名");
    case SizeColumn:
        return tr("尺寸");
    default:
        return tr("最近一次编辑");
    }
}
