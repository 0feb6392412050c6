#pragma once

#include <QAbstractTableModel>
#include <QDateTime>
#include <QList>
#include <QString>

// The recent files table: one row per file with its name, size and last modification date.
class FileHistoryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { NameColumn = 0, SizeColumn = 1, ModifiedColumn = 2, ColumnCount = 3 };
    enum Role {
        PathRole = Qt::UserRole,
        // The value a column sorts by: the name, the byte count or the modification time.
        SortRole = Qt::UserRole + 1,
    };

    struct Record
    {
        QString path;
        QString fileName;
        qint64 size = 0;
        QDateTime lastModified;
    };

    explicit FileHistoryModel(QObject *parent = nullptr);

    // Appends the file when it exists; false (and nothing added) when it does not.
    bool addFile(const QString &path);
    // Puts the file in the first row (the newest) when it exists; a row it already has moves
    // there.
    bool prependFile(const QString &path);
    // Reads every file's size and date again (a file may have been saved since it was listed).
    void refresh();

    // Drops the rows of the path; false when there was none.
    bool removeFile(const QString &path);
    Record record(int row) const { return m_records.value(row); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    QList<Record> m_records;
};
