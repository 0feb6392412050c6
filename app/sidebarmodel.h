#pragma once

#include <QAbstractListModel>
#include <QIcon>
#include <QList>
#include <QString>

// The entries of the side navigation: section headers, the home tab's destinations and the tools.
class SidebarModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Kind { Header = 0, Destination = 1, Tool = 2 };
    enum Role { KindRole = Qt::UserRole, ToolTypeRole = Qt::UserRole + 1 };

    struct Item
    {
        int kind = Header;
        QString text;
        QIcon icon;
        int toolType = 0;
    };

    explicit SidebarModel(QObject *parent = nullptr);

    // Appends an item; the text is shown as given (already translated).
    void addItem(int kind, const QString &text, const QIcon &icon = QIcon(), int toolType = 0);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    QList<Item> m_items;
};
