#include "officelayout.h"

#include "jobrunner.h"
#include "officelayoutpage.h"

#include <QHash>
#include <QMap>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <thread>
#include <vector>

namespace officelayout {
namespace {

QString joinRuns(const QList<Run> &runs)
{
    QString text;
    for (const Run &run : runs)
        text += run.text;
    return text;
}

double median(std::vector<double> values, double fallback)
{
    if (values.empty())
        return fallback;
    std::nth_element(values.begin(), values.begin() + qsizetype(values.size() / 2), values.end());
    return values[values.size() / 2];
}

bool sameStyle(const Run &run, const FontInfo &font, double size, quint32 color)
{
    return run.family == font.family && run.bold == font.bold && run.italic == font.italic &&
           std::fabs(run.size - size) < 0.25 && run.color == color;
}

// A line of runs from characters; spaces take the style of the run they follow.
Line makeLine(const QList<RawChar> &chars, const QList<FontInfo> &fonts)
{
    Line line;
    QHash<int, int> sizeWeight;
    for (const RawChar &c : chars) {
        const QString text = QString::fromUcs4(&c.c, 1);
        if (c.c == 0 || c.c == 0xfffd)
            continue;
        line.box |= c.box;
        const FontInfo &font = fonts.value(c.font);
        const double size = std::round(c.size * 2) / 2;
        const bool space = QChar::isSpace(c.c);
        if (!space)
            sizeWeight[int(size * 2)] += 1;
        if (!line.runs.isEmpty() && (space || sameStyle(line.runs.last(), font, size, c.color))) {
            line.runs.last().text += text;
            continue;
        }
        if (space && line.runs.isEmpty())
            continue;
        Run run;
        run.text = text;
        run.family = font.family;
        run.size = size;
        run.bold = font.bold;
        run.italic = font.italic;
        run.monospaced = font.monospaced;
        run.spacing = font.spacing * size;
        run.color = c.color;
        line.runs.append(run);
        line.baseline = std::max(line.baseline, c.baseline);
    }
    int best = 0;
    int bestWeight = -1;
    for (auto it = sizeWeight.cbegin(); it != sizeWeight.cend(); ++it) {
        if (it.value() > bestWeight) {
            best = it.key();
            bestWeight = it.value();
        }
    }
    line.size = best / 2.0;
    // The baseline of the characters of the common size, not of a superscript.
    for (const RawChar &c : chars)
        if (std::fabs(std::round(c.size * 2) / 2 - line.size) < 0.1)
            line.baseline = c.baseline;
    while (!line.runs.isEmpty() && line.runs.last().text.trimmed().isEmpty())
        line.runs.removeLast();
    if (!line.runs.isEmpty()) {
        QString &tail = line.runs.last().text;
        while (!tail.isEmpty() && tail.back().isSpace())
            tail.chop(1);
    }
    return line;
}

struct Block
{
    QList<Line> lines;
    QRectF box;
};

struct Unit
{
    QRectF box;
    int kind; // 0 block, 1 image, 2 table
    int index;
};

bool tableLike(const QList<Unit> &left, const QList<Unit> &right)
{
    int aligned = 0;
    for (const Unit &a : left)
        for (const Unit &b : right)
            if (std::fabs(a.box.top() - b.box.top()) < 2.5) {
                ++aligned;
                break;
            }
    return aligned >= 2 && aligned * 2 >= std::min(left.size(), right.size());
}

struct Placed
{
    Unit unit;
    QRectF column;
};

// Reading order by cuts through the white space: columns first, then bands.
void cut(QList<Unit> units, const QRectF &column, QList<Placed> *out, int depth = 0)
{
    if (units.size() <= 1 || depth > 60) {
        std::stable_sort(units.begin(), units.end(), [](const Unit &a, const Unit &b) {
            return a.box.top() < b.box.top() - 2 ||
                   (std::fabs(a.box.top() - b.box.top()) <= 2 && a.box.left() < b.box.left());
        });
        for (const Unit &u : units)
            out->append({u, column});
        return;
    }
    QRectF region;
    for (const Unit &u : units)
        region |= u.box;

    // Columns: a gap in the x projection, both sides wide, not rows of a table.
    std::sort(units.begin(), units.end(),
              [](const Unit &a, const Unit &b) { return a.box.left() < b.box.left(); });
    double reach = units.first().box.right();
    double bestGap = 0;
    double bestAt = 0;
    for (qsizetype i = 1; i < units.size(); ++i) {
        const double gap = units[i].box.left() - reach;
        if (gap >= 8 && gap > bestGap) {
            const double leftWidth = reach - region.left();
            const double rightWidth = region.right() - units[i].box.left();
            if (leftWidth >= 0.2 * region.width() && rightWidth >= 0.2 * region.width()) {
                QList<Unit> left = units.mid(0, i);
                QList<Unit> right = units.mid(i);
                if (!tableLike(left, right)) {
                    bestGap = gap;
                    bestAt = reach + gap / 2;
                }
            }
        }
        reach = std::max(reach, units[i].box.right());
    }
    if (bestGap > 0) {
        QList<Unit> left, right;
        for (const Unit &u : units)
            (u.box.right() <= bestAt ? left : right).append(u);
        cut(left, QRectF(QPointF(column.left(), column.top()), QPointF(bestAt, column.bottom())),
            out, depth + 1);
        cut(right, QRectF(QPointF(bestAt, column.top()), column.bottomRight()), out, depth + 1);
        return;
    }

    // Bands: the widest gap in the y projection.
    std::sort(units.begin(), units.end(),
              [](const Unit &a, const Unit &b) { return a.box.top() < b.box.top(); });
    reach = units.first().box.bottom();
    bestGap = 0;
    for (qsizetype i = 1; i < units.size(); ++i) {
        const double gap = units[i].box.top() - reach;
        if (gap > 0.3 && gap > bestGap) {
            bestGap = gap;
            bestAt = reach + gap / 2;
        }
        reach = std::max(reach, units[i].box.bottom());
    }
    if (bestGap > 0) {
        QList<Unit> top, bottom;
        for (const Unit &u : units)
            (u.box.bottom() <= bestAt ? top : bottom).append(u);
        cut(top, column, out, depth + 1);
        cut(bottom, column, out, depth + 1);
        return;
    }
    cut(units, column, out, 61);
}

const QRegularExpression &bulletPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^([\\x{2022}\\x{25CF}\\x{25E6}\\x{25AA}\\x{2023}\\x{2219}\\x{00B7}"
                       "\\x{25A0}\\x{25A1}\\x{27A2}\\x{25BA}\\x{2013}\\x{2014}*\\-])\\s+"));
    return pattern;
}

const QRegularExpression &numberPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,3})([.)])\\s+(?=\\S)"));
    return pattern;
}

// A line of a table of contents or an index: dot leaders up to a page number.
bool isLeaderLine(const Line &line)
{
    static const QRegularExpression leader(QStringLiteral("(\\.\\s?){4,}\\s*[0-9ivxlc]+$"));
    return leader.match(line.text()).hasMatch();
}

// A line ends its paragraph when the next line's first word would have fitted after it.
bool endsShort(const Line &line, const Line &next, double right)
{
    const QString text = line.text();
    if (text.endsWith(u'-') || text.endsWith(QChar(0x00AD)))
        return false;
    const QString following = next.text().trimmed();
    const qsizetype space = following.indexOf(u' ');
    const qsizetype word = space < 0 ? following.size() : space;
    const double charWidth = next.box.width() / std::max<qsizetype>(1, following.size());
    return right - line.box.right() > (double(word) + 1) * charWidth + 0.5 * line.size;
}

bool allBold(const Line &line)
{
    for (const Run &run : line.runs)
        if (!run.bold && !run.text.trimmed().isEmpty())
            return false;
    return !line.runs.isEmpty();
}

// A line of code: every line keeps its break.
bool isMonospaced(const Line &line)
{
    int mono = 0, total = 0;
    for (const Run &run : line.runs) {
        total += int(run.text.size());
        if (run.monospaced)
            mono += int(run.text.size());
    }
    return total > 0 && mono * 10 >= total * 9;
}

bool isLetter(QChar c)
{
    return c.isLetter();
}

// Joins the lines of a paragraph into flowing runs; a word broken by a hyphen at a line end is
// mended when the next line goes on in lower case.
QList<Run> flow(const QList<Line> &lines)
{
    QList<Run> runs;
    for (const Line &line : lines) {
        if (line.runs.isEmpty())
            continue;
        if (!runs.isEmpty()) {
            QString &tail = runs.last().text;
            const QString next = line.runs.first().text;
            const QChar first = next.isEmpty() ? QChar() : next.front();
            const bool hyphen = tail.size() >= 2 &&
                                (tail.back() == u'-' || tail.back() == QChar(0x00AD) ||
                                 tail.back() == QChar(0x2010)) &&
                                isLetter(tail.at(tail.size() - 2)) && first.isLower();
            if (hyphen)
                tail.chop(1);
            else if (!tail.isEmpty() && !tail.back().isSpace() && !first.isSpace())
                tail += u' ';
        }
        for (const Run &run : line.runs) {
            if (!runs.isEmpty() && runs.last().family == run.family &&
                runs.last().bold == run.bold && runs.last().italic == run.italic &&
                std::fabs(runs.last().size - run.size) < 0.25 && runs.last().color == run.color)
                runs.last().text += run.text;
            else
                runs.append(run);
        }
    }
    return runs;
}

void settleParagraph(Paragraph *p, const QRectF &column)
{
    p->box = QRectF();
    QHash<int, int> weight;
    std::vector<double> deltas;
    for (qsizetype i = 0; i < p->lines.size(); ++i) {
        const Line &line = p->lines[i];
        p->box |= line.box;
        weight[int(line.size * 2)] += int(line.text().size());
        if (i > 0)
            deltas.push_back(line.baseline - p->lines[i - 1].baseline);
    }
    int best = 0, bestWeight = -1;
    for (auto it = weight.cbegin(); it != weight.cend(); ++it)
        if (it.value() > bestWeight) {
            best = it.key();
            bestWeight = it.value();
        }
    p->size = best / 2.0;
    p->pitch = median(deltas, 0);
    if (p->pitch < p->size * 0.95 || p->pitch > p->size * 2.5)
        p->pitch = p->size * 1.2; // one line, or lines over each other: a usual leading
    const double first = p->lines.first().box.left();
    double rest = first;
    if (p->lines.size() > 1) {
        rest = p->lines[1].box.left();
        for (qsizetype i = 2; i < p->lines.size(); ++i)
            rest = std::min(rest, p->lines[i].box.left());
    }
    p->indent = std::max(0.0, rest - column.left());
    p->firstIndent = first - std::max(rest, column.left());
    if (first < column.left())
        p->firstIndent = 0;

    // How the lines sit between the column's edges.
    const double width = column.width();
    bool centred = true;
    int full = 0;
    for (qsizetype i = 0; i < p->lines.size(); ++i) {
        const QRectF &b = p->lines[i].box;
        const double leftGap = b.left() - column.left();
        const double rightGap = column.right() - b.right();
        if (leftGap < 12 || std::fabs(leftGap - rightGap) > std::max(4.0, 0.04 * width))
            centred = false;
        if (i + 1 < p->lines.size() && rightGap < 2.5)
            ++full;
    }
    if (centred)
        p->align = Align::Center;
    else if (p->lines.size() > 1 && full * 10 >= (p->lines.size() - 1) * 6)
        p->align = Align::Justify;
    else if (p->lines.size() == 1 && column.right() - p->box.right() < 3 &&
             p->box.left() - column.left() > 0.4 * width)
        p->align = Align::Right;

    for (const Line &line : std::as_const(p->lines)) {
        for (const auto &[pieceLeft, pieceRight] : line.tabbed) {
            TabStop stop;
            stop.right = column.right() - pieceRight < 3;
            stop.position = (stop.right ? column.right() : pieceLeft) - column.left();
            p->tabs.append(stop);
        }
    }
    std::sort(p->tabs.begin(), p->tabs.end(),
              [](const TabStop &a, const TabStop &b) { return a.position < b.position; });
    p->runs = flow(p->lines);
    const QString text = joinRuns(p->runs);
    if (const auto m = bulletPattern().match(text); m.hasMatch()) {
        p->list = ListKind::Bullet;
        p->listMarkerLength = int(m.capturedLength(0));
    } else if (const auto n = numberPattern().match(text); n.hasMatch()) {
        p->list = ListKind::Decimal;
        p->listValue = n.captured(1).toInt();
        p->listDelimiter = n.captured(2).front();
        p->listMarkerLength = int(n.capturedLength(0));
    }
    if (p->list != ListKind::None && p->lines.size() > 1) {
        // The text after the marker starts where the following lines do.
        p->firstIndent = first - (column.left() + p->indent);
    }
}

// Paragraphs of a block of lines (top to bottom) inside a column.
QList<Paragraph> paragraphsOf(const QList<Line> &lines, const QRectF &column)
{
    QList<Paragraph> paragraphs;
    if (lines.isEmpty())
        return paragraphs;
    double left = lines.first().box.left();
    double right = lines.first().box.right();
    std::vector<double> deltas;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        left = std::min(left, lines[i].box.left());
        right = std::max(right, lines[i].box.right());
        if (i > 0)
            deltas.push_back(lines[i].baseline - lines[i - 1].baseline);
    }
    const double pitch = median(deltas, lines.first().size * 1.2);
    Paragraph current;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const Line &line = lines[i];
        bool start = current.lines.isEmpty();
        if (!start) {
            const Line &prev = current.lines.last();
            const double tolerance = std::max(0.6, 0.08 * line.size);
            const double indentStep = 0.9 * line.size;
            const Line &head = current.lines.first();
            start = std::fabs(line.size - prev.size) > tolerance ||
                    line.baseline - prev.baseline > 1.45 * std::max(pitch, line.size) ||
                    bulletPattern().match(line.text()).hasMatch() ||
                    numberPattern().match(line.text()).hasMatch() ||
                    (line.box.left() > left + indentStep &&
                     (current.lines.size() > 1 || head.box.left() <= left + indentStep) &&
                     !bulletPattern().match(head.text()).hasMatch() &&
                     !numberPattern().match(head.text()).hasMatch()) ||
                    endsShort(prev, line, right) || isLeaderLine(prev) || isMonospaced(line) ||
                    isMonospaced(prev) ||
                    (allBold(prev) && !allBold(line) && current.lines.size() == 1);
        }
        if (start && !current.lines.isEmpty()) {
            settleParagraph(&current, column);
            paragraphs.append(std::move(current));
            current = Paragraph();
        }
        current.lines.append(line);
    }
    if (!current.lines.isEmpty()) {
        settleParagraph(&current, column);
        paragraphs.append(std::move(current));
    }
    return paragraphs;
}

// Consecutive lines of the content stream that stand together.
QList<Block> blocksOf(const QList<Line> &lines)
{
    QList<Block> blocks;
    for (const Line &line : lines) {
        if (!blocks.isEmpty()) {
            Block &block = blocks.last();
            Line &last = block.lines.last();
            const double size = std::max(line.size, last.size);
            const bool sameRow = std::fabs(line.baseline - last.baseline) < 0.35 * size &&
                                 line.box.left() >= last.box.right() - 1 &&
                                 line.box.left() - last.box.right() < 1.5 * size;
            const bool farRow = std::fabs(line.baseline - last.baseline) < 0.35 * size &&
                                line.box.left() >= last.box.right() - 1;
            if (sameRow || farRow) {
                // One line MuPDF split at a wide space; far apart, a tab keeps the distance.
                if (!last.runs.isEmpty() && !line.runs.isEmpty()) {
                    if (sameRow) {
                        last.runs.last().text += u' ';
                    } else {
                        last.runs.last().text += u'\t';
                        last.tabbed.append({line.box.left(), line.box.right()});
                    }
                }
                last.runs += line.runs;
                last.box |= line.box;
                block.box |= line.box;
                continue;
            }
            const double below = line.baseline - last.baseline;
            const bool overlaps = line.box.left() < block.box.right() + size &&
                                  line.box.right() > block.box.left() - size;
            if (overlaps && below > 0.3 * size && below <= 2.2 * size) {
                block.lines.append(line);
                block.box |= line.box;
                continue;
            }
        }
        blocks.append({{line}, line.box});
    }
    for (Block &block : blocks) {
        std::stable_sort(block.lines.begin(), block.lines.end(),
                         [](const Line &a, const Line &b) { return a.baseline < b.baseline - 1; });
    }
    return blocks;
}

// The baselines of the lines the characters stand on: a raised or lowered character (an index,
// an exponent) belongs to the line of the full-size characters beside it.
QList<double> baselineRows(const QList<RawChar> &chars)
{
    std::vector<std::pair<double, double>> marks; // baseline, size
    for (const RawChar &c : chars)
        if (!QChar::isSpace(c.c))
            marks.emplace_back(c.baseline, c.size);
    std::sort(marks.begin(), marks.end());
    QList<double> rows;
    double size = 0;
    for (const auto &[baseline, charSize] : marks) {
        if (rows.isEmpty() || baseline - rows.last() > 0.55 * std::max(size, charSize)) {
            rows.append(baseline);
            size = charSize;
        } else if (charSize > size + 0.5) {
            rows.last() = baseline; // the full-size line, not its index
            size = charSize;
        }
    }
    if (rows.isEmpty())
        rows.append(0);
    return rows;
}

// A table ruled only across (rules between row groups, none between columns): its columns are
// where the white space runs down through all its text, its rows its lines of text.
void splitByText(Table *table, const QList<RawLine> &lines)
{
    const QRectF box = table->box;
    const int bins = int(std::ceil(box.width() * 2));
    if (bins <= 0 || bins > 20000)
        return;
    std::vector<bool> covered(size_t(bins), false);
    QList<RawChar> inside;
    for (const RawLine &line : lines) {
        for (const RawChar &c : line.chars) {
            if (QChar::isSpace(c.c) || !box.contains(c.box.center()))
                continue;
            inside.append(c);
            const int from = std::clamp(int((c.box.left() - box.left()) * 2), 0, bins - 1);
            const int to =
                std::clamp(int(std::ceil((c.box.right() - box.left()) * 2)), 0, bins - 1);
            for (int b = from; b <= to; ++b)
                covered[size_t(b)] = true;
        }
    }
    int first = 0, last = bins - 1;
    while (first < bins && !covered[size_t(first)])
        ++first;
    while (last > first && !covered[size_t(last)])
        --last;
    QList<double> columns{box.left()};
    for (int b = first; b <= last;) {
        if (covered[size_t(b)]) {
            ++b;
            continue;
        }
        int end = b;
        while (end <= last && !covered[size_t(end)])
            ++end;
        if (end - b >= 12) // 6 points of white
            columns.append(box.left() + (b + end) / 4.0);
        b = end;
    }
    columns.append(box.right());
    if (columns.size() < 3)
        return;
    QList<double> rows{box.top()};
    const QList<double> rowBaselines = baselineRows(inside);
    for (qsizetype i = 0; i + 1 < rowBaselines.size(); ++i) {
        // Between two lines of text, unless a rule lies there already.
        const double mid = (rowBaselines[i] + rowBaselines[i + 1]) / 2 + 2;
        double edge = mid;
        for (double ruled : std::as_const(table->rows))
            if (ruled > rowBaselines[i] && ruled < rowBaselines[i + 1])
                edge = ruled;
        rows.append(edge);
    }
    rows.append(box.bottom());
    table->columns = columns;
    table->rows = rows;
    table->cells.clear();
    for (qsizetype r = 0; r + 1 < rows.size(); ++r)
        for (qsizetype c = 0; c + 1 < columns.size(); ++c) {
            Cell cell;
            cell.row = int(r);
            cell.column = int(c);
            table->cells.append(cell);
        }
}

// A ruled row holding several lines that stand side by side in its cells (a table ruled only
// around its body) becomes a row a line. Rows whose cells flow over several lines stay whole.
void splitRowsByLines(Table *table, const QList<RawLine> &lines)
{
    QList<RawChar> chars;
    for (const RawLine &line : lines)
        for (const RawChar &c : line.chars)
            if (!QChar::isSpace(c.c) && table->box.contains(c.box.center()))
                chars.append(c);
    QList<double> rows{table->rows.first()};
    QList<Cell> cells;
    int shift = 0;
    for (qsizetype r = 0; r + 1 < table->rows.size(); ++r) {
        QList<Cell> here;
        bool simple = true;
        for (const Cell &cell : std::as_const(table->cells)) {
            const bool touches = cell.row <= r && cell.row + cell.rowSpan > r;
            if (!touches)
                continue;
            simple = simple && cell.rowSpan == 1;
            here.append(cell);
        }
        QList<double> split;
        if (simple) {
            QList<RawChar> inRow;
            for (const RawChar &c : std::as_const(chars))
                if (c.box.center().y() > table->rows[r] && c.box.center().y() < table->rows[r + 1])
                    inRow.append(c);
            const QList<double> baselines = baselineRows(inRow);
            if (baselines.size() >= 2) {
                bool shared = true;
                for (double b : baselines) {
                    int cellsAt = 0;
                    for (const Cell &cell : std::as_const(here)) {
                        const double x0 = table->columns[cell.column];
                        const double x1 = table->columns[cell.column + cell.columnSpan];
                        const bool has =
                            std::any_of(inRow.cbegin(), inRow.cend(), [&](const RawChar &c) {
                                return std::fabs(c.baseline - b) < 0.55 * c.size &&
                                       c.box.center().x() > x0 && c.box.center().x() < x1;
                            });
                        cellsAt += has ? 1 : 0;
                    }
                    shared = shared && cellsAt >= std::max<qsizetype>(2, (here.size() + 1) / 2);
                }
                if (shared)
                    for (qsizetype i = 0; i + 1 < baselines.size(); ++i)
                        split.append((baselines[i] + baselines[i + 1]) / 2 + 2);
            }
        }
        for (qsizetype k = 0; k <= split.size(); ++k) {
            for (const Cell &cell : std::as_const(here)) {
                if (cell.row != r)
                    continue; // a cell from above, kept once with its span widened below
                Cell copy = cell;
                copy.row = int(r) + shift + int(k);
                copy.paragraphs.clear();
                cells.append(copy);
            }
            rows.append(k < split.size() ? split[k] : table->rows[r + 1]);
        }
        // Only rows no cell spans are split, so spans above keep their count.
        shift += int(split.size());
    }
    if (shift == 0)
        return;
    table->rows = rows;
    std::sort(cells.begin(), cells.end(), [](const Cell &a, const Cell &b) {
        return a.row < b.row || (a.row == b.row && a.column < b.column);
    });
    table->cells = cells;
}

bool inside(const QRectF &outer, const QRectF &box)
{
    const QPointF c = box.center();
    return outer.contains(c);
}

} // namespace

QString Line::text() const
{
    return joinRuns(runs);
}

QString Paragraph::text() const
{
    return joinRuns(runs).mid(list == ListKind::None ? 0 : listMarkerLength);
}

QString Cell::text() const
{
    QStringList parts;
    for (const Paragraph &p : paragraphs)
        parts.append(p.text());
    return parts.join(u'\n');
}

bool analysePage(const mupdf::DocumentRef &doc, int index, Page *page, QString *message)
{
    RawPage raw;
    if (!readPage(doc, index, &raw, message)) {
        page->tooLargeImage = raw.tooLargeImage;
        return false;
    }
    page->size = raw.size;
    page->hasText = raw.hasText;
    page->items.clear();
    page->blank = raw.blank;
    if (!raw.hasText) {
        page->pictureOnly = !raw.picture.data.isEmpty();
        if (page->pictureOnly)
            page->items.append(raw.picture);
        page->content = QRectF(QPointF(0, 0), raw.size);
        return true;
    }

    QList<Table> tables = findTables(raw.graphics.rules);
    // Grids the page reading took for drawings are in its pictures.
    tables.removeIf([&raw](const Table &table) {
        return std::any_of(raw.figures.cbegin(), raw.figures.cend(),
                           [&table](const Image &f) { return f.box.contains(table.box.center()); });
    });
    for (Table &table : tables) {
        if (table.columns.size() == 2)
            splitByText(&table, raw.lines);
        else
            splitRowsByLines(&table, raw.lines);
    }
    // Characters inside a table go to its cells; tables without text are drawings.
    QList<QList<QList<RawChar>>> cellChars(tables.size());
    for (qsizetype t = 0; t < tables.size(); ++t)
        cellChars[t].resize(tables[t].cells.size());
    QList<RawLine> flowLines;
    for (const RawLine &line : raw.lines) {
        RawLine rest;
        rest.horizontal = line.horizontal;
        for (const RawChar &c : line.chars) {
            bool taken = false;
            for (qsizetype t = 0; t < tables.size() && !taken; ++t) {
                if (!tables[t].box.contains(c.box.center()))
                    continue;
                for (qsizetype k = 0; k < tables[t].cells.size(); ++k) {
                    const Cell &cell = tables[t].cells[k];
                    const QRectF box(
                        QPointF(tables[t].columns[cell.column], tables[t].rows[cell.row]),
                        QPointF(tables[t].columns[cell.column + cell.columnSpan],
                                tables[t].rows[cell.row + cell.rowSpan]));
                    if (box.contains(c.box.center())) {
                        cellChars[t][k].append(c);
                        taken = true;
                        break;
                    }
                }
                taken = true;
            }
            if (!taken)
                rest.chars.append(c);
        }
        if (!rest.chars.isEmpty()) {
            rest.box = QRectF();
            for (const RawChar &c : rest.chars)
                rest.box |= c.box;
            flowLines.append(rest);
        }
    }
    QList<Table> kept;
    for (qsizetype t = 0; t < tables.size(); ++t) {
        int filled = 0;
        for (qsizetype k = 0; k < tables[t].cells.size(); ++k) {
            QList<RawChar> &chars = cellChars[t][k];
            if (chars.isEmpty())
                continue;
            ++filled;
            // Rows of characters by baseline (raised and lowered ones with their line), then
            // paragraphs as in the flow.
            const QList<double> rows = baselineRows(chars);
            auto rowOf = [&rows](const RawChar &c) {
                qsizetype best = 0;
                for (qsizetype r = 1; r < rows.size(); ++r)
                    if (std::fabs(rows[r] - c.baseline) < std::fabs(rows[best] - c.baseline))
                        best = r;
                return best;
            };
            std::stable_sort(chars.begin(), chars.end(), [&](const RawChar &a, const RawChar &b) {
                const qsizetype ra = rowOf(a), rb = rowOf(b);
                return ra < rb || (ra == rb && a.box.left() < b.box.left());
            });
            QList<Line> lines;
            QList<RawChar> row;
            for (const RawChar &c : chars) {
                if (!row.isEmpty() && rowOf(c) != rowOf(row.last())) {
                    lines.append(makeLine(row, raw.fonts));
                    row.clear();
                }
                if (!row.isEmpty() && !QChar::isSpace(row.last().c) && !QChar::isSpace(c.c) &&
                    c.box.left() - row.last().box.right() > 0.25 * c.size) {
                    // Pieces of separate text lines meet in one cell: a space between them.
                    RawChar space = row.last();
                    space.c = u' ';
                    row.append(space);
                }
                row.append(c);
            }
            if (!row.isEmpty())
                lines.append(makeLine(row, raw.fonts));
            lines.removeIf([](const Line &l) { return l.runs.isEmpty(); });
            Cell &cell = tables[t].cells[k];
            const QRectF box(QPointF(tables[t].columns[cell.column], tables[t].rows[cell.row]),
                             QPointF(tables[t].columns[cell.column + cell.columnSpan],
                                     tables[t].rows[cell.row + cell.rowSpan]));
            cell.paragraphs = paragraphsOf(lines, box.adjusted(2, 0, -2, 0));
        }
        if (filled >= 2)
            kept.append(tables[t]);
        else
            for (qsizetype k = 0; k < tables[t].cells.size(); ++k) {
                // Not a table after all: its text goes back into the flow.
                for (const RawChar &c : cellChars[t][k]) {
                    RawLine back;
                    back.chars.append(c);
                    back.box = c.box;
                    flowLines.append(back);
                }
            }
    }

    // Text drawn over a figure is part of its picture.
    QList<Image> figures;
    for (const Image &figure : raw.figures) {
        bool overTable = false;
        for (const Table &table : kept)
            overTable = overTable || table.box.contains(figure.box.center());
        if (!overTable)
            figures.append(figure);
    }
    QList<Line> lines;
    for (const RawLine &raw_line : flowLines) {
        bool covered = false;
        for (const Image &figure : figures)
            covered = covered || inside(figure.box, raw_line.box);
        if (covered)
            continue;
        Line line = makeLine(raw_line.chars, raw.fonts);
        if (!line.runs.isEmpty())
            lines.append(line);
    }
    const QList<Block> blocks = blocksOf(lines);

    QList<Image> images = raw.images;
    images += figures;
    QList<Unit> units;
    for (qsizetype i = 0; i < blocks.size(); ++i)
        units.append({blocks[i].box, 0, int(i)});
    for (qsizetype i = 0; i < images.size(); ++i)
        units.append({images[i].box, 1, int(i)});
    for (qsizetype i = 0; i < kept.size(); ++i)
        units.append({kept[i].box, 2, int(i)});
    QRectF content;
    for (const Unit &u : units)
        content |= u.box;
    page->content = content;
    QList<Placed> ordered;
    cut(units, content, &ordered);

    for (const Placed &placed : ordered) {
        switch (placed.unit.kind) {
        case 0:
            for (Paragraph &p : paragraphsOf(blocks[placed.unit.index].lines, placed.column))
                page->items.append(std::move(p));
            break;
        case 1:
            page->items.append(images[placed.unit.index]);
            break;
        default:
            page->items.append(kept[placed.unit.index]);
            break;
        }
    }
    // Space above each paragraph, from where the item before it ends.
    const Item *previous = nullptr;
    for (Item &item : page->items) {
        if (auto *p = std::get_if<Paragraph>(&item)) {
            double space = 0;
            if (const auto *before = previous ? std::get_if<Paragraph>(previous) : nullptr) {
                const double step = p->lines.first().baseline - before->lines.last().baseline;
                space = step - p->pitch;
                if (step < 0)
                    space = 0; // a new column
            } else if (previous) {
                const QRectF box = std::holds_alternative<Image>(*previous)
                                       ? std::get<Image>(*previous).box
                                       : std::get<Table>(*previous).box;
                space = p->box.top() - box.bottom();
            }
            p->spaceBefore = std::clamp(space, 0.0, 72.0);
        }
        previous = &item;
    }
    return true;
}

void finishDocument(Document *document)
{
    QMap<int, qint64> sizes;
    QHash<QString, qint64> families;
    document->pagesWithoutText = 0;
    for (const Page &page : std::as_const(document->pages)) {
        if (page.pictureOnly)
            ++document->pagesWithoutText;
        for (const Item &item : page.items) {
            if (const auto *p = std::get_if<Paragraph>(&item)) {
                for (const Run &run : p->runs) {
                    sizes[int(std::lround(run.size * 2))] += run.text.size();
                    families[run.family] += run.text.size();
                }
            }
        }
    }
    qint64 best = -1;
    for (auto it = sizes.cbegin(); it != sizes.cend(); ++it)
        if (it.value() > best) {
            best = it.value();
            document->bodySize = it.key() / 2.0;
        }
    best = -1;
    for (auto it = families.cbegin(); it != families.cend(); ++it)
        if (it.value() > best) {
            best = it.value();
            document->bodyFamily = it.key();
        }

    // Headings: short paragraphs in a larger size, levels by size.
    const double body = document->bodySize;
    auto isHeading = [body](const Paragraph &p) {
        const QString text = p.text().trimmed();
        if (p.lines.size() > 3 || text.size() > 200 || text.isEmpty())
            return false;
        if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetter(); }))
            return false;
        return p.size >= body * 1.15 && p.size >= body + 1.0;
    };
    QList<int> headingSizes;
    for (const Page &page : std::as_const(document->pages))
        for (const Item &item : page.items)
            if (const auto *p = std::get_if<Paragraph>(&item); p && isHeading(*p))
                if (!headingSizes.contains(int(std::lround(p->size * 2))))
                    headingSizes.append(int(std::lround(p->size * 2)));
    std::sort(headingSizes.begin(), headingSizes.end(), std::greater<int>());
    for (Page &page : document->pages) {
        for (Item &item : page.items) {
            auto *p = std::get_if<Paragraph>(&item);
            if (!p || !isHeading(*p))
                continue;
            p->headingLevel =
                std::min(6, int(headingSizes.indexOf(int(std::lround(p->size * 2)))) + 1);
            p->list = ListKind::None;
        }
    }

    // A paragraph cut by a page break goes on as one.
    for (qsizetype i = 1; i < document->pages.size(); ++i) {
        Page &before = document->pages[i - 1];
        Page &after = document->pages[i];
        if (before.items.isEmpty() || after.items.isEmpty())
            continue;
        const auto *last = std::get_if<Paragraph>(&before.items.last());
        auto *first = std::get_if<Paragraph>(&after.items.first());
        if (!last || !first || last->headingLevel || first->headingLevel ||
            first->list != ListKind::None || std::fabs(last->size - first->size) > 0.6)
            continue;
        const QString text = first->text();
        const QString tail = last->text();
        if (text.isEmpty() || tail.isEmpty() || !text.front().isLower() ||
            QStringLiteral(".:!?").contains(tail.back()) || last->lines.size() < 2 ||
            first->firstIndent > 0.5 * first->size)
            continue;
        first->continued = true;
    }
}

bool analyseDocument(const QString &path, const QString &password, int threads, Document *document,
                     mupdf::OpenStatus *status, QString *message, const std::atomic<bool> *cancel)
{
    int count = 0;
    {
        mupdf::DocumentRef doc = mupdf::openDocument(path, password, true, status, message);
        if (!doc)
            return false;
        count = mupdf::pageCount(doc);
        if (count < 0) {
            *message = QStringLiteral("no pages");
            return false;
        }
    }
    document->pages = QList<Page>(count);
    std::atomic<int> next{0};
    std::atomic<bool> failed{false};
    QString firstError;
    std::mutex errorMutex;
    auto worker = [&] {
        mupdf::OpenStatus openStatus;
        QString error;
        mupdf::DocumentRef doc = mupdf::openDocument(path, password, true, &openStatus, &error);
        for (int i = next++; i < count && !failed; i = next++) {
            if (cancel && cancel->load()) {
                failed = true;
                break;
            }
            if (!doc || !analysePage(doc, i, &document->pages[i], &error)) {
                std::lock_guard<std::mutex> lock(errorMutex);
                if (firstError.isEmpty())
                    firstError = QStringLiteral("page %1: %2").arg(i + 1).arg(error);
                failed = true;
            }
        }
    };
    jobs::runInParallel(
        std::clamp(threads, 1, std::max(1, count)), worker,
        [&] { return next.load() < count && !failed; }, cancel);
    if (failed) {
        *message = firstError.isEmpty() ? QStringLiteral("cancelled") : firstError;
        for (const Page &page : std::as_const(document->pages)) {
            if (page.tooLargeImage.isValid())
                document->tooLargeImage = page.tooLargeImage;
        }
        return false;
    }
    finishDocument(document);
    return true;
}

} // namespace officelayout
