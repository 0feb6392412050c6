#pragma once

#include "pdfpageid.h"

#include <QAbstractListModel>
#include <QPointer>

class PdfTextSearch;

// The hits of a text search as a list, in page order, one row a hit: its page and the line it
// stands in. Rows come in while the search runs, wherever their page belongs.
class PdfFindResultsModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role {
        PageRowRole = Qt::UserRole + 1, // row of the page, as when the search started
        PageIdRole,
        HitIndexRole, // index among the page's hits
        ContextRole,  // the line's text
        HitStartRole, // where the hit stands in it
        HitLengthRole,
    };

    explicit PdfFindResultsModel(PdfTextSearch *search, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // The list row of the search's current hit, -1 when there is none.
    int currentRow() const;

private:
    void addPage(int pageRow);
    void reset();

    QPointer<PdfTextSearch> m_search;
    // (page row, hit index) in page order.
    QList<std::pair<int, int>> m_rows;
};
