#include "officelayout.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace officelayout {
namespace {

constexpr double kJoin = 2.0;    // rules this close meet
constexpr double kCluster = 3.0; // edges this close are one edge

struct UnionFind
{
    std::vector<int> parent;
    explicit UnionFind(size_t n)
        : parent(n)
    {
        std::iota(parent.begin(), parent.end(), 0);
    }
    int find(int i)
    {
        while (parent[size_t(i)] != i)
            i = parent[size_t(i)] = parent[size_t(parent[size_t(i)])];
        return i;
    }
    void join(int a, int b) { parent[size_t(find(a))] = find(b); }
};

// Pieces of one rule drawn in several strokes become one.
std::vector<Segment> mergeCollinear(std::vector<Segment> rules, bool horizontal)
{
    auto across = [horizontal](const Segment &s) {
        return horizontal ? s.y0 : s.x0;
    };
    auto from = [horizontal](const Segment &s) {
        return horizontal ? s.x0 : s.y0;
    };
    std::sort(rules.begin(), rules.end(), [&](const Segment &a, const Segment &b) {
        return across(a) < across(b) - 0.5 ||
               (std::fabs(across(a) - across(b)) <= 0.5 && from(a) < from(b));
    });
    std::vector<Segment> merged;
    for (const Segment &s : rules) {
        if (!merged.empty()) {
            Segment &last = merged.back();
            if (horizontal && std::fabs(last.y0 - s.y0) < 1.0 && s.x0 <= last.x1 + kJoin) {
                last.x1 = std::max(last.x1, s.x1);
                continue;
            }
            if (!horizontal && std::fabs(last.x0 - s.x0) < 1.0 && s.y0 <= last.y1 + kJoin) {
                last.y1 = std::max(last.y1, s.y1);
                continue;
            }
        }
        merged.push_back(s);
    }
    return merged;
}

QList<double> clusterEdges(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    QList<double> edges;
    double sum = 0;
    int n = 0;
    for (size_t i = 0; i < values.size(); ++i) {
        if (n > 0 && values[i] - values[i - 1] > kCluster) {
            edges.append(sum / n);
            sum = 0;
            n = 0;
        }
        sum += values[i];
        ++n;
    }
    if (n > 0)
        edges.append(sum / n);
    return edges;
}

bool covers(const std::vector<Segment> &rules, bool horizontal, double at, double from, double to)
{
    for (const Segment &s : rules) {
        if (horizontal && std::fabs(s.y0 - at) <= kCluster && s.x0 <= from + kJoin &&
            s.x1 >= to - kJoin)
            return true;
        if (!horizontal && std::fabs(s.x0 - at) <= kCluster && s.y0 <= from + kJoin &&
            s.y1 >= to - kJoin)
            return true;
    }
    return false;
}

// One connected set of rules as a grid; false when it is no table (a box, a lone line).
bool gridOf(const std::vector<Segment> &hs, const std::vector<Segment> &vs, Table *table)
{
    std::vector<double> xs, ys;
    for (const Segment &v : vs)
        xs.push_back(v.x0);
    for (const Segment &h : hs)
        ys.push_back(h.y0);
    table->columns = clusterEdges(xs);
    table->rows = clusterEdges(ys);
    const qsizetype columns = table->columns.size() - 1;
    const qsizetype rows = table->rows.size() - 1;
    if (columns < 1 || rows < 1 || columns * rows < 2 || columns > 64 || rows > 500)
        return false;
    table->box = QRectF(QPointF(table->columns.first(), table->rows.first()),
                        QPointF(table->columns.last(), table->rows.last()));
    if (table->box.width() < 20 || table->box.height() < 8)
        return false;

    UnionFind cells(size_t(columns * rows));
    auto at = [columns](qsizetype r, qsizetype c) {
        return int(r * columns + c);
    };
    for (qsizetype r = 0; r < rows; ++r) {
        for (qsizetype c = 0; c < columns; ++c) {
            if (c + 1 < columns &&
                !covers(vs, false, table->columns[c + 1], table->rows[r], table->rows[r + 1]))
                cells.join(at(r, c), at(r, c + 1));
            if (r + 1 < rows &&
                !covers(hs, true, table->rows[r + 1], table->columns[c], table->columns[c + 1]))
                cells.join(at(r, c), at(r + 1, c));
        }
    }
    struct Span
    {
        qsizetype r0 = 1 << 30, c0 = 1 << 30, r1 = -1, c1 = -1, count = 0;
    };
    std::vector<Span> spans(size_t(columns * rows));
    for (qsizetype r = 0; r < rows; ++r)
        for (qsizetype c = 0; c < columns; ++c) {
            Span &s = spans[size_t(cells.find(at(r, c)))];
            s.r0 = std::min(s.r0, r);
            s.c0 = std::min(s.c0, c);
            s.r1 = std::max(s.r1, r);
            s.c1 = std::max(s.c1, c);
            ++s.count;
        }
    for (qsizetype r = 0; r < rows; ++r) {
        for (qsizetype c = 0; c < columns; ++c) {
            const Span &s = spans[size_t(cells.find(at(r, c)))];
            const bool rectangle = s.count == (s.r1 - s.r0 + 1) * (s.c1 - s.c0 + 1);
            Cell cell;
            cell.row = int(r);
            cell.column = int(c);
            if (rectangle) {
                if (s.r0 != r || s.c0 != c)
                    continue; // covered by a merged cell
                cell.rowSpan = int(s.r1 - s.r0 + 1);
                cell.columnSpan = int(s.c1 - s.c0 + 1);
            }
            table->cells.append(cell);
        }
    }
    return table->cells.size() >= 2;
}

} // namespace

QList<Table> findTables(const QList<Segment> &rules)
{
    std::vector<Segment> hs, vs;
    for (const Segment &s : rules)
        (s.horizontal() ? hs : vs).push_back(s);
    hs = mergeCollinear(hs, true);
    vs = mergeCollinear(vs, false);
    if (hs.size() < 2 || vs.size() < 2 || hs.size() + vs.size() > 4000)
        return {};
    UnionFind groups(hs.size() + vs.size());
    for (size_t i = 0; i < hs.size(); ++i)
        for (size_t j = 0; j < vs.size(); ++j) {
            const Segment &h = hs[i];
            const Segment &v = vs[j];
            if (v.x0 >= h.x0 - kJoin && v.x0 <= h.x1 + kJoin && h.y0 >= v.y0 - kJoin &&
                h.y0 <= v.y1 + kJoin)
                groups.join(int(i), int(hs.size() + j));
        }
    QList<Table> tables;
    std::vector<bool> done(hs.size() + vs.size(), false);
    for (size_t k = 0; k < hs.size() + vs.size(); ++k) {
        const int root = groups.find(int(k));
        if (done[size_t(root)])
            continue;
        done[size_t(root)] = true;
        std::vector<Segment> gh, gv;
        for (size_t i = 0; i < hs.size(); ++i)
            if (groups.find(int(i)) == root)
                gh.push_back(hs[i]);
        for (size_t j = 0; j < vs.size(); ++j)
            if (groups.find(int(hs.size() + j)) == root)
                gv.push_back(vs[j]);
        if (gh.size() < 2 || gv.size() < 2)
            continue;
        Table table;
        if (gridOf(gh, gv, &table))
            tables.append(table);
    }
    return tables;
}

} // namespace officelayout
