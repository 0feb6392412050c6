// Batch benchmark: make inputs, run one batch operation, compare renderings.
//   batchbench photos <out.pdf> <pages>            photo pages, 300 ppi JPEG pictures
//   batchbench scans <out.pdf> <pages>             lossless gray page scans, 300 ppi
//   batchbench merge <out.pdf> <in.pdf>...
//   batchbench encrypt|decrypt <in.pdf> <folder> <password>
//   batchbench compress <in.pdf> <out.pdf> <0|1>
//   batchbench images <in.pdf> <folder> <2|3>
//   batchbench ssim <folderA> <folderB>            mean SSIM of same-named PNG pages
#include "inkwell.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// A picture with the smooth shading, edges and grain of a photograph.
QImage photo(int w, int h, int seed)
{
    QImage image(w, h, QImage::Format_RGB32);
    QPainter p(&image);
    QRandomGenerator random{quint32(seed)};
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor::fromHsv(200 + seed % 30, 120, 230));
    sky.setColorAt(1, QColor::fromHsv(30 + seed % 40, 90, 200));
    p.fillRect(image.rect(), sky);
    for (int i = 0; i < 40; ++i) {
        const QPointF c(random.bounded(w), random.bounded(h));
        const qreal r = 30 + random.bounded(w / 4);
        QRadialGradient g(c, r);
        g.setColorAt(0, QColor::fromHsv(random.bounded(360), 160, 240, 220));
        g.setColorAt(1, QColor::fromHsv(random.bounded(360), 200, 90, 0));
        p.setBrush(g);
        p.setPen(Qt::NoPen);
        p.drawEllipse(c, r, r * 0.8);
    }
    p.end();
    for (int y = 0; y < h; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int n = int(random.bounded(13)) - 6;
            row[x] =
                qRgb(std::clamp(qRed(row[x]) + n, 0, 255), std::clamp(qGreen(row[x]) + n, 0, 255),
                     std::clamp(qBlue(row[x]) + n, 0, 255));
        }
    }
    return image;
}

int makePhotos(const QString &out, int pages)
{
    QPdfWriter writer(out);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300); // pictures keep 300 ppi
    QPainter painter(&writer);
    for (int page = 0; page < pages; ++page) {
        if (page)
            writer.newPage();
        painter.setFont(QFont(u"DejaVu Serif"_s, 16));
        painter.drawText(QRectF(150, 100, 2000, 100), u"Holiday album, page %1"_s.arg(page + 1));
        painter.drawImage(QRectF(150, 250, 2100, 1400), photo(2100, 1400, page * 2));
        painter.drawImage(QRectF(150, 1750, 1000, 1300), photo(1000, 1300, page * 2 + 1));
        painter.setFont(QFont(u"DejaVu Sans"_s, 9));
        for (int line = 0; line < 30; ++line)
            painter.drawText(QRectF(1250, 1750 + line * 42, 1000, 42),
                             u"A caption line that tells where this was taken."_s);
    }
    painter.end();
    std::printf("made %s\n", qPrintable(out));
    return 0;
}

int makeScans(const QString &out, int pages)
{
    QPdfWriter writer(out);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setResolution(300);
    QPainter painter(&writer);
    for (int page = 0; page < pages; ++page) {
        if (page)
            writer.newPage();
        // A scanned page: gray paper with grain and printed text, lossless as scanners store it.
        QImage scan(2480, 3508, QImage::Format_Grayscale8);
        scan.fill(235);
        QPainter p(&scan);
        p.setFont(QFont(u"DejaVu Serif"_s, 11));
        for (int line = 0; line < 80; ++line)
            p.drawText(
                QRectF(200, 200 + line * 40, 2100, 40),
                u"Scanned text line %1 of page %2, as a flatbed would capture it."_s.arg(line).arg(
                    page));
        p.end();
        QRandomGenerator random{quint32(page)};
        for (int y = 0; y < scan.height(); ++y) {
            uchar *row = scan.scanLine(y);
            for (int x = 0; x < scan.width(); ++x)
                row[x] = uchar(std::clamp(int(row[x]) + int(random.bounded(9)) - 4, 0, 255));
        }
        painter.drawImage(QRectF(0, 0, 2480, 3508), scan);
    }
    painter.end();
    std::printf("made %s\n", qPrintable(out));
    return 0;
}

double ssim(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_Grayscale8);
    const QImage y = b.convertToFormat(QImage::Format_Grayscale8);
    if (x.size() != y.size())
        return 0;
    constexpr double c1 = 6.5025, c2 = 58.5225; // (0.01 * 255)^2, (0.03 * 255)^2
    double total = 0;
    int windows = 0;
    for (int wy = 0; wy + 8 <= x.height(); wy += 4) {
        for (int wx = 0; wx + 8 <= x.width(); wx += 4) {
            double sa = 0, sb = 0, saa = 0, sbb = 0, sab = 0;
            for (int j = 0; j < 8; ++j) {
                const uchar *ra = x.constScanLine(wy + j) + wx;
                const uchar *rb = y.constScanLine(wy + j) + wx;
                for (int i = 0; i < 8; ++i) {
                    sa += ra[i];
                    sb += rb[i];
                    saa += ra[i] * ra[i];
                    sbb += rb[i] * rb[i];
                    sab += ra[i] * rb[i];
                }
            }
            const double n = 64;
            const double ma = sa / n, mb = sb / n;
            const double va = saa / n - ma * ma, vb = sbb / n - mb * mb, cov = sab / n - ma * mb;
            total +=
                ((2 * ma * mb + c1) * (2 * cov + c2)) / ((ma * ma + mb * mb + c1) * (va + vb + c2));
            ++windows;
        }
    }
    return windows ? total / windows : 0;
}

int compareFolders(const QString &a, const QString &b)
{
    const QStringList pages = QDir(a).entryList({u"*.png"_s}, QDir::Files, QDir::Name);
    double sum = 0;
    for (const QString &page : pages)
        sum += ssim(QImage(QDir(a).filePath(page)), QImage(QDir(b).filePath(page)));
    std::printf("%.4f\n", pages.isEmpty() ? 0.0 : sum / pages.size());
    return 0;
}

TaskRequest baseRequest(int type)
{
    TaskRequest request;
    request.taskId = u"{bench}"_s;
    request.type = type;
    return request;
}

} // namespace

int main(int argc, char **argv)
{
    // Only drawing the inputs needs the GUI; the timed operations run as a tool would.
    const bool draws =
        argc > 1 && (qstrcmp(argv[1], "photos") == 0 || qstrcmp(argv[1], "scans") == 0);
    std::unique_ptr<QCoreApplication> app(draws ? new QGuiApplication(argc, argv)
                                                : new QCoreApplication(argc, argv));
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: see the head of batchbench.cpp\n");
        return 2;
    }
    const QString command = args[0];
    bool ok = false;
    if (command == u"photos"_s)
        return makePhotos(args[1], args.value(2).toInt());
    if (command == u"scans"_s)
        return makeScans(args[1], args.value(2).toInt());
    if (command == u"ssim"_s)
        return compareFolders(args[1], args[2]);
    if (command == u"merge"_s) {
        TaskRequest r = baseRequest(TaskType::Merge);
        r.outputPath = args[1];
        r.inputFiles = args.mid(2);
        ok = Inkwell::CreateTool(TaskType::Merge)->execute(r);
    } else if (command == u"encrypt"_s || command == u"decrypt"_s) {
        const int type = command == u"encrypt"_s ? TaskType::Encrypt : TaskType::Decrypt;
        TaskRequest r = baseRequest(type);
        r.inputFile = args[1];
        r.inputFiles = {args[1]};
        r.outputPath = args[2];
        r.options = {{u"password"_s, args.value(3)}, {u"saveOption"_s, 1}};
        ok = Inkwell::CreateTool(type)->execute(r);
    } else if (command == u"compress"_s) {
        TaskRequest r = baseRequest(TaskType::Compress);
        r.inputFile = args[1];
        r.outputPath = args[2];
        r.options = {{u"compressLevel"_s, args.value(3).toInt()}, {u"saveOption"_s, 1}};
        ok = Inkwell::compress(r);
    } else if (command == u"images"_s) {
        TaskRequest r = baseRequest(TaskType::PdfToImage);
        r.inputFiles = {args[1]};
        r.outputPath = args[2];
        r.options = {{u"format"_s, args.value(3).toInt()}, {u"saveAsSeparateFiles"_s, false}};
        ok = Inkwell::CreateTool(TaskType::PdfToImage)->execute(r);
    } else {
        std::fprintf(stderr, "unknown command\n");
        return 2;
    }
    // The job ends when execute returns. Leaving without library teardown keeps Qt's exit-time
    // frees, which make glibc sweep every chunk the job freed, out of the timed process: the
    // command-line peers never pay that sweep either.
    std::fflush(nullptr);
    std::_Exit(ok ? 0 : 1);
}
