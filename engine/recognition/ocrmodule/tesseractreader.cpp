#include "pagereader.h"

#include <QFileInfo>
#include <QRect>

#include <tesseract/baseapi.h>
#include <tesseract/ocrclass.h>
#include <tesseract/resultiterator.h>

#include <dlfcn.h>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace Qt::StringLiterals;

namespace textrecognition {
namespace {

// Below this mean confidence the page is read again with orientation detection: text turned
// upside down reads as nonsense otherwise (a quarter turn tesseract finds by itself).
constexpr int kOrientationRetryConfidence = 60;

void limitLibraryThreads()
{
    // tesseract's OpenMP teams on top of our one-thread-per-core pool make it several times
    // slower; its runtime read OMP_THREAD_LIMIT when it loaded, so the limit is set through
    // its own interface, for each calling thread.
    using Setter = void (*)(int);
    static const auto levels =
        reinterpret_cast<Setter>(dlsym(RTLD_DEFAULT, "omp_set_max_active_levels"));
    static const auto threads =
        reinterpret_cast<Setter>(dlsym(RTLD_DEFAULT, "omp_set_num_threads"));
    if (levels)
        levels(0);
    if (threads)
        threads(1);
}

bool isCjk(QChar c)
{
    // Ideographic punctuation and full-width forms join like the characters around them.
    const char16_t code = c.unicode();
    if ((code >= 0x3000 && code <= 0x303f) || (code >= 0xff00 && code <= 0xffef))
        return true;
    const QChar::Script script = c.script();
    return script == QChar::Script_Han || script == QChar::Script_Hiragana ||
           script == QChar::Script_Katakana || script == QChar::Script_Hangul;
}

QPointF along(const QPointF &from, const QPointF &direction, double distance)
{
    return from + direction * distance;
}

double dot(const QPointF &a, const QPointF &b)
{
    return a.x() * b.x() + a.y() * b.y();
}

// A direction within a few degrees of the image's axes is taken as that axis.
QPointF nearestAxis(const QPointF &direction)
{
    constexpr double MaxSkewDegrees = 8.0;
    const QPointF axis = std::abs(direction.x()) >= std::abs(direction.y())
                             ? QPointF(direction.x() < 0 ? -1 : 1, 0)
                             : QPointF(0, direction.y() < 0 ? -1 : 1);
    const double skew = std::acos(std::clamp(dot(direction, axis), -1.0, 1.0)) * 180.0 / M_PI;
    return skew <= MaxSkewDegrees ? axis : direction;
}

// How far the corners of a box reach along axis, measured from origin: (least, most).
std::pair<double, double> extentAlong(int left, int top, int right, int bottom,
                                      const QPointF &origin, const QPointF &axis)
{
    double low = 0, high = 0;
    bool first = true;
    for (const QPointF corner :
         {QPointF(left, top), QPointF(right, top), QPointF(left, bottom), QPointF(right, bottom)}) {
        const double d = dot(corner - origin, axis);
        low = first ? d : std::min(low, d);
        high = first ? d : std::max(high, d);
        first = false;
    }
    return {low, high};
}

// The box of the characters [from, to) of the iterator's word, found symbol by symbol.
bool symbolsBox(const tesseract::ResultIterator &word, qsizetype from, qsizetype to, QRect *box)
{
    tesseract::ResultIterator symbol(word);
    qsizetype seen = 0;
    QRect found;
    do {
        const std::unique_ptr<char[]> utf8(symbol.GetUTF8Text(tesseract::RIL_SYMBOL));
        int l = 0, t = 0, r = 0, b = 0;
        if (!utf8 || !symbol.BoundingBox(tesseract::RIL_SYMBOL, &l, &t, &r, &b))
            return false;
        const qsizetype length = QString::fromUtf8(utf8.get()).size();
        if (seen + length > from && seen < to)
            found |= QRect(QPoint(l, t), QPoint(r - 1, b - 1));
        seen += length;
    } while (seen < to && symbol.Next(tesseract::RIL_SYMBOL) &&
             !symbol.IsAtBeginningOf(tesseract::RIL_WORD));
    *box = found;
    return seen >= to && !found.isEmpty();
}

bool hasLetterOrNumber(const QString &text)
{
    return std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.isLetterOrNumber(); });
}

// A word as tesseract read it, split at dot leaders: a title run into its leaders and the page
// number ("arrays.........42") come as one word, of no confidence. The parts, as [from, to).
QList<std::pair<qsizetype, qsizetype>> partsOf(const QString &text)
{
    QList<std::pair<qsizetype, qsizetype>> parts;
    qsizetype start = 0;
    for (qsizetype leader; (leader = text.indexOf(u"..."_s, start)) >= 0;) {
        if (leader > start)
            parts.append({start, leader});
        for (start = leader; start < text.size() && text.at(start) == u'.';)
            ++start;
    }
    if (start < text.size())
        parts.append({start, text.size()});
    return parts;
}

// The words tesseract read, in the page's user space.
PageText collectWords(tesseract::TessBaseAPI &api, const QTransform &toPage)
{
    PageText page;
    std::unique_ptr<tesseract::ResultIterator> it(api.GetIterator());
    if (!it)
        return page;
    // The page is drawn without distortion: one pixel is the same length in every direction.
    const QPointF unit = toPage.map(QPointF(1, 0)) - toPage.map(QPointF(0, 0));
    const double pixelSize = std::hypot(unit.x(), unit.y());
    QPointF lineStart;
    QPointF direction(1, 0);
    QPointF upright(1, 0);
    double lineHeight = 0;
    qsizetype lineFirst = 0;
    auto finishLine = [&page, &lineFirst] {
        for (qsizetype i = lineFirst; i + 1 < page.words.size(); ++i) {
            const QString &a = page.words.at(i).text;
            const QString &b = page.words.at(i + 1).text;
            const bool join = isCjk(a.back()) && isCjk(b.front());
            page.words[i].spaceAfter = !join;
            page.words[i].joinsNext = join;
        }
        lineFirst = page.words.size();
    };
    do {
        if (it->Empty(tesseract::RIL_WORD))
            continue;
        if (it->IsAtBeginningOf(tesseract::RIL_TEXTLINE)) {
            finishLine();
            int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
            int left = 0, top = 0, right = 0, bottom = 0;
            it->Baseline(tesseract::RIL_TEXTLINE, &x1, &y1, &x2, &y2);
            it->BoundingBox(tesseract::RIL_TEXTLINE, &left, &top, &right, &bottom);
            lineStart = QPointF(x1, y1);
            const QPointF run(x2 - x1, y2 - y1);
            const double length = std::hypot(run.x(), run.y());
            direction = length > 0 ? run / length : QPointF(1, 0);
            upright = nearestAxis(direction);
            // Up the page from the baseline, in pixels (y grows downwards).
            const QPointF normal(direction.y(), -direction.x());
            const auto [low, high] = extentAlong(left, top, right, bottom, lineStart, normal);
            // The row's own measure where tesseract has one: the box of a line a few degrees
            // off is as tall as its drift, and words set that large fall apart into letters.
            float rowHeight = 0, descenders = 0, ascenders = 0;
            it->RowAttributes(&rowHeight, &descenders, &ascenders);
            lineHeight =
                std::max(1.0, rowHeight > 0 ? std::min(double(rowHeight), high - low) : high - low);
        }
        const std::unique_ptr<char[]> utf8(it->GetUTF8Text(tesseract::RIL_WORD));
        const QString read = QString::fromUtf8(utf8.get());
        // Every word tesseract returns is kept, however unsure it is, as its own renderers keep
        // them: dropping the unsure ones lost titles run into their dot leaders.
        const QList<std::pair<qsizetype, qsizetype>> parts = partsOf(read);
        for (const auto &[partFrom, partTo] : parts) {
            const QString text = read.mid(partFrom, partTo - partFrom).trimmed();
            const bool whole = partFrom == 0 && partTo == read.size();
            if (text.isEmpty() || (!whole && !hasLetterOrNumber(text)))
                continue;
            QRect box;
            if (whole || !symbolsBox(*it, partFrom, partTo, &box)) {
                int left = 0, top = 0, right = 0, bottom = 0;
                it->BoundingBox(tesseract::RIL_WORD, &left, &top, &right, &bottom);
                box = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
            }
            const auto [from, to] = extentAlong(box.left(), box.top(), box.right() + 1,
                                                box.bottom() + 1, lineStart, direction);
            Word word;
            word.text = text;
            // Each word starts where it stands on its line but runs along the page's axis: text
            // readers take words a few degrees off for a line each, and interleave the letters of
            // a slightly skewed scan.
            const QPointF start = along(lineStart, direction, from);
            word.origin = toPage.map(start);
            word.end = toPage.map(along(start, upright, to - from));
            word.size = lineHeight * pixelSize;
            page.words.append(word);
        }
    } while (it->Next(tesseract::RIL_WORD));
    finishLine();
    return page;
}

// One reader per thread: tesseract instances are not shared.
class Reader : public PageReader
{
public:
    Reader(QByteArray languages, QByteArray dataFolder)
        : m_languages(std::move(languages))
        , m_dataFolder(std::move(dataFolder))
    {}

    bool read(const ScanImage &scan, const std::atomic<bool> *cancel, PageText *out,
              QString *why) override
    {
        if (!ensure(why))
            return false;
        m_api.SetPageSegMode(tesseract::PSM_AUTO);
        if (!recognise(scan, cancel))
            return failed(cancel, why);
        const int confidence = m_api.MeanTextConf();
        PageText page = collectWords(m_api, scan.toPage);
        if (confidence < kOrientationRetryConfidence && m_hasOrientation) {
            m_api.SetPageSegMode(tesseract::PSM_AUTO_OSD);
            if (!recognise(scan, cancel))
                return failed(cancel, why);
            if (m_api.MeanTextConf() > confidence)
                page = collectWords(m_api, scan.toPage);
        }
        *out = std::move(page);
        return true;
    }

private:
    bool ensure(QString *why)
    {
        if (m_ready)
            return true;
        limitLibraryThreads();
        if (m_api.Init(m_dataFolder.constData(), m_languages.constData(),
                       tesseract::OEM_LSTM_ONLY) != 0) {
            *why = u"tesseract could not load %1"_s.arg(QString::fromLatin1(m_languages));
            return false;
        }
        m_hasOrientation =
            QFileInfo::exists(QString::fromLocal8Bit(m_dataFolder) + u"/osd.traineddata"_s);
        m_ready = true;
        return true;
    }

    bool recognise(const ScanImage &scan, const std::atomic<bool> *cancel)
    {
        m_api.SetImage(scan.pixels, scan.width, scan.height, 1, scan.stride);
        m_api.SetSourceResolution(scan.dpi);
        tesseract::ETEXT_DESC monitor;
        monitor.cancel = [](void *flag, int) {
            return flag && static_cast<const std::atomic<bool> *>(flag)->load();
        };
        monitor.cancel_this = const_cast<std::atomic<bool> *>(cancel);
        return m_api.Recognize(&monitor) == 0 && !(cancel && cancel->load());
    }

    static bool failed(const std::atomic<bool> *cancel, QString *why)
    {
        *why = cancel && cancel->load() ? u"cancelled"_s : u"tesseract failed on a page"_s;
        return false;
    }

    QByteArray m_languages;
    QByteArray m_dataFolder;
    tesseract::TessBaseAPI m_api;
    bool m_ready = false;
    bool m_hasOrientation = false;
};

} // namespace
} // namespace textrecognition

// The module's one entry point, found by name when the engine loads it.
extern "C" Q_DECL_EXPORT textrecognition::PageReader *velmora_page_reader(const char *languages,
                                                                          const char *dataFolder)
{
    return new textrecognition::Reader(QByteArray(languages), QByteArray(dataFolder));
}
