#include "pdfbottomcontrolbar.h"
#include "pdfdocumentview.h"
#include "testregistry.h"
#include "viewertest.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class TestBottomControlBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void emptyDocument();
    void pageStates_data();
    void pageStates();
    void pageCommit_data();
    void pageCommit();
    void commitTwiceEmitsOnce();
    void zoomDisplay_data();
    void zoomDisplay();
    void zoomChoice();
    void zoomListEntries_data();
    void zoomListEntries();
    void zoomTyped_data();
    void zoomTyped();
    void fitToggle();
    void navigationButtons();
    void disabledArrowsAreGrey();
    void historyArrowsAreNotUndo();

private:
    // 11 percentages, a separator, fit width, fit page, actual size.
    static constexpr int PresetCount = 15;
    struct Parts
    {
        QLineEdit *edit;
        QLabel *count;
        QPushButton *previous;
        QPushButton *next;
        QComboBox *zoom;
        QPushButton *fit;
    };
    static Parts parts(PdfBottomControlBar &bar)
    {
        return {bar.findChild<QLineEdit *>(u"pdfPageNumberEdit"_s),
                bar.findChild<QLabel *>(u"pdfPageCountLabel"_s),
                bar.findChild<QPushButton *>(u"pdfPreviousPageButton"_s),
                bar.findChild<QPushButton *>(u"pdfNextPageButton"_s),
                bar.findChild<QComboBox *>(u"pdfZoomCombo"_s),
                bar.findChild<QPushButton *>(u"pdfFitToggleButton"_s)};
    }
};

void TestBottomControlBar::emptyDocument()
{
    PdfBottomControlBar bar;
    const Parts p = parts(bar);
    QVERIFY(p.edit && p.count && p.previous && p.next && p.zoom && p.fit);
    QCOMPARE(p.count->text(), u"/0"_s);
    QCOMPARE(p.edit->text(), u"0"_s);
    QVERIFY(!p.edit->isEnabled());
    QVERIFY(!p.previous->isEnabled());
    QVERIFY(!p.next->isEnabled());
    QCOMPARE(p.zoom->currentText(), u"100%"_s);
    QCOMPARE(p.zoom->count(), PresetCount);
    QCOMPARE(bar.height(), 52);
}

void TestBottomControlBar::pageStates_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("previous");
    QTest::addColumn<bool>("next");
    QTest::newRow("first of 12") << 12 << 0 << u"1"_s << false << true;
    QTest::newRow("middle") << 12 << 5 << u"6"_s << true << true;
    QTest::newRow("last") << 12 << 11 << u"12"_s << true << false;
    QTest::newRow("beyond last") << 12 << 40 << u"12"_s << true << false;
    QTest::newRow("negative") << 12 << -3 << u"1"_s << false << true;
    QTest::newRow("single page") << 1 << 0 << u"1"_s << false << false;
}

void TestBottomControlBar::pageStates()
{
    QFETCH(int, count);
    QFETCH(int, row);
    QFETCH(QString, shown);
    QFETCH(bool, previous);
    QFETCH(bool, next);
    PdfBottomControlBar bar;
    QSignalSpy requested(&bar, &PdfBottomControlBar::pageRequested);
    bar.setPageCount(count);
    bar.setCurrentPage(row);
    const Parts p = parts(bar);
    QCOMPARE(p.count->text(), u"/%1"_s.arg(count));
    QCOMPARE(p.edit->text(), shown);
    QVERIFY(p.edit->isEnabled());
    QCOMPARE(p.previous->isEnabled(), previous);
    QCOMPARE(p.next->isEnabled(), next);
    QCOMPARE(requested.count(), 0);
}

void TestBottomControlBar::pageCommit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("shown");
    QTest::newRow("999 goes to the last page") << u"999"_s << 11 << u"12"_s;
    QTest::newRow("0 goes to the first page") << u"0"_s << 0 << u"1"_s;
    QTest::newRow("letters go to the first page") << u"abc"_s << 0 << u"1"_s;
    QTest::newRow("a page in range") << u"7"_s << 6 << u"7"_s;
}

void TestBottomControlBar::pageCommit()
{
    QFETCH(QString, typed);
    QFETCH(int, row);
    QFETCH(QString, shown);
    PdfBottomControlBar bar;
    bar.setPageCount(12);
    bar.setCurrentPage(4);
    bar.show();
    const Parts p = parts(bar);
    QSignalSpy requested(&bar, &PdfBottomControlBar::pageRequested);
    p.edit->setFocus();
    p.edit->selectAll();
    QTest::keyClick(p.edit, Qt::Key_Backspace);
    QTest::keyClicks(p.edit, typed);
    QTest::keyClick(p.edit, Qt::Key_Return);
    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.at(0).at(0).toInt(), row);
    QCOMPARE(p.edit->text(), shown);
    QCOMPARE(bar.currentPage(), row);
}

void TestBottomControlBar::commitTwiceEmitsOnce()
{
    PdfBottomControlBar bar;
    bar.setPageCount(12);
    bar.show();
    const Parts p = parts(bar);
    QSignalSpy requested(&bar, &PdfBottomControlBar::pageRequested);
    p.edit->setFocus();
    p.edit->selectAll();
    QTest::keyClicks(p.edit, u"5"_s);
    QTest::keyClick(p.edit, Qt::Key_Return);
    // Losing the focus afterwards finds the same page and says nothing more.
    p.edit->clearFocus();
    Q_EMIT p.edit->editingFinished();
    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.at(0).at(0).toInt(), 4);

    // Committing the number already shown emits nothing either.
    p.edit->setFocus();
    QTest::keyClick(p.edit, Qt::Key_Return);
    QCOMPARE(requested.count(), 1);
}

void TestBottomControlBar::zoomDisplay_data()
{
    QTest::addColumn<double>("factor");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("custom");
    QTest::newRow("preset") << 1.5 << u"150%"_s << false;
    QTest::newRow("a third") << 0.333 << u"33%"_s << true;
    QTest::newRow("below the least") << 0.05 << u"10%"_s << true;
    QTest::newRow("between presets above 500%") << 7.0 << u"700%"_s << true;
    QTest::newRow("the most") << 16.0 << u"1600%"_s << false;
    QTest::newRow("above the most") << 20.0 << u"1600%"_s << false;
    QTest::newRow("half rounds away from zero") << 0.125 << u"13%"_s << true;
}

void TestBottomControlBar::zoomDisplay()
{
    QFETCH(double, factor);
    QFETCH(QString, text);
    QFETCH(bool, custom);
    PdfBottomControlBar bar;
    QSignalSpy zoom(&bar, &PdfBottomControlBar::zoomRequested);
    QComboBox *combo = parts(bar).zoom;
    bar.showZoomFactor(factor);
    QCOMPARE(combo->currentText(), text);
    QCOMPARE(combo->currentIndex() == 0 && combo->count() == PresetCount + 1, custom);
    QCOMPARE(combo->itemData(combo->currentIndex(), PdfBottomControlBar::CustomItemRole).toBool(),
             custom);
    // A following preset removes the custom entry again.
    bar.showZoomFactor(1.5);
    QCOMPARE(combo->currentText(), u"150%"_s);
    QCOMPARE(combo->count(), PresetCount);
    QCOMPARE(zoom.count(), 0);
}

void TestBottomControlBar::zoomChoice()
{
    PdfBottomControlBar bar;
    QComboBox *combo = parts(bar).zoom;
    QSignalSpy zoom(&bar, &PdfBottomControlBar::zoomRequested);
    Q_EMIT combo->activated(combo->findText(u"200%"_s));
    QCOMPARE(zoom.count(), 1);
    QCOMPARE(zoom.at(0).at(0).toDouble(), 2.0);
    bar.showZoomFactor(0.333);
    Q_EMIT combo->activated(0);
    QCOMPARE(zoom.count(), 2);
    QCOMPARE(zoom.at(1).at(0).toDouble(), 0.33);
}

void TestBottomControlBar::zoomListEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QByteArray>("signal");
    QTest::addColumn<QString>("key");
    QTest::newRow("fit width") << u"适合宽度"_s << QByteArray("fitWidthRequested") << u"Ctrl+2"_s;
    QTest::newRow("fit page") << u"适合页面"_s << QByteArray("fitPageRequested") << u"Ctrl+0"_s;
    QTest::newRow("actual size") << u"实际大小"_s << QByteArray("actualSizeRequested")
                                 << u"Ctrl+1"_s;
}

void TestBottomControlBar::zoomListEntries()
{
    QFETCH(QString, entry);
    QFETCH(QByteArray, signal);
    QFETCH(QString, key);
    PdfBottomControlBar bar;
    bar.showZoomFactor(0.8);
    QComboBox *combo = parts(bar).zoom;
    const int index = combo->findText(entry);
    QVERIFY(index > combo->findText(u"1600%"_s));
    QCOMPARE(combo->itemData(index, Qt::ToolTipRole).toString(), key);
    QSignalSpy spy(&bar, viewertest::signalNamed(&bar, signal));
    QSignalSpy zoom(&bar, &PdfBottomControlBar::zoomRequested);
    Q_EMIT combo->activated(index);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(zoom.count(), 0);
    // The box keeps showing the zoom until the view reports another.
    QCOMPARE(combo->currentText(), u"80%"_s);
}

void TestBottomControlBar::zoomTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("requested"); // 0: nothing asked
    QTest::addColumn<QString>("shown");
    QTest::newRow("between presets") << u"333"_s << 3.33 << u"333%"_s;
    QTest::newRow("with a percent sign") << u"333%"_s << 3.33 << u"333%"_s;
    QTest::newRow("below the least") << u"5"_s << 0.1 << u"10%"_s;
    QTest::newRow("past the most") << u"2500"_s << 16.0 << u"1600%"_s;
    QTest::newRow("a fraction") << u"62.5"_s << 0.625 << u"63%"_s;
    QTest::newRow("the zoom shown") << u"100"_s << 0.0 << u"100%"_s;
    QTest::newRow("letters are not taken") << u"abc"_s << 0.0 << u"100%"_s;
}

void TestBottomControlBar::zoomTyped()
{
    QFETCH(QString, typed);
    QFETCH(double, requested);
    QFETCH(QString, shown);
    PdfBottomControlBar bar;
    bar.setFitMode(PdfFitMode::NoFit);
    bar.showZoomFactor(1.0);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QComboBox *combo = parts(bar).zoom;
    QLineEdit *edit = combo->lineEdit();
    QVERIFY(edit);
    // The widest zoom fits the box whole.
    QCOMPARE_GE(edit->contentsRect().width(),
                QFontMetrics(edit->font()).horizontalAdvance(u"1600%"_s) + 4);
    QSignalSpy zoom(&bar, &PdfBottomControlBar::zoomRequested);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, typed);
    QTest::keyClick(edit, Qt::Key_Return);
    // Leaving the box afterwards asks nothing more.
    edit->clearFocus();
    QCOMPARE(zoom.count(), requested > 0 ? 1 : 0);
    if (requested > 0)
        QCOMPARE(zoom.at(0).at(0).toDouble(), requested);
    QCOMPARE(combo->currentText(), shown);
}

void TestBottomControlBar::fitToggle()
{
    PdfBottomControlBar bar;
    QPushButton *fit = parts(bar).fit;
    QSignalSpy page(&bar, &PdfBottomControlBar::fitPageRequested);
    QSignalSpy width(&bar, &PdfBottomControlBar::fitWidthRequested);
    // The tip names the fit in force, not the one a click goes to.
    QCOMPARE(fit->toolTip(), u"适合宽度"_s);
    QCOMPARE(fit->property("fitWidth").toBool(), true);
    QTest::mouseClick(fit, Qt::LeftButton);
    QCOMPARE(page.count(), 1);
    QCOMPARE(width.count(), 0);
    QCOMPARE(fit->toolTip(), u"适合页面"_s);
    QCOMPARE(fit->property("fitWidth").toBool(), false);
    QTest::mouseClick(fit, Qt::LeftButton);
    QCOMPARE(width.count(), 1);
    QVERIFY(bar.isFitWidth());
    // Pushed from outside it only changes the face.
    bar.setFitWidth(false);
    QCOMPARE(page.count(), 1);
    QCOMPARE(width.count(), 1);
    // At a zoom of its own nothing is fitted, and a click fits the width.
    bar.setFitMode(PdfFitMode::NoFit);
    QCOMPARE(fit->toolTip(), u"未适合窗口：点按适合宽度"_s);
    QVERIFY(!bar.isFitWidth());
    QTest::mouseClick(fit, Qt::LeftButton);
    QCOMPARE(width.count(), 2);
    QCOMPARE(bar.fitMode(), PdfFitMode::FitWidth);
}

void TestBottomControlBar::navigationButtons()
{
    PdfBottomControlBar bar;
    bar.setPageCount(3);
    bar.setCurrentPage(1);
    const Parts p = parts(bar);
    QSignalSpy previous(&bar, &PdfBottomControlBar::previousPageRequested);
    QSignalSpy next(&bar, &PdfBottomControlBar::nextPageRequested);
    QTest::mouseClick(p.previous, Qt::LeftButton);
    QTest::mouseClick(p.next, Qt::LeftButton);
    QCOMPARE(previous.count(), 1);
    QCOMPARE(next.count(), 1);
    // Fewer pages pull the current page back into range.
    bar.setPageCount(1);
    QCOMPARE(bar.currentPage(), 0);
    QCOMPARE(p.edit->text(), u"1"_s);
    bar.setPageCount(0);
    QCOMPARE(bar.currentPage(), -1);
    QCOMPARE(p.edit->text(), u"0"_s);
}

namespace {

// The lightest pixel of the button as drawn: the white arrow, or the grey one when disabled.
int lightestPixel(QAbstractButton *button)
{
    const QImage image = button->grab().toImage();
    int lightest = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            lightest = std::max(lightest, qGray(image.pixel(x, y)));
    }
    return lightest;
}

} // namespace

void TestBottomControlBar::disabledArrowsAreGrey()
{
    PdfBottomControlBar bar;
    bar.setPageCount(3);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    const Parts p = parts(bar);
    // First page: no way back.
    bar.setCurrentPage(0);
    QVERIFY(!p.previous->isEnabled());
    QCOMPARE_LT(lightestPixel(p.previous), 170);
    QCOMPARE_GT(lightestPixel(p.next), 210);
    // Last page: no way on, and the way back is white again.
    bar.setCurrentPage(2);
    QVERIFY(!p.next->isEnabled());
    QCOMPARE_LT(lightestPixel(p.next), 170);
    QCOMPARE_GT(lightestPixel(p.previous), 210);
}

void TestBottomControlBar::historyArrowsAreNotUndo()
{
    PdfBottomControlBar bar;
    QAction back(u"back"_s);
    QAction forward(u"forward"_s);
    forward.setEnabled(false);
    bar.setHistoryActions(&back, &forward);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    auto *backButton = bar.findChild<QAbstractButton *>(u"pdfHistoryBackButton"_s);
    auto *forwardButton = bar.findChild<QAbstractButton *>(u"pdfHistoryForwardButton"_s);
    QVERIFY(backButton && forwardButton);
    // The shapes (alpha) of the glyphs at 40 px, against the top bar's undo and redo.
    const auto shape = [](const QIcon &icon, QIcon::Mode mode = QIcon::Normal) {
        return icon.pixmap(QSize(40, 40), 1.0, mode)
            .toImage()
            .convertToFormat(QImage::Format_Alpha8);
    };
    const auto differing = [](const QImage &a, const QImage &b) {
        int count = 0;
        for (int y = 0; y < std::min(a.height(), b.height()); ++y) {
            for (int x = 0; x < std::min(a.width(), b.width()); ++x)
                count += std::abs(qAlpha(a.pixel(x, y)) - qAlpha(b.pixel(x, y))) > 128;
        }
        return count;
    };
    const QImage undo = shape(QIcon(u":/res/icons/pdfviewer/undo.png"_s));
    const QImage redo = shape(QIcon(u":/res/icons/pdfviewer/redo.png"_s));
    QCOMPARE_GT(differing(shape(backButton->icon()), undo), 40);
    QCOMPARE_GT(differing(shape(forwardButton->icon()), redo), 40);
    QCOMPARE_GT(differing(shape(backButton->icon()), shape(forwardButton->icon())), 40);
    // Straight arrows, the same above and below their middle; undo's bends.
    for (QAbstractButton *button : {backButton, forwardButton}) {
        const QImage glyph = shape(button->icon());
        QCOMPARE_LT(differing(glyph, glyph.mirrored(false, true)), 12);
    }
    QCOMPARE_GT(differing(undo, undo.mirrored(false, true)), 40);
    // Greyed while there is nowhere to go.
    QVERIFY(!forwardButton->isEnabled());
    QCOMPARE_LT(lightestPixel(forwardButton), 170);
    QCOMPARE_GT(lightestPixel(backButton), 210);
}

VELMORA_REGISTER_TEST(TestBottomControlBar);
#include "tst_pdfbottomcontrolbar.moc"
