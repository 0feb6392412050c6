#include "flateimage.h"

#include <zlib.h>

#include <cstdlib>
#include <vector>

namespace flateimage {
namespace {

int paeth(int a, int b, int c)
{
    const int p = a + b - c;
    const int pa = std::abs(p - a);
    const int pb = std::abs(p - b);
    const int pc = std::abs(p - c);
    if (pa <= pb && pa <= pc)
        return a;
    return pb <= pc ? b : c;
}

// Fills out (1 + rowBytes) with the filter type and the filtered row.
void filterRow(int type, const unsigned char *row, const unsigned char *prior, qsizetype rowBytes,
               int bpp, unsigned char *out)
{
    out[0] = static_cast<unsigned char>(type);
    unsigned char *d = out + 1;
    for (qsizetype i = 0; i < rowBytes; ++i) {
        const int a = i >= bpp ? row[i - bpp] : 0;
        const int b = prior ? prior[i] : 0;
        const int c = (prior && i >= bpp) ? prior[i - bpp] : 0;
        int predicted = 0;
        switch (type) {
        case 1:
            predicted = a;
            break;
        case 2:
            predicted = b;
            break;
        case 3:
            predicted = (a + b) / 2;
            break;
        case 4:
            predicted = paeth(a, b, c);
            break;
        default:
            break;
        }
        d[i] = static_cast<unsigned char>(row[i] - predicted);
    }
}

long long cost(const unsigned char *filtered, qsizetype rowBytes)
{
    long long sum = 0;
    for (qsizetype i = 1; i <= rowBytes; ++i)
        sum += filtered[i] < 128 ? filtered[i] : 256 - filtered[i];
    return sum;
}

} // namespace

QByteArray encode(const unsigned char *rows, qsizetype stride, qsizetype rowBytes, int height,
                  int bytesPerPixel, int level)
{
    z_stream zs{};
    if (deflateInit(&zs, level) != Z_OK)
        return {};
    QByteArray out;
    std::vector<unsigned char> best(static_cast<size_t>(rowBytes + 1));
    std::vector<unsigned char> trial(static_cast<size_t>(rowBytes + 1));
    std::vector<unsigned char> chunk(1 << 16);
    auto pump = [&](const unsigned char *data, size_t size, int flush) {
        zs.next_in = const_cast<Bytef *>(data);
        zs.avail_in = static_cast<uInt>(size);
        do {
            zs.next_out = chunk.data();
            zs.avail_out = static_cast<uInt>(chunk.size());
            deflate(&zs, flush);
            out.append(reinterpret_cast<const char *>(chunk.data()),
                       static_cast<qsizetype>(chunk.size() - zs.avail_out));
        } while (zs.avail_out == 0);
    };
    for (int y = 0; y < height; ++y) {
        const unsigned char *row = rows + y * stride;
        const unsigned char *prior = y > 0 ? rows + (y - 1) * stride : nullptr;
        // The usual heuristic: the filter whose output has the smallest sum of magnitudes.
        long long bestCost = -1;
        for (int type = 0; type <= 4; ++type) {
            filterRow(type, row, prior, rowBytes, bytesPerPixel, trial.data());
            const long long c = cost(trial.data(), rowBytes);
            if (bestCost < 0 || c < bestCost) {
                bestCost = c;
                best.swap(trial);
            }
        }
        pump(best.data(), best.size(), Z_NO_FLUSH);
    }
    pump(nullptr, 0, Z_FINISH);
    deflateEnd(&zs);
    return out;
}

} // namespace flateimage
