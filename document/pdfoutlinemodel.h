#pragma once

#include "filestamp.h"
#include "pdfeditorbackend.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QPointer>
#include <QVector>

class PdfDocumentModel;

// The bookmarks of the document's own file as a tree. Each item leads to the row where its target
// page now stands, so the tree follows pages that were moved; items whose page was removed are
// disabled. Outlines of inserted files are not shown.
class PdfOutlineModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Role {
        TargetRowRole = Qt::UserRole + 1, // int, -1 when the page is gone or there is none
        SourcePageRole,                   // int, page index in the file
        UriRole,                          // QString, set for external targets
    };

    explicit PdfOutlineModel(QObject *parent = nullptr);
    ~PdfOutlineModel() override;

    // Follows the model: a newly loaded file's outline is read on a pool thread.
    void setDocumentModel(PdfDocumentModel *model);
    // Replaces the tree at once (the loader ends here).
    void setOutline(const QString &path, const QList<PdfOutlineItem> &items);
    bool isLoading() const { return m_loading; }
    QString outlinePath() const { return m_path; }
    int itemCount() const { return int(m_nodes.size()); }
    int targetRow(const QModelIndex &index) const;
    // The item for a row: the last one, in reading order, of those that lead to the nearest
    // page at or before it; invalid when none does.
    QModelIndex indexForRow(int row) const;

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

Q_SIGNALS:
    void loadingChanged(bool loading);

private:
    struct Node
    {
        QString title;
        QString uri;
        int pageIndex = -1;
        int parent = -1;
        int row = 0;
        QVector<int> children;
    };

    void addNodes(const QList<PdfOutlineItem> &items, int parent);
    void reloadIfNeeded();
    void pagesChanged();
    void rebuildRows() const;
    const Node *nodeOf(const QModelIndex &index) const;
    void emitAllChanged(int parent);

    QPointer<PdfDocumentModel> m_model;
    QVector<Node> m_nodes;
    QVector<int> m_roots;
    QString m_path;
    FileStamp m_stamp;
    quint64 m_generation = 0;
    bool m_loading = false;
    mutable QHash<int, int> m_rowOfPage; // page index in the outline's file -> row
    mutable bool m_rowsDirty = true;
};
