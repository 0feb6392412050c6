#include "customtabwidget.h"
#include "darktheme.h"
#include "dialogseam.h"
#include "framelesswindow.h"
#include "mainpage.h"
#include "pdffixtures.h"
#include "settingsmenu.h"
#include "shellservices.h"
#include "startup.h"
#include "testregistry.h"
#include "theme.h"
#include "themerecolour.h"
#include "titlebar.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QAction *darkEntry(FramelessWindow &window)
{
    auto *button = window.titleBar()->findChild<QToolButton *>(u"settingsBtn"_s);
    auto *menu = button ? qobject_cast<SettingsMenu *>(button->menu()) : nullptr;
    return menu ? menu->darkThemeAction() : nullptr;
}

// The mean colour of what the widget paints.
QColor meanColour(QWidget *widget)
{
    const QImage shot = widget->grab().toImage();
    return shot.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
}

// The lightest and the darkest pixel's lightness, for text on the background.
std::pair<int, int> lightnessRange(QWidget *widget)
{
    const QImage shot = widget->grab().toImage();
    int lightest = 0;
    int darkest = 255;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const int l = shot.pixelColor(x, y).lightness();
            lightest = std::max(lightest, l);
            darkest = std::min(darkest, l);
        }
    }
    return {lightest, darkest};
}

} // namespace

class TestDarkTheme : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void switchAtRunTime_data();
    void switchAtRunTime();
    void styleSheetsRoundTrip();
    void viewerGlyphs_data();
    void viewerGlyphs();

private:
    QTemporaryDir m_dir;
};

void TestDarkTheme::init()
{
    QStandardPaths::setTestModeEnabled(true);
    DialogSeam::setScripted(true);
}

void TestDarkTheme::cleanup()
{
    DarkTheme::setEnabled(false);
    DialogSeam::reset();
    ShellServices::instance().reset();
}

void TestDarkTheme::switchAtRunTime_data()
{
    QTest::addColumn<QString>("part");     // object name of the part looked at
    QTest::addColumn<QString>("opened");   // "tool" or "viewer": a tab to open first
    QTest::addColumn<bool>("afterSwitch"); // the tab is opened once the theme is dark
    QTest::newRow("title bar") << u"titleBar"_s << QString() << false;
    QTest::newRow("side navigation") << u"sideNavigationBar"_s << QString() << false;
    QTest::newRow("recent files") << u"recentFilesPage"_s << QString() << false;
    QTest::newRow("tool page built before") << u"toolPage"_s << u"tool"_s << false;
    QTest::newRow("tool page built after") << u"toolPage"_s << u"tool"_s << true;
    QTest::newRow("viewer bar built before") << u"pdfTopToolBar"_s << u"viewer"_s << false;
    QTest::newRow("viewer bar built after") << u"pdfTopToolBar"_s << u"viewer"_s << true;
}

void TestDarkTheme::switchAtRunTime()
{
    QFETCH(QString, part);
    QFETCH(QString, opened);
    QFETCH(bool, afterSwitch);
    FramelessWindow window;
    Startup::installMainPage(window);
    window.resize(1160, 780);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *page = qobject_cast<MainPage *>(window.contentWidget());
    const auto open = [&] {
        if (opened == u"tool"_s) {
            page->onToolClicked(1);
        } else if (opened == u"viewer"_s) {
            const QString path = m_dir.filePath(u"dark.pdf"_s);
            fixtures::DocumentSpec spec;
            spec.pages = fixtures::pagesOf(2);
            QVERIFY(fixtures::write(spec, path));
            page->openFiles({path});
        }
    };
    if (!afterSwitch)
        open();

    QAction *dark = darkEntry(window);
    QVERIFY(dark);
    QVERIFY(!dark->isChecked());
    dark->trigger();
    // The switch waits for the menu to close.
    QTRY_VERIFY(DarkTheme::isEnabled());
    if (afterSwitch)
        open();
    QApplication::processEvents();

    const auto find = [&]() -> QWidget * {
        if (part == u"titleBar"_s)
            return window.titleBar();
        if (part == u"toolPage"_s)
            return page->tabWidget()->currentWidget();
        return window.findChild<QWidget *>(part);
    };
    QWidget *widget = find();
    QVERIFY(widget && widget->isVisible());
    QVERIFY2(meanColour(widget).lightness() < 80, qPrintable(meanColour(widget).name()));
    // Something light on it: text and glyphs stay legible.
    QVERIFY2(lightnessRange(widget).first > 160,
             qPrintable(QString::number(lightnessRange(widget).first)));
    QVERIFY(DarkTheme::saved());

    dark->trigger();
    QTRY_VERIFY(!DarkTheme::isEnabled());
    QApplication::processEvents();
    widget = find();
    QVERIFY2(meanColour(widget).lightness() > 200, qPrintable(meanColour(widget).name()));
    QVERIFY(lightnessRange(widget).second < 100);
    QVERIFY(!DarkTheme::saved());
}

// A style sheet built in one theme reads as built in the other once re-coloured, and back.
void TestDarkTheme::styleSheetsRoundTrip()
{
    QString light;
    QString dark;
    for (const Theme::Name &name : Theme::all) {
        light += u"QWidget { color: %1; }\n"_s.arg(name.light);
        dark += u"QWidget { color: %1; }\n"_s.arg(name.dark);
    }
    const QString literal = u"QLabel { color: white; background: url(x.png); }"_s;
    QCOMPARE(Theme::recoloured(light + literal, true), dark + literal);
    QCOMPARE(Theme::recoloured(dark + literal, false), light + literal);
}

void TestDarkTheme::viewerGlyphs_data()
{
    QTest::addColumn<bool>("dark");
    QTest::newRow("light") << false;
    QTest::newRow("dark") << true;
}

// The tool bar's glyphs read in both themes: the highlighter's letter stands out from the bar,
// a disabled undo is fainter than an enabled button, and the underline's mark has the colour
// underlines are drawn in by default.
void TestDarkTheme::viewerGlyphs()
{
    QFETCH(bool, dark);
    FramelessWindow window;
    Startup::installMainPage(window);
    window.resize(1160, 780);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto *page = qobject_cast<MainPage *>(window.contentWidget());
    const QString path = m_dir.filePath(u"glyphs.pdf"_s);
    fixtures::DocumentSpec spec;
    spec.pages = fixtures::pagesOf(2);
    QVERIFY(fixtures::write(spec, path));
    page->openFiles({path});
    if (dark) {
        darkEntry(window)->trigger();
        QTRY_VERIFY(DarkTheme::isEnabled());
    }
    QApplication::processEvents();
    const auto button = [&window](const QString &name) {
        return window.findChild<QWidget *>(name);
    };
    QWidget *undo = button(u"pdfUndoButton"_s);
    QWidget *hand = button(u"pdfHandToolButton"_s);
    QWidget *highlight = button(u"pdfAnnotation_highlight"_s);
    QWidget *underline = button(u"pdfAnnotation_underline"_s);
    QVERIFY(undo && hand && highlight && underline);
    QVERIFY(!undo->isEnabled() && hand->isEnabled());
    // What the bar shows where the button stands.
    QWidget *bar = button(u"pdfTopToolBar"_s);
    const auto shotOf = [bar](QWidget *widget) {
        return bar
            ->grab(QRect(widget->mapTo(bar, QPoint(0, 0)), widget->size()).adjusted(4, 4, -4, -4))
            .toImage();
    };
    // The glyph's strongest contrast with the bar behind it.
    const auto contrast = [&shotOf](QWidget *widget) {
        const QImage shot = shotOf(widget);
        const int background = shot.pixelColor(1, 1).lightness();
        int most = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                const QColor c = shot.pixelColor(x, y);
                if (c.hslSaturation() < 60)
                    most = std::max(most, std::abs(c.lightness() - background));
            }
        }
        return most;
    };
    QTRY_VERIFY2(contrast(highlight) > 90, qPrintable(QString::number(contrast(highlight))));
    QVERIFY2(contrast(undo) + 40 < contrast(hand),
             qPrintable(u"%1 %2"_s.arg(contrast(undo)).arg(contrast(hand))));
    // The most saturated pixel of the underline button is the default underline red.
    const QImage shot = shotOf(underline);
    QColor mark;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (!mark.isValid() || c.hsvSaturation() > mark.hsvSaturation())
                mark = c;
        }
    }
    QVERIFY2(mark.hsvHue() <= 10 || mark.hsvHue() >= 350, qPrintable(mark.name()));
    if (dark) {
        darkEntry(window)->trigger();
        QTRY_VERIFY(!DarkTheme::isEnabled());
    }
}

VELMORA_REGISTER_TEST(TestDarkTheme);
#include "tst_darktheme.moc"
