#include "themerecolour.h"

#include "theme.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace Theme {

namespace {

QHash<QString, QString> valueMap(bool toDark)
{
    QHash<QString, QString> map;
    for (const Name &name : all) {
        const QString light = QString(name.light).toUpper();
        const QString dark = QString(name.dark).toUpper();
        if (toDark)
            map.insert(light, dark);
        else
            map.insert(dark, light);
    }
    return map;
}

// Grey glyphs drawn for light backgrounds, as light glyphs for dark ones: copies in the cache
// folder, made once a run, named in style sheets in place of the resource.
struct DarkIcons
{
    QHash<QString, QString> fileFor;     // resource -> light copy, empty when kept as it is
    QHash<QString, QString> resourceFor; // light copy -> resource
};

DarkIcons &darkIcons()
{
    static DarkIcons icons;
    return icons;
}

// Glyph pixels drawn in the dark greys of text; colours (accents, swatches) stay as they are.
constexpr int DarkGlyphLightness = 110;

bool isDarkPixel(QRgb pixel)
{
    return qAlpha(pixel) > 0 && QColor(pixel).lightness() < DarkGlyphLightness;
}

// What of a glyph drawn for light backgrounds is dark: all of it (a grey glyph), part of it
// (a dark letter beside a colour, as the highlighter's "A" over its yellow), or nothing.
enum class DarkPart { None, Some, All };

DarkPart darkPart(const QImage &image)
{
    qint64 opaque = 0;
    qint64 dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) < 128)
                continue;
            ++opaque;
            dark += isDarkPixel(line[x]) ? 1 : 0;
        }
    }
    if (opaque == 0 || dark * 10 < opaque)
        return DarkPart::None;
    return dark * 2 > opaque ? DarkPart::All : DarkPart::Some;
}

// A dark pixel that stands on the background, within two pixels of a transparent one; dark
// lines inside a coloured shape (a note's lines on its yellow) stay dark.
bool onBackground(const QImage &image, int x, int y)
{
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            const int nx = x + dx;
            const int ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= image.width() || ny >= image.height() ||
                qAlpha(image.pixel(nx, ny)) < 32)
                return true;
        }
    }
    return false;
}

QString darkIconFile(const QString &resource)
{
    DarkIcons &icons = darkIcons();
    const auto known = icons.fileFor.constFind(resource);
    if (known != icons.fileFor.constEnd())
        return *known;
    QString file;
    QImage image = QImage(resource).convertToFormat(QImage::Format_ARGB32);
    const DarkPart part = image.isNull() ? DarkPart::None : darkPart(image);
    if (part != DarkPart::None) {
        const QColor glyph(QLatin1StringView(textSecondary.dark));
        const QImage original = image;
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                if (isDarkPixel(line[x]) && (part == DarkPart::All || onBackground(original, x, y)))
                    line[x] = qRgba(glyph.red(), glyph.green(), glyph.blue(), qAlpha(line[x]));
            }
        }
        const QString folder =
            QStandardPaths::writableLocation(QStandardPaths::CacheLocation) + u"/dark-icons"_s;
        const QString candidate = folder + resource.mid(1); // ":/res/..." -> "<folder>/res/..."
        if (QDir().mkpath(QFileInfo(candidate).absolutePath()) && image.save(candidate, "PNG")) {
            file = candidate;
            icons.resourceFor.insert(file, resource);
        }
    }
    icons.fileFor.insert(resource, file);
    return file;
}

QString swapIcons(const QString &styleSheet, bool toDark)
{
    if (toDark && !styleSheet.contains(u":/res/icons/"_s))
        return styleSheet;
    if (!toDark && !styleSheet.contains(u"/dark-icons/"_s))
        return styleSheet;
    static const QRegularExpression url(u"url\\(\\s*([^)\\s]+\\.png)\\s*\\)"_s);
    QString result;
    qsizetype last = 0;
    for (auto it = url.globalMatch(styleSheet); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const QString path = match.captured(1);
        const QString swapped =
            toDark ? (path.startsWith(u":/res/icons/"_s) ? darkIconFile(path) : QString())
                   : darkIcons().resourceFor.value(path);
        if (swapped.isEmpty())
            continue;
        result += QStringView(styleSheet).mid(last, match.capturedStart(1) - last);
        result += swapped;
        last = match.capturedEnd(1);
    }
    result += QStringView(styleSheet).mid(last);
    return result;
}

// While the theme is dark, style sheets set later still name the resources; they get the light
// copies once the change is through.
class IconWatch : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool styled = event->type() == QEvent::StyleChange || event->type() == QEvent::Polish;
        if (styled && isDark() && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            if (widget->styleSheet().contains(u":/res/icons/"_s)) {
                QTimer::singleShot(0, widget, [widget] {
                    const QString sheet = widget->styleSheet();
                    const QString changed = swapIcons(sheet, true);
                    if (changed != sheet)
                        widget->setStyleSheet(changed);
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

void watchIcons()
{
    static IconWatch *watch = nullptr;
    if (watch || !QCoreApplication::instance())
        return;
    watch = new IconWatch(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watch);
}

} // namespace

QString recoloured(const QString &styleSheet, bool toDark)
{
    if (styleSheet.isEmpty())
        return styleSheet;
    static const QHash<QString, QString> toDarkMap = valueMap(true);
    static const QHash<QString, QString> toLightMap = valueMap(false);
    const QHash<QString, QString> &map = toDark ? toDarkMap : toLightMap;
    static const QRegularExpression value(u"#(?:[0-9A-Fa-f]{8}|[0-9A-Fa-f]{6})\\b"_s);

    QString result;
    result.reserve(styleSheet.size());
    qsizetype last = 0;
    for (auto it = value.globalMatch(styleSheet); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        const auto replacement = map.constFind(match.captured().toUpper());
        if (replacement == map.constEnd())
            continue;
        result += QStringView(styleSheet).mid(last, match.capturedStart() - last);
        result += *replacement;
        last = match.capturedEnd();
    }
    result += QStringView(styleSheet).mid(last);
    return swapIcons(result, toDark);
}

void recolourWidgets(bool toDark)
{
    watchIcons();
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance())) {
        const QString sheet = recoloured(app->styleSheet(), toDark);
        if (sheet != app->styleSheet())
            app->setStyleSheet(sheet);
    }
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget *widget : widgets) {
        const QString sheet = widget->styleSheet();
        const QString changed = recoloured(sheet, toDark);
        if (changed != sheet)
            widget->setStyleSheet(changed);
    }
    for (QWidget *widget : widgets)
        widget->update();
}

} // namespace Theme
