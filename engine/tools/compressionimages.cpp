#include "compressionimages.h"

#include "batchsupport.h"
#include "mupdftools.h"

#include <QTransform>

#include <qpdf/Buffer.hh>
#include <qpdf/Pl_Buffer.hh>
#include <qpdf/Pl_DCT.hh>
#include <qpdf/Pl_Flate.hh>
#include <qpdf/QPDFPageObjectHelper.hh>

#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <unordered_set>

using namespace batchsupport;

namespace compression {

std::vector<std::string> filters(QPDFObjectHandle dict)
{
    std::vector<std::string> result;
    QPDFObjectHandle filter = dict.getKey("/Filter");
    if (filter.isName())
        result.push_back(filter.getName());
    else if (filter.isArray())
        for (QPDFObjectHandle item : filter.aitems())
            if (item.isName())
                result.push_back(item.getName());
    return result;
}

namespace {

// Resampling for a few percent gains nothing worth the blur.
constexpr double kDownsampleThreshold = 1.05;
constexpr qint64 kSmallImagePixels = 10000;
constexpr int kMaxFormDepth = 12;

QPDFObjectHandle name(const char *text)
{
    return QPDFObjectHandle::newName(text);
}

// ---------------------------------------------------------------------------------------------
// Where images are drawn: the largest size, in points, at which each image object is shown.

struct Usage
{
    double width = 0;
    double height = 0;
};

using UsageMap = std::map<QPDFObjGen, Usage>;

class PlacementFinder final : public QPDFObjectHandle::ParserCallbacks
{
public:
    PlacementFinder(QPDFObjectHandle resources, const QTransform &ctm, UsageMap &usage,
                    std::set<QPDFObjGen> &openForms, int depth)
        : m_resources(resources)
        , m_ctm(ctm)
        , m_usage(usage)
        , m_openForms(openForms)
        , m_depth(depth)
    {}

    void handleObject(QPDFObjectHandle object, size_t, size_t) override
    {
        if (!object.isOperator()) {
            m_operands.push_back(object);
            return;
        }
        const std::string op = object.getOperatorValue();
        if (op == "q") {
            m_stack.push_back(m_ctm);
        } else if (op == "Q") {
            if (!m_stack.empty()) {
                m_ctm = m_stack.back();
                m_stack.pop_back();
            }
        } else if (op == "cm" && m_operands.size() == 6) {
            double v[6];
            bool numbers = true;
            for (int i = 0; i < 6; ++i) {
                numbers = numbers && m_operands[static_cast<size_t>(i)].isNumber();
                v[i] = numbers ? m_operands[static_cast<size_t>(i)].getNumericValue() : 0;
            }
            if (numbers)
                m_ctm = QTransform(v[0], v[1], v[2], v[3], v[4], v[5]) * m_ctm;
        } else if (op == "Do" && !m_operands.empty() && m_operands.back().isName()) {
            draw(m_operands.back().getName());
        }
        m_operands.clear();
    }

    void handleEOF() override {}

private:
    void draw(const std::string &key)
    {
        if (!m_resources.isDictionary())
            return;
        QPDFObjectHandle xobjects = m_resources.getKey("/XObject");
        if (!xobjects.isDictionary())
            return;
        QPDFObjectHandle xobject = xobjects.getKey(key);
        if (!xobject.isStream())
            return;
        QPDFObjectHandle dict = xobject.getDict();
        if (dict.getKey("/Subtype").isNameAndEquals("/Image")) {
            Usage &usage = m_usage[xobject.getObjGen()];
            usage.width = std::max(usage.width, std::hypot(m_ctm.m11(), m_ctm.m12()));
            usage.height = std::max(usage.height, std::hypot(m_ctm.m21(), m_ctm.m22()));
        } else if (dict.getKey("/Subtype").isNameAndEquals("/Form") && m_depth < kMaxFormDepth &&
                   m_openForms.insert(xobject.getObjGen()).second) {
            QTransform matrix;
            QPDFObjectHandle m = dict.getKey("/Matrix");
            if (m.isArray() && m.getArrayNItems() == 6) {
                double v[6];
                for (int i = 0; i < 6; ++i) {
                    QPDFObjectHandle item = m.getArrayItem(i);
                    v[i] = item.isNumber() ? item.getNumericValue() : (i == 0 || i == 3 ? 1 : 0);
                }
                matrix = QTransform(v[0], v[1], v[2], v[3], v[4], v[5]);
            }
            QPDFObjectHandle resources = dict.getKey("/Resources");
            PlacementFinder inner(resources.isDictionary() ? resources : m_resources,
                                  matrix * m_ctm, m_usage, m_openForms, m_depth + 1);
            try {
                xobject.parseAsContents(&inner);
            } catch (const std::exception &) {
                // A broken form only hides its images' sizes: they are then left alone.
            }
            m_openForms.erase(xobject.getObjGen());
        }
    }

    QPDFObjectHandle m_resources;
    QTransform m_ctm;
    UsageMap &m_usage;
    std::set<QPDFObjGen> &m_openForms;
    int m_depth;
    std::vector<QTransform> m_stack;
    std::vector<QPDFObjectHandle> m_operands;
};

UsageMap findPlacements(const std::vector<QPDFObjectHandle> &pages)
{
    UsageMap usage;
    for (QPDFObjectHandle page : pages) {
        QPDFPageObjectHelper helper(page);
        bool hasImages = false;
        helper.forEachImage(true, [&](QPDFObjectHandle &, QPDFObjectHandle &, std::string const &) {
            hasImages = true;
        });
        if (!hasImages)
            continue;
        std::set<QPDFObjGen> openForms;
        PlacementFinder finder(helper.getAttribute("/Resources", false), QTransform(), usage,
                               openForms, 0);
        try {
            helper.parseContents(&finder);
        } catch (const std::exception &) {
        }
    }
    return usage;
}

// ---------------------------------------------------------------------------------------------
// Pixels

// Area-averaging reduction of 8-bit interleaved samples.
QByteArray downsample(const QByteArray &samples, int w, int h, int n, int newW, int newH)
{
    struct Span
    {
        int first;
        float w0;
        float w1; // share of the next output pixel, when the source straddles two
    };
    auto spans = [](int from, int to) {
        std::vector<Span> result(static_cast<size_t>(from));
        const double scale = double(from) / to;
        for (int s = 0; s < from; ++s) {
            const int o = std::min(to - 1, static_cast<int>(std::floor(s / scale)));
            const double edge = (o + 1) * scale;
            const double inFirst = std::min(1.0, std::max(0.0, edge - s));
            result[static_cast<size_t>(s)] = {
                o, static_cast<float>(inFirst / scale),
                o + 1 < to ? static_cast<float>((1.0 - inFirst) / scale) : 0.0f};
        }
        return result;
    };
    const std::vector<Span> xs = spans(w, newW);
    const std::vector<Span> ys = spans(h, newH);
    std::vector<float> out(size_t(newW) * newH * n, 0.0f);
    std::vector<float> row(size_t(newW) * n);
    const auto *src = reinterpret_cast<const unsigned char *>(samples.constData());
    for (int y = 0; y < h; ++y) {
        std::fill(row.begin(), row.end(), 0.0f);
        const unsigned char *line = src + size_t(y) * w * n;
        for (int x = 0; x < w; ++x) {
            const Span &span = xs[static_cast<size_t>(x)];
            float *a = &row[size_t(span.first) * n];
            for (int k = 0; k < n; ++k) {
                a[k] += span.w0 * line[x * n + k];
                if (span.w1 > 0)
                    a[n + k] += span.w1 * line[x * n + k];
            }
        }
        const Span &vy = ys[static_cast<size_t>(y)];
        float *o0 = &out[size_t(vy.first) * newW * n];
        for (size_t i = 0; i < row.size(); ++i)
            o0[i] += vy.w0 * row[i];
        if (vy.w1 > 0) {
            float *o1 = o0 + size_t(newW) * n;
            for (size_t i = 0; i < row.size(); ++i)
                o1[i] += vy.w1 * row[i];
        }
    }
    QByteArray result(qsizetype(out.size()), Qt::Uninitialized);
    for (size_t i = 0; i < out.size(); ++i)
        result[qsizetype(i)] = static_cast<char>(std::clamp(std::lround(out[i]), 0L, 255L));
    return result;
}

// Photographs have many distinct colours; drawings, charts and screenshots few. JPEG suits only
// the former.
bool looksPhotographic(const mupdftools::Pixels &pixels)
{
    const int n = pixels.components;
    // Gray has at most 256 levels; scans and gray photos use most of them.
    const size_t enough = n == 1 ? 48 : 4096;
    const qint64 total = qint64(pixels.width) * pixels.height;
    const qint64 step = std::max<qint64>(1, total / 65536);
    std::unordered_set<quint32> colours;
    const auto *s = reinterpret_cast<const unsigned char *>(pixels.samples.constData());
    for (qint64 i = 0; i < total; i += step) {
        const unsigned char *p = s + i * n;
        quint32 key = 0;
        for (int k = 0; k < n; ++k)
            key = key * 131 + p[k];
        colours.insert(key);
        if (colours.size() > enough)
            return true;
    }
    return false;
}

// RGB pictures whose pixels are all gray (scans, often) keep one channel instead of three.
bool reduceToGray(mupdftools::Pixels &pixels)
{
    if (pixels.components != 3)
        return false;
    const qsizetype count = qsizetype(pixels.width) * pixels.height;
    const auto *s = reinterpret_cast<const unsigned char *>(pixels.samples.constData());
    for (qsizetype i = 0; i < count; ++i)
        if (s[3 * i] != s[3 * i + 1] || s[3 * i] != s[3 * i + 2])
            return false;
    QByteArray gray(count, Qt::Uninitialized);
    for (qsizetype i = 0; i < count; ++i)
        gray[i] = static_cast<char>(s[3 * i]);
    pixels.samples = gray;
    pixels.components = 1;
    pixels.kind = mupdftools::ColorKind::Gray;
    return true;
}

class JpegSettings final : public Pl_DCT::CompressConfig
{
public:
    explicit JpegSettings(int quality)
        : m_quality(quality)
    {}
    void apply(jpeg_compress_struct *info) override
    {
        jpeg_set_quality(info, m_quality, TRUE);
        info->optimize_coding = TRUE;
    }

private:
    int m_quality;
};

std::string encodeJpeg(const mupdftools::Pixels &pixels, int quality)
{
    const J_COLOR_SPACE space = pixels.components == 1   ? JCS_GRAYSCALE
                                : pixels.components == 3 ? JCS_RGB
                                                         : JCS_CMYK;
    JpegSettings settings(quality);
    Pl_Buffer buffer("jpeg");
    Pl_DCT dct("dct", &buffer, static_cast<JDIMENSION>(pixels.width),
               static_cast<JDIMENSION>(pixels.height), pixels.components, space, &settings);
    dct.write(reinterpret_cast<const unsigned char *>(pixels.samples.constData()),
              static_cast<size_t>(pixels.samples.size()));
    dct.finish();
    std::unique_ptr<Buffer> data(buffer.getBuffer());
    return std::string(reinterpret_cast<const char *>(data->getBuffer()), data->getSize());
}

std::string deflate(const QByteArray &samples)
{
    Pl_Buffer buffer("flate");
    Pl_Flate flate("deflate", &buffer, Pl_Flate::a_deflate);
    flate.write(reinterpret_cast<const unsigned char *>(samples.constData()),
                static_cast<size_t>(samples.size()));
    flate.finish();
    std::unique_ptr<Buffer> data(buffer.getBuffer());
    return std::string(reinterpret_cast<const char *>(data->getBuffer()), data->getSize());
}

// ---------------------------------------------------------------------------------------------
// Images

// The colour space to keep for decoded samples of n components, or null for a device space.
QPDFObjectHandle keptColorSpace(QPDFObjectHandle space, int n)
{
    if (space.isArray() && space.getArrayNItems() >= 2 &&
        space.getArrayItem(0).isNameAndEquals("/Indexed"))
        space = space.getArrayItem(1);
    if (space.isName()) {
        const std::string s = space.getName();
        if ((s == "/DeviceGray" && n == 1) || (s == "/DeviceRGB" && n == 3) ||
            (s == "/DeviceCMYK" && n == 4))
            return space;
        return QPDFObjectHandle::newNull();
    }
    if (space.isArray() && space.getArrayNItems() >= 2) {
        QPDFObjectHandle family = space.getArrayItem(0);
        QPDFObjectHandle arg = space.getArrayItem(1);
        if (family.isNameAndEquals("/ICCBased") && arg.isStream() &&
            arg.getDict().getKey("/N").isInteger() && arg.getDict().getKey("/N").getIntValue() == n)
            return space;
        if ((family.isNameAndEquals("/CalRGB") && n == 3) ||
            (family.isNameAndEquals("/CalGray") && n == 1))
            return space;
    }
    return QPDFObjectHandle::newNull();
}

QPDFObjectHandle deviceSpace(int n)
{
    return name(n == 1 ? "/DeviceGray" : n == 3 ? "/DeviceRGB" : "/DeviceCMYK");
}

class ImageRewriter
{
public:
    ImageRewriter(QPDF &pdf, const mupdf::DocumentRef &doc, const Level &level)
        : m_pdf(pdf)
        , m_doc(doc)
        , m_level(level)
    {}

    // Pages that list pictures their content never draws; only their resources need pruning.
    const std::vector<QPDFObjectHandle> &pagesWithUnusedImages() const { return m_unusedOn; }

    void run(const std::vector<QPDFObjectHandle> &pages)
    {
        const UsageMap usage = findPlacements(pages);
        for (QPDFObjectHandle page : pages) {
            bool unused = false;
            QPDFPageObjectHelper(page).forEachImage(
                false, [&](QPDFObjectHandle &image, QPDFObjectHandle &, std::string const &) {
                    unused = unused || usage.find(image.getObjGen()) == usage.end();
                });
            if (unused)
                m_unusedOn.push_back(page);
        }
        std::map<QPDFObjGen, QPDFObjectHandle> images;
        std::map<QPDFObjGen, int> maskUsers;
        for (QPDFObjectHandle page : pages) {
            QPDFPageObjectHelper(page).forEachImage(
                true, [&](QPDFObjectHandle &image, QPDFObjectHandle &, std::string const &) {
                    if (images.emplace(image.getObjGen(), image).second) {
                        QPDFObjectHandle mask = image.getDict().getKey("/SMask");
                        if (mask.isStream())
                            ++maskUsers[mask.getObjGen()];
                    }
                });
        }
        for (auto &[id, image] : images) {
            auto found = usage.find(id);
            if (found == usage.end())
                continue; // shown nowhere we can measure: its resolution is unknown
            try {
                rewrite(image, found->second, maskUsers);
            } catch (const std::exception &e) {
                qCDebug(lcBatch, "image %d left as it was: %s", id.getObj(), e.what());
            }
        }
    }

private:
    void rewrite(QPDFObjectHandle image, const Usage &usage, std::map<QPDFObjGen, int> &maskUsers)
    {
        QPDFObjectHandle dict = image.getDict();
        if (!dict.getKey("/Width").isInteger() || !dict.getKey("/Height").isInteger())
            return;
        const long long w = dict.getKey("/Width").getIntValue();
        const long long h = dict.getKey("/Height").getIntValue();
        if (w <= 0 || h <= 0 || w * h < kSmallImagePixels)
            return;
        if (dict.getKey("/ImageMask").isBool() && dict.getKey("/ImageMask").getBoolValue())
            return;
        QPDFObjectHandle bpc = dict.getKey("/BitsPerComponent");
        if (bpc.isInteger() && bpc.getIntValue() == 1)
            return;
        if (dict.getKey("/Mask").isArray() && !dict.getKey("/SMask").isStream())
            return;
        const std::vector<std::string> chain = filters(dict);
        bool lossy = false;
        for (const std::string &f : chain) {
            if (f == "/JBIG2Decode" || f == "/CCITTFaxDecode")
                return;
            lossy = lossy || f == "/DCTDecode" || f == "/JPXDecode";
        }

        const double ppiX = usage.width > 0 ? w * 72.0 / usage.width : 0;
        const double ppiY = usage.height > 0 ? h * 72.0 / usage.height : 0;
        const double limit = m_level.ppi * kDownsampleThreshold;
        const bool reduce = ppiX > limit || ppiY > limit;
        if (lossy && !reduce)
            return;

        int newW = static_cast<int>(w);
        int newH = static_cast<int>(h);
        if (reduce) {
            if (ppiX > m_level.ppi)
                newW = std::max(1, static_cast<int>(std::lround(w * m_level.ppi / ppiX)));
            if (ppiY > m_level.ppi)
                newH = std::max(1, static_cast<int>(std::lround(h * m_level.ppi / ppiY)));
        }
        const QPDFObjGen id = image.getObjGen();
        mupdftools::Pixels pixels;
        QString message;
        // The decoder halves only while the result stays a little larger than asked (it keeps
        // room for rounding); asking for a few pixels less lets an exact half through.
        if (!mupdftools::decodeImage(m_doc, id.getObj(), id.getGen(), &pixels, &message, false,
                                     reduce ? QSize(newW - 3, newH - 3) : QSize()) ||
            pixels.kind == mupdftools::ColorKind::Other || pixels.width < newW - 3 ||
            pixels.height < newH - 3 || pixels.width > w || pixels.height > h)
            return;
        newW = std::min(newW, pixels.width);
        newH = std::min(newH, pixels.height);
        const bool grayed = reduceToGray(pixels);
        const bool photo = lossy || looksPhotographic(pixels);
        if (!reduce && !photo)
            return;
        if (pixels.width != newW || pixels.height != newH) {
            pixels.samples = downsample(pixels.samples, pixels.width, pixels.height,
                                        pixels.components, newW, newH);
            pixels.width = newW;
            pixels.height = newH;
        }

        const std::string encoded =
            photo ? encodeJpeg(pixels, m_level.quality) : deflate(pixels.samples);
        QPDFObjectHandle length = dict.getKey("/Length");
        const size_t before = length.isInteger() && length.getIntValue() > 0
                                  ? static_cast<size_t>(length.getIntValue())
                                  : image.getRawStreamData()->getSize();
        if (encoded.size() >= before && !reduce)
            return;
        if (encoded.size() >= before && reduce && !photo)
            return;

        QPDFObjectHandle space =
            grayed ? QPDFObjectHandle::newNull()
                   : keptColorSpace(dict.getKey("/ColorSpace"), pixels.components);
        if (space.isNull())
            space = deviceSpace(pixels.components);
        image.replaceStreamData(encoded, name(photo ? "/DCTDecode" : "/FlateDecode"),
                                QPDFObjectHandle::newNull());
        dict.replaceKey("/Width", QPDFObjectHandle::newInteger(newW));
        dict.replaceKey("/Height", QPDFObjectHandle::newInteger(newH));
        dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
        dict.replaceKey("/ColorSpace", space);
        dict.removeKey("/Decode");
        dict.removeKey("/DecodeParms");
        dict.removeKey("/SMaskInData");
        dict.removeKey("/Mask");

        QPDFObjectHandle mask = dict.getKey("/SMask");
        if (reduce && mask.isStream() && maskUsers[mask.getObjGen()] == 1)
            shrinkMask(mask, static_cast<int>(w), static_cast<int>(h), newW, newH);
    }

    // A soft mask may keep its own size, but one only this image uses shrinks along with it.
    void shrinkMask(QPDFObjectHandle mask, int w, int h, int newW, int newH)
    {
        QPDFObjectHandle dict = mask.getDict();
        if (!dict.getKey("/Width").isInteger() || dict.getKey("/Width").getIntValue() != w ||
            !dict.getKey("/Height").isInteger() || dict.getKey("/Height").getIntValue() != h)
            return;
        const QPDFObjGen id = mask.getObjGen();
        mupdftools::Pixels pixels;
        QString message;
        if (!mupdftools::decodeImage(m_doc, id.getObj(), id.getGen(), &pixels, &message, false,
                                     QSize(newW, newH)) ||
            pixels.components != 1 || pixels.width < newW || pixels.height < newH ||
            pixels.width > w || pixels.height > h)
            return;
        const QByteArray reduced =
            pixels.width == newW && pixels.height == newH
                ? pixels.samples
                : downsample(pixels.samples, pixels.width, pixels.height, 1, newW, newH);
        mask.replaceStreamData(deflate(reduced), name("/FlateDecode"), QPDFObjectHandle::newNull());
        dict.replaceKey("/Width", QPDFObjectHandle::newInteger(newW));
        dict.replaceKey("/Height", QPDFObjectHandle::newInteger(newH));
        dict.replaceKey("/BitsPerComponent", QPDFObjectHandle::newInteger(8));
        dict.replaceKey("/ColorSpace", name("/DeviceGray"));
        dict.removeKey("/Decode");
        dict.removeKey("/DecodeParms");
    }

    QPDF &m_pdf;
    const mupdf::DocumentRef &m_doc;
    Level m_level;
    std::vector<QPDFObjectHandle> m_unusedOn;
};

} // namespace

std::vector<QPDFObjectHandle> rewriteImages(QPDF &pdf, const mupdf::DocumentRef &doc,
                                            const Level &level,
                                            const std::vector<QPDFObjectHandle> &pages)
{
    ImageRewriter images(pdf, doc, level);
    images.run(pages);
    return images.pagesWithUnusedImages();
}

} // namespace compression
