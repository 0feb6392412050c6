#pragma once

#include "textrecognition.h"

#include <QByteArray>
#include <QString>
#include <QTransform>

#include <atomic>
#include <memory>

// Reading the words of a drawn page. tesseract and what it brings (two dozen libraries) live in
// a module of their own, loaded on the first recognition, so that every other start of the
// program does not pay for loading them.
namespace textrecognition {

// Grey pixels of a page and the way back from them to the page's user space.
struct ScanImage
{
    const unsigned char *pixels = nullptr;
    int width = 0;
    int height = 0;
    int stride = 0;
    int dpi = 0;
    QTransform toPage;
};

// One per thread: tesseract instances are not shared.
class PageReader
{
public:
    virtual ~PageReader() = default;
    virtual bool read(const ScanImage &scan, const std::atomic<bool> *cancel, PageText *out,
                      QString *why) = 0;
};

// A reader from the module (libvelmora_ocr.so: VELMORA_OCR_MODULE, else beside the program's
// private libraries, else where it was built); null with *why when the module cannot be loaded.
std::unique_ptr<PageReader> makePageReader(const QByteArray &languages,
                                           const QByteArray &dataFolder, QString *why);

} // namespace textrecognition
