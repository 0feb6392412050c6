#pragma once

#include <QMetaType>

// Which task the page grid and the operation side panel are set up for.
enum class PdfWorkspaceMode : qint32 {
    Browse = 0,
    Insert = 1,
    Extract = 2,
    Split = 3,
};

Q_DECLARE_METATYPE(PdfWorkspaceMode)
