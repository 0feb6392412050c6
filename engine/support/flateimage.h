#pragma once

#include <QByteArray>

// Lossless image stream data: rows deflated with PNG predictors, the way /FlateDecode with
// /Predictor 15 expects them.
namespace flateimage {

// rows: height rows of rowBytes each, stride apart; bytesPerPixel for the predictor.
QByteArray encode(const unsigned char *rows, qsizetype stride, qsizetype rowBytes, int height,
                  int bytesPerPixel, int level = 6);

} // namespace flateimage
