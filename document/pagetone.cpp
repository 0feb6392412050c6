#include "pagetone.h"

#include "settingskeys.h"

#include <QColor>
#include <QSettings>

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

// Night pages are not pure black on white inverted: a soft grey pair is easier on the eyes.
constexpr QRgb nightPaper = qRgb(0x1E, 0x1F, 0x22);
constexpr QRgb nightInk = qRgb(0xD6, 0xD8, 0xDC);
constexpr QRgb sepiaPaper = qRgb(0xF4, 0xEC, 0xD8);
constexpr QRgb sepiaInk = qRgb(0x43, 0x34, 0x22);

using Ramp = std::array<uchar, 256>;

// Channel value v of the source goes to from + v * (to - from) / 255.
Ramp ramp(int from, int to)
{
    Ramp table{};
    for (int v = 0; v < 256; ++v)
        table[v] = uchar(from + (v * (to - from) + 127) / 255);
    return table;
}

struct Ramps
{
    Ramp red, green, blue;
};

// Sepia: white maps to the paper and black to the ink, channel by channel. Night: the page's
// lightness is turned over first (see apply), so black goes to the paper and white to the ink.
Ramps rampsFor(PdfPageTone tone)
{
    const QRgb from = tone == PdfPageTone::Inverted ? nightPaper : sepiaInk;
    const QRgb to = tone == PdfPageTone::Inverted ? nightInk : sepiaPaper;
    return {ramp(qRed(from), qRed(to)), ramp(qGreen(from), qGreen(to)),
            ramp(qBlue(from), qBlue(to))};
}

PdfPageTone toneFrom(int value)
{
    switch (value) {
    case int(PdfPageTone::Inverted):
        return PdfPageTone::Inverted;
    case int(PdfPageTone::Sepia):
        return PdfPageTone::Sepia;
    default:
        return PdfPageTone::Normal;
    }
}

} // namespace

namespace pagetone {

QImage apply(const QImage &image, PdfPageTone tone)
{
    if (tone == PdfPageTone::Normal || image.isNull())
        return image;
    static const Ramps night = rampsFor(PdfPageTone::Inverted);
    static const Ramps sepia = rampsFor(PdfPageTone::Sepia);
    const Ramps &ramps = tone == PdfPageTone::Inverted ? night : sepia;

    const bool turnOver = tone == PdfPageTone::Inverted;

    // Rendered pages are opaque.
    QImage out = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            int r = qRed(p), g = qGreen(p), b = qBlue(p);
            if (turnOver) {
                // Adding 255 - (max + min) to each channel turns the lightness over and keeps
                // hue and saturation: blue links stay blue, unlike a plain negative.
                const int shift = 255 - std::max({r, g, b}) - std::min({r, g, b});
                r = std::clamp(r + shift, 0, 255);
                g = std::clamp(g + shift, 0, 255);
                b = std::clamp(b + shift, 0, 255);
            }
            line[x] = qRgb(ramps.red[r], ramps.green[g], ramps.blue[b]);
        }
    }
    out.setDevicePixelRatio(image.devicePixelRatio());
    return out;
}

QColor paper(PdfPageTone tone)
{
    switch (tone) {
    case PdfPageTone::Inverted:
        return QColor(nightPaper);
    case PdfPageTone::Sepia:
        return QColor(sepiaPaper);
    case PdfPageTone::Normal:
        break;
    }
    return QColor(Qt::white);
}

} // namespace pagetone

PageToneSetting &PageToneSetting::instance()
{
    static PageToneSetting setting;
    return setting;
}

PageToneSetting::PageToneSetting()
    : m_tone(toneFrom(QSettings().value(settingskeys::PageTone, 0).toInt()))
{}

void PageToneSetting::setTone(PdfPageTone tone)
{
    if (tone == m_tone)
        return;
    m_tone = tone;
    QSettings().setValue(settingskeys::PageTone, int(tone));
    Q_EMIT toneChanged(tone);
}
