#include "pdffindresultsmodel.h"

#include "pdftextsearch.h"

#include <algorithm>

using namespace Qt::StringLiterals;

PdfFindResultsModel::PdfFindResultsModel(PdfTextSearch *search, QObject *parent)
    : QAbstractListModel(parent)
    , m_search(search)
{
    connect(search, &PdfTextSearch::hitsCleared, this, &PdfFindResultsModel::reset);
    connect(search, &PdfTextSearch::pageHitsAdded, this, &PdfFindResultsModel::addPage);
}

int PdfFindResultsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

void PdfFindResultsModel::reset()
{
    if (m_rows.isEmpty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void PdfFindResultsModel::addPage(int pageRow)
{
    const int hits = int(m_search->hitsOnPage(m_search->pageOfRow(pageRow)).size());
    if (hits == 0)
        return;
    const auto at = std::lower_bound(m_rows.cbegin(), m_rows.cend(), std::pair(pageRow, 0));
    const int first = int(at - m_rows.cbegin());
    beginInsertRows({}, first, first + hits - 1);
    QList<std::pair<int, int>> added;
    added.reserve(hits);
    for (int i = 0; i < hits; ++i)
        added.append({pageRow, i});
    m_rows.insert(first, hits, {});
    std::copy(added.cbegin(), added.cend(), m_rows.begin() + first);
    endInsertRows();
}

QVariant PdfFindResultsModel::data(const QModelIndex &index, int role) const
{
    if (!m_search || !index.isValid() || index.row() >= m_rows.size())
        return {};
    const auto [pageRow, hitIndex] = m_rows.at(index.row());
    const PdfPageId id = m_search->pageOfRow(pageRow);
    switch (role) {
    case PageRowRole:
        return pageRow;
    case PageIdRole:
        return QVariant::fromValue(id);
    case HitIndexRole:
        return hitIndex;
    default:
        break;
    }
    const QList<PdfTextHit> hits = m_search->hitsOnPage(id);
    if (hitIndex >= hits.size())
        return {};
    const PdfTextHit &hit = hits.at(hitIndex);
    switch (role) {
    case Qt::DisplayRole:
        return QString(tr("第 %1 页").arg(pageRow + 1) + u"  "_s + hit.context);
    case Qt::ToolTipRole:
    case ContextRole:
        return hit.context;
    case HitStartRole:
        return hit.contextStart;
    case HitLengthRole:
        return hit.contextLength;
    default:
        return {};
    }
}

int PdfFindResultsModel::currentRow() const
{
    if (!m_search || m_search->currentIndex() < 0)
        return -1;
    const std::pair wanted(m_search->rowOfPage(m_search->currentPage()), m_search->currentIndex());
    const auto at = std::lower_bound(m_rows.cbegin(), m_rows.cend(), wanted);
    return at != m_rows.cend() && *at == wanted ? int(at - m_rows.cbegin()) : -1;
}
