#include "sidebarmodel.h"

SidebarModel::SidebarModel(QObject *parent)
    : QAbstractListModel(parent)
{}

void SidebarModel::addItem(int kind, const QString &text, const QIcon &icon, int toolType)
{
    const int row = int(m_items.size());
    beginInsertRows(QModelIndex(), row, row);
    m_items.append({kind, text, icon, toolType});
    endInsertRows();
}

int SidebarModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

QVariant SidebarModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const Item &item = m_items.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return item.text;
    case Qt::DecorationRole:
        if (item.kind == Destination || item.kind == Tool)
            return item.icon;
        return QVariant();
    case KindRole:
        return item.kind;
    case ToolTypeRole:
        return item.toolType;
    default:
        return QVariant();
    }
}
