#pragma once

#include <QMetaType>

// Part of the render cache key; handed back unchanged with every answer.
enum class PdfRenderPurpose : qint32 {
    Thumbnail = 0,
    Page = 1,
};

Q_DECLARE_METATYPE(PdfRenderPurpose)
