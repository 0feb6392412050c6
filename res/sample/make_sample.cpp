// Writes the sample document the program opens when started without a file: a short guide with
// wrapped text, a table, drawings, a landscape page and a photo-like picture, so that a first look
// at the viewer and its page tools shows a realistic mix of pages.
//
// Usage: make_sample <output.pdf>

#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QTextDocument>

#include <cmath>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

const QString Style = uR"(
body { font-family: 'DejaVu Serif'; font-size: 10.5pt; color: #1d2129; }
h1 { font-family: 'DejaVu Sans'; font-size: 24pt; color: #4f46e5; margin-bottom: 4pt; }
h2 { font-family: 'DejaVu Sans'; font-size: 15pt; color: #312e81; margin-top: 14pt; }
p { margin-bottom: 7pt; line-height: 135%; }
.lead { font-size: 12.5pt; color: #4e5969; }
td, th { padding: 4pt 8pt; }
th { background-color: #eef0fb; font-family: 'DejaVu Sans'; }
)"_s;

struct Page
{
    QString html;
    bool landscape = false;
    int figure = 0; // drawn below the text: 0 none, 1 bars, 2 picture, 3 diagram
};

QString paragraphs(const QStringList &texts)
{
    QString html;
    for (const QString &text : texts)
        html += u"<p>%1</p>"_s.arg(text);
    return html;
}

QList<Page> pages()
{
    const QString reading = paragraphs(
        {u"Open a document from the home tab, from the recent files list or by giving its name on "
         "the command line. Each document gets its own tab, so several can stay open side by side."_s,
         u"Scroll with the wheel or the scroll bar; the page number in the floating bar follows "
         "the page in the middle of the window. Type a number there to jump to a page. Hold Ctrl "
         "while turning the wheel to zoom about the point under the pointer, or choose fit width "
         "and fit page from the zoom list."_s,
         u"Long documents open at once: only the pages on screen are drawn, and a sharper image "
         "replaces the first quick one as soon as it is ready."_s});
    const QString organising = paragraphs(
        {u"The thumbnail strip on the left shows every page. Point at a card to preview, rotate or "
         "delete its page, and drag cards to put pages in a new order. Drop other PDF files on the "
         "strip to insert their pages."_s,
         u"The page grid shows many pages at once. Tick pages to rotate, duplicate, delete or "
         "extract them together, insert blank pages or other documents between any two pages, "
         "and mark where the document should be split."_s,
         u"Every change can be undone and redone. Nothing is written until you save, and saving "
         "replaces the file only once the new one is complete."_s});
    const QString tools = paragraphs(
        {u"The batch tools work on lists of files: compress, PDF to images, images to PDF, "
         u"encrypt, "
         "unlock and merge. Add files by dropping them or through the file dialog, put them in "
         "order, choose where the results go and start; each file shows its own progress."_s});
    const QString table = uR"(<table cellspacing="0" cellpadding="5" border="0" width="100%">
<tr><th align="left">Tool</th><th align="left">What it writes</th></tr>
<tr><td>Compress</td><td>a smaller copy, or the original replaced</td></tr>
<tr><td>PDF to images</td><td>one image per page in a folder per document</td></tr>
<tr><td>Images to PDF</td><td>one document per image, or all images in one</td></tr>
<tr><td>Encrypt</td><td>a copy that asks for a password to open</td></tr>
<tr><td>Unlock</td><td>a copy without the password</td></tr>
<tr><td>Merge</td><td>one document with all pages in list order</td></tr>
</table>)"_s;

    QList<Page> list;
    list.append({u"<h1>Velmora</h1><p class='lead'>A short guide in twelve pages. Use it to try "
                 "reading, zooming and reorganising pages before you open your own documents."
                 "</p><h2>Contents</h2><p>1. Reading documents<br>2. Organising pages<br>"
                 "3. Batch tools<br>4. Saving and printing<br>5. A wide page<br>6. Pictures</p>"_s,
                 false, 3});
    list.append({u"<h2>1. Reading documents</h2>"_s + reading, false, 1});
    list.append({u"<h2>2. Organising pages</h2>"_s + organising, false, 0});
    list.append({u"<h2>3. Batch tools</h2>"_s + tools + table, false, 0});
    list.append(
        {u"<h2>4. Saving and printing</h2>"_s +
             paragraphs({u"Save writes the document over its file; save as writes a new "
                         "file and the tab follows it. Print sends the pages to a printer or "
                         "to a PDF file, all of them or a range."_s,
                         u"Extract writes chosen pages to new files, one per page or all "
                         "in one. Split cuts the document at the points you marked, or "
                         "after every page."_s}),
         false, 0});
    list.append({u"<h2>5. A wide page</h2>"_s +
                     paragraphs({u"This page is landscape. Fit page shows it whole; fit width "
                                 "makes it as wide as the window. Rotate it in the strip and save "
                                 "to see the rotation kept in the file."_s}),
                 true, 1});
    list.append({u"<h2>6. Pictures</h2>"_s +
                     paragraphs({u"Pages with large pictures take longer to draw. The viewer "
                                 "shows a quick image first and a sharp one as soon as it is "
                                 "ready."_s}),
                 false, 2});
    for (int i = 1; i <= 5; ++i) {
        list.append({u"<h2>Practice page %1</h2>"_s.arg(i) +
                         paragraphs({u"Drag this page to another place, rotate it, duplicate it "
                                     "or delete it, then undo. The number at the bottom shows "
                                     "where the page was when the document was written."_s,
                                     reading}),
                     false, i % 2 ? 3 : 1});
    }
    return list;
}

void drawBars(QPainter &p, const QRectF &area)
{
    const QList<double> values{0.35, 0.6, 0.48, 0.82, 0.7, 0.93};
    const double gap = 14;
    const double width = (area.width() - gap * (values.size() - 1)) / values.size();
    p.setPen(QPen(QColor(0xC9, 0xCD, 0xD4), 1));
    p.drawLine(area.bottomLeft(), area.bottomRight());
    for (int i = 0; i < values.size(); ++i) {
        const double h = area.height() * values[i];
        const QRectF bar(area.left() + i * (width + gap), area.bottom() - h, width, h);
        p.fillRect(bar, QColor::fromHsv(235 + i * 8, 150 + i * 12, 230 - i * 10));
    }
}

void drawPicture(QPainter &p, const QRectF &area)
{
    QImage image(900, 600, QImage::Format_RGB32);
    QPainter ip(&image);
    QLinearGradient sky(0, 0, 0, 600);
    sky.setColorAt(0, QColor(72, 110, 190));
    sky.setColorAt(0.6, QColor(246, 190, 120));
    sky.setColorAt(1, QColor(120, 80, 70));
    ip.fillRect(image.rect(), sky);
    ip.setRenderHint(QPainter::Antialiasing);
    ip.setBrush(QColor(255, 236, 170));
    ip.setPen(Qt::NoPen);
    ip.drawEllipse(QPointF(640, 330), 70, 70);
    for (int layer = 0; layer < 3; ++layer) {
        QPainterPath hills(QPointF(0, 600));
        for (int x = 0; x <= 900; x += 10)
            hills.lineTo(x, 420 + layer * 50 - 60 * std::sin(x / (120.0 + layer * 40) + layer));
        hills.lineTo(900, 600);
        ip.fillPath(hills, QColor(40 + layer * 20, 70 + layer * 25, 60 + layer * 10));
    }
    ip.end();
    p.drawImage(area, image);
}

void drawDiagram(QPainter &p, const QRectF &area)
{
    p.setRenderHint(QPainter::Antialiasing);
    const QStringList steps{u"Open"_s, u"Organise"_s, u"Save"_s};
    const double w = (area.width() - 80) / 3;
    QFont font(u"DejaVu Sans"_s);
    font.setPointSizeF(11);
    p.setFont(font);
    for (int i = 0; i < steps.size(); ++i) {
        const QRectF box(area.left() + i * (w + 40), area.top() + 20, w, 60);
        p.setPen(QPen(QColor(0x4F, 0x46, 0xE5), 1.5));
        p.setBrush(QColor(0xF2, 0xF1, 0xFF));
        p.drawRoundedRect(box, 8, 8);
        p.setPen(QColor(0x31, 0x2E, 0x81));
        p.drawText(box, Qt::AlignCenter, steps[i]);
        if (i + 1 < steps.size()) {
            const QPointF from(box.right() + 6, box.center().y());
            const QPointF to(box.right() + 34, box.center().y());
            p.setPen(QPen(QColor(0x86, 0x90, 0x9C), 1.5));
            p.drawLine(from, to);
            p.drawLine(to, to + QPointF(-7, -5));
            p.drawLine(to, to + QPointF(-7, 5));
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_sample <output.pdf>\n");
        return 2;
    }
    QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
    writer.setTitle(u"Velmora sample document"_s);
    writer.setCreator(u"Velmora"_s);
    writer.setResolution(72);
    const QMarginsF margins(56, 56, 56, 56);
    const QList<Page> list = pages();
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4),
                    list.first().landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                    margins, QPageLayout::Point));
    QPainter painter(&writer);
    for (int i = 0; i < list.size(); ++i) {
        const Page &page = list[i];
        if (i > 0) {
            writer.setPageOrientation(page.landscape ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait);
            writer.newPage();
        }
        // The painter's origin is the top-left corner of the area inside the margins.
        const QRectF area = writer.pageLayout().paintRect(QPageLayout::Point);
        const QSizeF size(area.width(), area.height());
        QTextDocument text;
        text.setDefaultStyleSheet(Style);
        text.setHtml(u"<body>%1</body>"_s.arg(page.html));
        text.setTextWidth(size.width());
        text.setDocumentMargin(0);
        text.drawContents(&painter, QRectF(QPointF(), size));
        const double below = text.size().height() + 24;
        const QRectF figure(0, below, size.width(), std::min(260.0, size.height() - below - 40));
        if (figure.height() > 60) {
            if (page.figure == 1)
                drawBars(painter, figure);
            else if (page.figure == 2)
                drawPicture(painter,
                            QRectF(figure.topLeft(), QSizeF(figure.width(), figure.width() * 2 / 3))
                                .intersected(QRectF(QPointF(), size)));
            else if (page.figure == 3)
                drawDiagram(painter, figure);
        }
        QFont footer(u"DejaVu Sans"_s);
        footer.setPointSizeF(8.5);
        painter.setFont(footer);
        painter.setPen(QColor(0x86, 0x90, 0x9C));
        painter.drawText(QRectF(0, size.height() - 14, size.width(), 14), Qt::AlignCenter,
                         u"Velmora sample · page %1 of %2"_s.arg(i + 1).arg(list.size()));
    }
    painter.end();
    std::printf("wrote %s: %lld pages\n", argv[1], qint64(list.size()));
    return 0;
}
